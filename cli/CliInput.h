#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// The longest command line goalrun-cli takes, in bytes, without its line end.
inline constexpr size_t CommandLineLimit = 64 * 1024;

enum class TZnLineRead { Line, TooLong, End, Error };

// Reads the next line of `in` into `line`, without its line end. A line longer than `limit` bytes
// is read to its end without being stored: `line` keeps its first `limit` bytes and the answer is
// TooLong. End comes only at the end of the input with nothing read, Error on a read error.
TZnLineRead ReadCommandLine(std::FILE* in, std::string& line, size_t limit = CommandLineLimit);

// `text` for an error message: whole when it has at most `characters` UTF-8 characters, else its
// first `characters` characters and "…". A byte that starts no valid sequence counts as one
// character; a sequence is never cut.
std::string QuoteShort(std::string_view text, size_t characters = 80);
