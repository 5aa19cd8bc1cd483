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
//
// The sizes of both are taken from their writers (CareerTrailerSize, CareerSectionSize), which
// the reader and the bound on a save file's size use.

#include <cstdint>
#include <deque>
#include <span>

#include "ConstsGoalrun.h"
#include "GameRecordTypes.h"

class TZnClub;
class TZnCoach;
class TZnReadStream;
class TZnWriteStream;

inline constexpr size_t CareerCapacity = 10000;
inline constexpr size_t CareerHeaderSize = 16;

// The bytes of a career trailer and of a career section holding `records` records.
size_t CareerTrailerSize(size_t records);
size_t CareerSectionSize(size_t records);

// The completed seasons, oldest first; at most CareerCapacity, the oldest dropped beyond that.
class TZnCareer {
public:
    // Appends a season without its detail; the game fills Details.back() when it has one.
    void Append(const TZnSeasonRecord& record);
    void Clear();

    // Writes the trailer of earlier releases; nothing at all for an empty career.
    void WriteTrailer(TZnWriteStream& stream) const;

    enum class TZnTrailer { None, Read, Damaged };
    // Reads a trailer of earlier releases from the bytes that follow the image; on Read it spans
    // the first CareerTrailerSize(Seasons.size()) bytes. On None and Damaged the career is left
    // empty. Seasons read have no detail.
    TZnTrailer ReadTrailer(std::span<const uint8_t> bytes);

    // The career section of the records (the layout above). ReadSection leaves the career empty
    // and returns false for a section that fails any check or holds bytes beyond its records;
    // `winBonus` is that of the game's difficulty.
    void WriteSection(TZnWriteStream& stream) const;
    bool ReadSection(std::span<const uint8_t> bytes, int32_t winBonus = WinBonus);

    // A deque: at capacity every season drops the oldest record, which a vector would pay for by
    // moving all the others.
    std::deque<TZnSeasonRecord> Seasons;
    // Beside every record, what the review and the records book need; Known is false for
    // seasons completed before records were kept.
    std::deque<TZnSeasonDetail> Details;
};

// The record the season of `club`, coached by `coach`, ends with: called once the prize is paid.
TZnSeasonRecord SeasonRecordOf(int32_t season, const TZnClub& club, const TZnCoach& coach);

// The coach at the start of a season or at its end: the funds to spend (at the start, less what
// the season invested) and the span of experience the coach can have. A record knows only the
// level, which spans ten points; a game knows the experience itself.
struct TZnCoachSpan {
    int64_t Money = 0;
    int64_t ExperienceLow = 0;
    int64_t ExperienceHigh = 0;
};
TZnCoachSpan CoachSpanOfLevel(int64_t money, int32_t level);

// True when a season that began at `start` can stand at `end` after `wins` wins and `prize`:
// funds grow only by the win bonuses (`winBonus` each) and the prize, experience only by the wins
// (both saturate at the int32 range).
bool SeasonCanLead(const TZnCoachSpan& start, int32_t wins, int32_t prize, const TZnCoachSpan& end,
                   int32_t winBonus = WinBonus);

// Records a season can end with: ranks 0..15, wins, draws and losses adding up to 30 and points
// agreeing with them, goals within six a match, the prize of the rank, the title exactly at rank
// 0, funds holding at least the prize, a level experience can reach; seasons in strictly
// ascending order, the level never falling, and a season that follows the one before it
// directly reachable from that one's funds and level (SeasonCanLead).
bool PlausibleSeasons(const std::deque<TZnSeasonRecord>& seasons, int32_t winBonus = WinBonus);
