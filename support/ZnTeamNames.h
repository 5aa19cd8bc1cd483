#pragma once

#include <string>
#include <vector>

class QByteArray;
class QString;

// The lines of a club-name file as UTF-8 strings. The file is code page 932, or UTF-8 when it
// starts with a UTF-8 byte-order mark or is valid UTF-8 throughout. Lines end with CR LF, LF or
// CR; a final line break adds no entry; lines are not trimmed.
std::vector<std::string> DecodeTeamNames(const QByteArray& bytes);

// The decoded lines of the file at `path`; empty when it is missing or cannot be read.
std::vector<std::string> ReadTeamNameFile(const QString& path);
