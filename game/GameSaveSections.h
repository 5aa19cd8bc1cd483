#pragma once

// The records that travel in a save file after the 5122-byte image: the career, the detail of
// every completed season, the rounds and the player's fixtures of the current season, the
// game's challenge code and difficulty and its achievements. Readers of the plain image ignore
// them.
//
// They stand in the sections of a frame (GameSaveFrame.h), one section a kind, version 1 each,
// written in the order below after one another and before the sections this release does not
// know; an empty kind has none. A game without any record saves as the plain image. Every number
// a little-endian two's complement int32 unless a size says otherwise. The six tags end in an
// upper-case letter: a release that does not know them drops them once the game changes.
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
//           matchday 8 words, one per fixture in list order, packed as in GameRecordTypes.h
//           (0 where the fixture has no record). A recorded fixture's goals equal the score.
//   "MINE"  the player's fixtures of the current season: flags (bit 0 the start is known),
//           MoneyStart, LevelStart, a count d (the played matchdays), then per matchday 10
//           ints: Recorded (0 or 1), BuildUp, Level, MyAttack, MyDefense, OppAttack,
//           OppDefense, RankBefore, RankAfter, MoneyAfter; all 0 where not recorded.
//   "CHAL"  the challenge code and the difficulty (GameChallenge.h): flags (bit 0 a code is
//           set), the code's value (8 bytes, 0 without a code), the difficulty (0 易しい,
//           1 普通, 2 難しい). Only a game with a code or at another difficulty than 普通 has
//           one; a file without it is a game without a code at 普通. It is read first: the win
//           bonus of its difficulty is what the other records' funds are checked with. It is
//           refused where the records show another difficulty: a game that began with other
//           funds, or records that read whole only under another difficulty's bonus.
//   "ACHV"  the achievements the game has earned (GameAchievements.h): a count, then per
//           achievement its id (0..7 in the order GameRecordTypes.h lists them), Season
//           (0-based) and Matchday (1..30), in the order earned. None stand at 易しい. A game
//           without a "CHAL" section has none either, so that a game without a code at 普通
//           saves exactly as before: it has its achievements back from its other records
//           (GameAchievements.h).
//           The list is refused where the records contradict it (AchievementsAgree).
//
// A file whose bytes after the image begin with the career trailer of earlier releases
// (GameCareer.h) loads with that career; records that follow the trailer are read as well, and a
// career section among them replaces the trailer's. Other bytes are ignored. Records that fail
// their checks cost only their own kind (the detail of completed seasons also goes with a lost
// career, to which it belongs); a damaged section costs its kind, a broken frame every kind not
// read before the break, a wrong checksum of a first-version frame every kind. No record is lost
// without a word: the log names the kinds lost, says that what followed a break was lost where
// no tag can name it, and says when the frame's count disagrees with the sections found.
//
// Sections this release does not read (another tag, or a known tag in another version) are kept
// and written back unchanged after its own, up to ForeignSectionsMaxSize bytes of them in the
// file's order; those not safe to copy only until the game changes (TZnGameGoalrun). So a file a
// later release wrote loses nothing it could keep when it passes through this one. A kind whose
// sections all stand in another layout costs no other kind: every kind checked against it is
// kept unread as well (the details against the career; the career, the details, the player's
// fixtures and the achievements against the difficulty), and a kind kept unread is written back
// where the kind goes, so that an unchanged game saves the file as it came.
//
// Records must also lead to the image, so that the game plays on from the file and its own
// next save loads again: every season of the career is completed (before the current one, or
// the current one once its 30th matchday is played, and then exactly as the image ends it), the
// last one reachable from the coach of the image; the current season's funds, levels and
// investments agree with the coach and with each other, matchday by matchday. Each season begins
// with the funds and level the season before it ended with: a season's detail that begins
// otherwise is refused, and so is a career whose last season ends otherwise than the current one
// began, where the image (before the first matchday) or the player's fixtures tell that.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "GameCareer.h"
#include "GameChallenge.h"
#include "GameIdentity.h"
#include "GameRecordTypes.h"
#include "GameSaveFrame.h"

class TZnLeague;
class TZnWriteStream;

enum class TZnRecordKind { Career, SeasonDetails, Rounds, PlayerMatches, Challenge, Achievements };
inline constexpr size_t RecordKindCount = 6;

// Room in a save file for the sections of later releases.
inline constexpr size_t ForeignSectionsMaxSize = size_t{1} << 20;
// The size of the largest records a save file can hold: every kind, a full career with the
// detail of every season, a whole season played, and the room for later releases' sections;
// taken from the writers' own layout.
size_t RecordsMaxSize();

struct TZnRecords {
    TZnCareer Career;
    TZnSeasonLog SeasonLog;
    TZnGameSetup Setup;
    std::vector<TZnAchievement> Achievements;
    bool AchievementsRead = false;   // the file lists the achievements, and they could be read
    std::vector<TZnRecordKind> Lost; // kinds the file held that could not be read
    std::vector<TZnSection> Foreign; // sections kept for writing back
    // The frame broke (GameSaveFrame.h): what followed the break was lost, and no tag names it.
    bool Broken = false;
    // The count of sections the frame gives and the sections found, where they disagree.
    std::optional<std::array<int64_t, 2>> WrongCount;
    // The game's identity and progress ("GAMe", GameIdentity.h), when the file holds them.
    std::optional<TZnGameSection> Game;
    std::optional<uint32_t> ImageCheck; // the image's CRC-32 the file holds ("ICRC")
    // The file's check of its image ("ICRC") disagrees with the image: every record above was
    // left out, for none of them may belong to the image any more.
    bool ImageChanged = false;
};

// Writes the records of `league` after its image, the last SaveImageSize bytes of `stream`: the
// check of the image and the game's identity first, then the kinds above, then the `foreign`
// sections; a foreign section of a kind the league has none of stands in that kind's place.
void WriteRecords(TZnWriteStream& stream, const TZnLeague& league,
                  std::span<const TZnSection> foreign);

// Reads the bytes that follow the image, checked against the league the image holds (its coach
// on the player's club) and against the image's own bytes, `imageBytes`.
TZnRecords ReadRecords(std::span<const uint8_t> bytes, const TZnLeague& image,
                       std::span<const uint8_t> imageBytes);
