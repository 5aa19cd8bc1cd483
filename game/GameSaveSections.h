#pragma once

// The records that travel in a save file after the 5122-byte image: the career, the detail of
// every completed season, and the rounds and the player's fixtures of the current season.
// Readers of the plain image ignore them.
//
// Every number a little-endian two's complement int32 unless a size says otherwise:
//
//   offset  size  field
//        0     8  magic "ZnRecord"
//        8     4  version, 1
//       12     4  count of sections n, 1..SectionKindCount
//       16   ...  n sections, each: a tag of 4 ASCII bytes, a length L (int32), L bytes
//      end     4  CRC-32 (GameCareer.h) of every byte from the magic to the last section
//
// A kind of record has at most one section; sections stand in the order below and an empty kind
// has none. A game without any record saves as the plain image.
//
//   "CARE"  the career (GameCareer.h: the career section)
//   "SEAS"  the detail of completed seasons: a count, then per season 46 bytes:
//           Season, flags (1 byte: bit 0 the start is known), MoneyStart, LevelStart,
//           Invested (8 bytes), best win and worst defeat (4 bytes each: matchday 1..30 or 0 for
//           none, goals for, goals against, the opponent's name index), longest unbeaten and
//           longest winning runs (1 byte each), the rank after each matchday (15 bytes, two
//           4-bit ranks a byte, the earlier matchday in the low half). Seasons ascend, and each
//           is one of the career's.
//   "RNDS"  the rounds of the current season: a count d (the played matchdays), then per
//           matchday 8 words, one per fixture in list order, packed as in GameMatchRecord.h
//           (0 where the fixture has no record). A recorded fixture's goals equal the score.
//   "MINE"  the player's fixtures of the current season: flags (bit 0 the start is known),
//           MoneyStart, LevelStart, a count d (the played matchdays), then per matchday 10
//           ints: Recorded (0 or 1), BuildUp, Level, MyAttack, MyDefense, OppAttack,
//           OppDefense, RankBefore, RankAfter, MoneyAfter; all 0 where not recorded.
//
// A file whose bytes after the image begin with the career trailer of earlier releases
// (GameCareer.h) loads with that career; records that follow the trailer are read as well, and a
// career section among them replaces the trailer's. Other bytes are ignored. Records that fail
// their checks cost only their own kind (the detail of completed seasons also goes with a lost
// career, to which it belongs); a wrong checksum or a broken frame costs every kind.
//
// Records must also lead to the image, so that the game plays on from the file and its own
// next save loads again: every season of the career is completed (before the current one, or
// the current one once its 30th matchday is played, and then exactly as the image ends it), the
// last one reachable from the coach of the image; the current season's funds, levels and
// investments agree with the coach and with each other, matchday by matchday.

#include <cstdint>
#include <span>
#include <vector>

#include "GameCareer.h"
#include "GameMatchRecord.h"

class TZnClubList;
class TZnCoach;
class TZnMatchListList;
class TZnWriteStream;

enum class TZnRecordKind { Career, SeasonDetails, Rounds, PlayerMatches };
inline constexpr size_t RecordKindCount = 4;

// The size of the largest records a save file can hold: every kind, a full career with the
// detail of every season, a whole season played; taken from the writers' own layout.
size_t RecordsMaxSize();

// The loaded image the records are checked against.
struct TZnLoadedImage {
    const TZnClubList& Clubs;
    const TZnCoach& Coach;
    const TZnMatchListList& Schedule;
    int32_t MyClubId;
    int32_t Season;
    int32_t Matchday;
};

struct TZnRecords {
    TZnCareer Career;
    TZnSeasonLog SeasonLog;
    std::vector<TZnRecordKind> Lost; // kinds the file held that could not be read
};

// Writes the records after the image; nothing when there are none.
void WriteRecords(TZnWriteStream& stream, const TZnCareer& career, const TZnSeasonLog& log,
                  int32_t matchday);

// Reads the bytes that follow the image.
TZnRecords ReadRecords(std::span<const uint8_t> bytes, const TZnLoadedImage& image);
