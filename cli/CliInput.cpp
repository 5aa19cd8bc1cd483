#include "CliInput.h"

TZnLineRead ReadCommandLine(std::FILE* in, std::string& line, size_t limit) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (int c = getc_unlocked(in); c != EOF; c = getc_unlocked(in)) {
        any = true;
        if (c == '\n')
            return tooLong ? TZnLineRead::TooLong : TZnLineRead::Line;
        if (line.size() < limit)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
    }
    if (std::ferror(in))
        return TZnLineRead::Error;
    if (tooLong)
        return TZnLineRead::TooLong;
    return any ? TZnLineRead::Line : TZnLineRead::End;
}

namespace {

// The length of the UTF-8 sequence at the start of `text` (not empty): 1 for a byte that starts no
// valid sequence.
size_t SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (length > text.size())
        return 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

} // namespace

std::string QuoteShort(std::string_view text, size_t characters) {
    size_t end = 0;
    for (size_t n = 0; n < characters && end < text.size(); ++n)
        end += SequenceLength(text.substr(end));
    if (end == text.size())
        return std::string(text);
    return std::string(text.substr(0, end)) + "…";
}
