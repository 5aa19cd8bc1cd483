#pragma once

// The CRC-32 every check of the save file uses: the career trailer, the frame of the records and
// its sections, the check of the image.

#include <cstdint>
#include <span>

// CRC-32 as zlib's crc32() computes it (IEEE 802.3, reflected, initial and final value all ones).
uint32_t Crc32(std::span<const uint8_t> bytes);
