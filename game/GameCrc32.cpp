#include "GameCrc32.h"

#include <array>

uint32_t Crc32(std::span<const uint8_t> bytes) {
    // Slicing by four: table k gives the CRC of a byte followed by k zero bytes, so four bytes
    // are folded in at once; the records of a long career are checked at every save and load.
    static const std::array<std::array<uint32_t, 256>, 4> tables = [] {
        std::array<std::array<uint32_t, 256>, 4> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][n] = c;
        }
        for (size_t k = 1; k < t.size(); ++k)
            for (uint32_t n = 0; n < 256; ++n)
                t[k][n] = t[0][t[k - 1][n] & 0xFFu] ^ (t[k - 1][n] >> 8);
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) {
        crc ^= uint32_t{bytes[i]} | uint32_t{bytes[i + 1]} << 8 | uint32_t{bytes[i + 2]} << 16 |
               uint32_t{bytes[i + 3]} << 24;
        crc = tables[3][crc & 0xFFu] ^ tables[2][(crc >> 8) & 0xFFu] ^
              tables[1][(crc >> 16) & 0xFFu] ^ tables[0][crc >> 24];
    }
    for (; i < bytes.size(); ++i)
        crc = tables[0][(crc ^ bytes[i]) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}
