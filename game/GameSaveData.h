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
// the image's reader; the game's records may follow there (GameSaveSections.h).

#include <array>
#include <cstddef>
#include <cstdint>

#include "GameFileError.h"

class TZnLeague;

inline constexpr size_t SaveHeaderSize = 126;
inline constexpr size_t ClubRecordSize = 56;
inline constexpr size_t CoachRecordSize = 8;
inline constexpr size_t MatchRecordSize = 17;
inline constexpr size_t SaveImageSize = 5122;

// The 126 header bytes every save file begins with.
const std::array<uint8_t, SaveHeaderSize>& SaveHeader();

// Throws EZnLoadError naming the first value of a league read from a file, its player's club
// `myClubId`, that a game could not have produced: ids, name indexes,
// ranks and previous ranks not a permutation of 0..15, a fixture id outside 0..15 or a matchday
// without every club once, goals outside 0..6, a negative BuildUp or one on a club other than the
// player's, Matchday outside 0..30, a negative Season, negative funds or experience of the coach.
// It also refuses a state the game could not carry on from: a fixture before Matchday not played,
// one from Matchday on played or holding goals, a club whose Played, Wins, Draws, Losses, Points,
// GoalsFor or GoalsAgainst differs from what its played fixtures give. Every save the game writes
// passes.
void ValidateSaveState(const TZnLeague& league, int32_t myClubId);
