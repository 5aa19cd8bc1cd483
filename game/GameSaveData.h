#pragma once

// The save file: one fixed image of 5122 bytes, every number a little-endian two's complement
// int32 except the fixture's one-byte flag, packed without padding or counts.
//
//   offset  size  section
//        0   126  header: "Vomera" zero-padded to 20 bytes, the title "ゴールラン" in code page 932
//                 (10 bytes) zero-padded to 100, "1.00" zero-padded to 6; must match exactly
//      126   896  16 club records of 56 bytes, in the club list's order:
//                 Defense, Attack, BuildUp, NameIndex, Draws, Played, GoalsAgainst, GoalsFor,
//                 ClubId, Losses, Points, PrevRank, Rank, Wins
//     1022     8  coach: Experience, Money
//     1030  4080  240 fixture records of 17 bytes, matchday 0..29, each in list order:
//                 AwayId, HomeId, Played (1 byte, non-zero is true), AwayGoals, HomeGoals
//     5110     4  the player's ClubId
//     5114     4  Season
//     5118     4  Matchday
//
// Names, the message log and the finished flag are not stored. Bytes after 5122 are ignored by
// the image's reader; the coach's career may follow there (GameCareer.h).

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "GameCareer.h"

class TZnClubList;
class TZnMatchListList;

inline constexpr size_t SaveHeaderSize = 126;
inline constexpr size_t ClubRecordSize = 56;
inline constexpr size_t CoachRecordSize = 8;
inline constexpr size_t MatchRecordSize = 17;
inline constexpr size_t SaveImageSize = 5122;
// The image and the largest career trailer that may follow it (GameCareer.h).
inline constexpr size_t SaveFileMaxSize = SaveImageSize + CareerTrailerMaxSize;

// A save file that cannot be read or that the loader refuses; what() says why (in English, for
// logs and the CLI); the window shows its own message.
class EZnLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A save file that could not be written.
class EZnSaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The 126 header bytes every save file begins with.
const std::array<uint8_t, SaveHeaderSize>& SaveHeader();

// Throws EZnLoadError naming the first value a game could not have produced: ids, name indexes,
// ranks and previous ranks not a permutation of 0..15, a fixture id outside 0..15 or a matchday
// without every club once, goals outside 0..6, a negative BuildUp or one on a club other than the
// player's, Matchday outside 0..30, a negative Season.
void ValidateSaveState(const TZnClubList& clubs, const TZnMatchListList& schedule, int32_t myClubId,
                       int32_t season, int32_t matchday);

// Reads the first SaveFileMaxSize bytes of a regular file (fewer when it is shorter); throws
// EZnLoadError when it cannot be opened or read, or is a folder or a device.
std::vector<uint8_t> ReadSaveFile(const std::string& path);

// Writes `bytes` to a temporary file in the folder of `path`, flushes it to disk and renames it
// over `path`. On failure the temporary file is removed, any old file stays as it was, and
// EZnSaveError is thrown.
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
