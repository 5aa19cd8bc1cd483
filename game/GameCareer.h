#pragma once

// The coach's career: one record for every completed season, kept by the game and carried after
// the 5122-byte save image in the career section of the records (GameSaveSections.h). Readers of
// the plain image ignore what follows it; a file without records loads with an empty career.
//
// Files of earlier releases carry the career in a trailer of its own, which still loads; every
// number a little-endian two's complement int32:
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
// A trailer that begins with the magic but fails any other check is damaged: the game loads
// without a career. Records no season can end with (PlausibleSeasons) damage it too.
//
// The career section of the records: a count (int32, 0..CareerCapacity), then per record 24
// bytes: Season (int32), Rank, Points, Wins, Draws, Losses, GoalsFor, GoalsAgainst and Title
// (one byte each), Prize, Money and Level (int32 each).

#include <cstdint>
#include <deque>
#include <span>

#include "GameSeasonRecord.h"

class TZnReadStream;
class TZnWriteStream;

inline constexpr size_t CareerCapacity = 10000;
inline constexpr size_t CareerHeaderSize = 16;
inline constexpr size_t CareerRecordSize = 48;
inline constexpr size_t CareerTrailerMaxSize =
    CareerHeaderSize + CareerRecordSize * CareerCapacity + 4;
inline constexpr size_t CareerSectionRecordSize = 24;
inline constexpr size_t CareerSectionMaxSize = 4 + CareerSectionRecordSize * CareerCapacity;

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
    // Appends a season without its detail; the game fills Details.back() when it has one.
    void Append(const TZnSeasonRecord& record);
    void Clear();

    // Writes the trailer of earlier releases; nothing at all for an empty career.
    void WriteTrailer(TZnWriteStream& stream) const;

    enum class TZnTrailer { None, Read, Damaged };
    // Reads a trailer of earlier releases from the bytes that follow the image. On None and
    // Damaged the career is left empty. Seasons read have no detail.
    TZnTrailer ReadTrailer(std::span<const uint8_t> bytes);

    // The career section of the records (the layout above). ReadSection leaves the career empty
    // and returns false for a section that fails any check or holds bytes beyond its records;
    // `currentSeason` is the loaded game's season, which no record may come after.
    void WriteSection(TZnWriteStream& stream) const;
    bool ReadSection(std::span<const uint8_t> bytes, int32_t currentSeason);

    // A deque: at capacity every season drops the oldest record, which a vector would pay for by
    // moving all the others.
    std::deque<TZnSeasonRecord> Seasons;
    // Beside every record, what the review and the records book need; Known is false for
    // seasons completed before records were kept.
    std::deque<TZnSeasonDetail> Details;
};

// Records a season can end with: ranks 0..15, wins, draws and losses adding up to 30 and points
// agreeing with them, goals within six a match, funds not negative, level at least 1, the title
// only at rank 0, seasons in strictly ascending order.
bool PlausibleSeasons(const std::deque<TZnSeasonRecord>& seasons);

// CRC-32 as zlib's crc32() computes it.
uint32_t Crc32(std::span<const uint8_t> bytes);
