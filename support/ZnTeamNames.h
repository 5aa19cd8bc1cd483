#pragma once

#include <cstddef>
#include <string>
#include <vector>

class QByteArray;
class QString;

// At most this much of a club-name file is read, and a name keeps at most this many characters:
// a huge file, an endless device or a single endless line costs no more than the shipped file.
inline constexpr std::size_t TeamNameFileLimit = 64 * 1024;
inline constexpr int TeamNameLengthLimit = 64;

// The lines of a club-name file as UTF-8 strings. The file is code page 932, or UTF-8 when it
// starts with a UTF-8 byte-order mark or is valid UTF-8 throughout. Lines end with CR LF, LF or
// CR; a final line break adds no entry; lines are not trimmed. Control characters (C0, DEL, C1)
// and the invisible characters that reorder text (bidirectional controls) are dropped, and a
// line longer than TeamNameLengthLimit characters is cut.
std::vector<std::string> DecodeTeamNames(const QByteArray& bytes);

// The decoded lines of the regular file at `path` (a name as DecodeFileName gives it). Empty
// when it is missing, cannot be read or is not a regular file (a FIFO or a device is refused
// without waiting on it). Of a file longer than TeamNameFileLimit, only the whole lines within
// the limit are taken.
std::vector<std::string> ReadTeamNameFile(const QString& path);
