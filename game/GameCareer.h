#pragma once

// The coach's career: one record for every completed season, kept by the game and carried in a
// trailer after the 5122-byte save image. Readers of the plain image ignore the trailer; a file
// without one loads with an empty career.
//
// The trailer, every number a little-endian two's complement int32:
//
//   offset  size  field
//        0     8  magic "ZnCareer"
//        8     4  version, 1
//       12     4  count of records, 0..CareerCapacity
//       16  48 n  the records, oldest first, 12 fields each in this order:
//                 Season (0-based), Rank (0-based), Points, Wins, Draws, Losses, GoalsFor,
//                 GoalsAgainst, Prize (万円), Money after the prize (万円), Level, Title (0 or 1)
//  16+48n     4  CRC-32 (IEEE 802.3, as zlib computes it) of the bytes from offset 0 to 16+48n
//
// Bytes after the image that do not begin with the magic are ignored. A trailer that begins with
// it but fails any other check is damaged: the game loads without a career.

#include <cstdint>
#include <deque>
#include <span>

class TZnWriteStream;

inline constexpr size_t CareerCapacity = 10000;
inline constexpr size_t CareerHeaderSize = 16;
inline constexpr size_t CareerRecordSize = 48;
inline constexpr size_t CareerTrailerMaxSize =
    CareerHeaderSize + CareerRecordSize * CareerCapacity + 4;

struct TZnSeasonRecord {
    int32_t Season = 0;
    int32_t Rank = 0;
    int32_t Points = 0;
    int32_t Wins = 0;
    int32_t Draws = 0;
    int32_t Losses = 0;
    int32_t GoalsFor = 0;
    int32_t GoalsAgainst = 0;
    int32_t Prize = 0;
    int32_t Money = 0;
    int32_t Level = 0;
    bool Title = false;

    bool operator==(const TZnSeasonRecord&) const = default;
};

// The completed seasons, oldest first; at most CareerCapacity, the oldest dropped beyond that.
class TZnCareer {
public:
    void Append(const TZnSeasonRecord& record);
    void Clear() { Seasons.clear(); }

    // Writes the trailer; nothing at all for an empty career, so such a game saves as the plain
    // image.
    void WriteTrailer(TZnWriteStream& stream) const;

    enum class TZnTrailer { None, Read, Damaged };
    // Reads the bytes that follow the image. On None and Damaged the career is left empty.
    TZnTrailer ReadTrailer(std::span<const uint8_t> bytes);

    // A deque: at capacity every season drops the oldest record, which a vector would pay for by
    // moving all the others.
    std::deque<TZnSeasonRecord> Seasons;
};

// CRC-32 as zlib's crc32() computes it.
uint32_t Crc32(std::span<const uint8_t> bytes);
