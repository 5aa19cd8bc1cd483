#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "GameCrc32.h"

namespace {

uint32_t CrcOf(std::string_view text) {
    return Crc32(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

} // namespace

// The values zlib's crc32() gives, for lengths that end in each of the four places of a word:
// the CRC is folded four bytes at a time and the last bytes one by one.
TEST(Crc32, AgreesWithZlibOnEveryLengthOfTheLastWord) {
    const std::pair<std::string_view, uint32_t> rows[] = {
        {"", 0x00000000u},          // nothing: the initial and final values cancel
        {"a", 0xE8B7BE43u},         // one byte, no whole word
        {"abc", 0x352441C2u},       // three bytes after no word
        {"abcd", 0xED82CD11u},      // one whole word
        {"123456789", 0xCBF43926u}, // two words and a byte: the check value of CRC-32
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u}, // ten words and three
    };
    for (const auto& [text, crc] : rows)
        EXPECT_EQ(CrcOf(text), crc) << '"' << text << '"';
}
