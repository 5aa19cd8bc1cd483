#pragma once

// The season review: what a season brought the player, for the current season from the game's
// state and its season log (GameRecordTypes.h), and for a completed season from the career
// record and the detail kept beside it. Everything here is data; the front ends word it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "GameRecordTypes.h"

class TZnLeague;

// A result line with the opponent's current name.
struct TZnNamedResult {
    TZnResultLine Line;
    std::string Opponent;
};

struct TZnSeasonReview {
    int32_t Season = 0; // 0-based
    int32_t Played = 0; // matchdays played
    int32_t Rank = 0;   // 0-based, now or final
    int32_t Points = 0;
    int32_t Wins = 0;
    int32_t Draws = 0;
    int32_t Losses = 0;
    int32_t GoalsFor = 0;
    int32_t GoalsAgainst = 0;
    bool StartKnown = false; // MoneyStart, LevelStart and Invested are valid
    int32_t MoneyStart = 0;
    int32_t LevelStart = 0;
    int64_t Invested = 0;
    int64_t Bonuses = 0; // the win bonuses of the season, 万円
    int32_t Prize = 0;   // 0 until the 30th matchday
    int32_t MoneyNow = 0;
    int32_t LevelNow = 0;
    // The following are false/empty for a completed season loaded without its detail.
    bool ResultsKnown = false;
    std::optional<TZnNamedResult> BestWin;     // largest margin, most scored, earliest matchday
    std::optional<TZnNamedResult> WorstDefeat; // largest margin, most conceded, earliest matchday
    int32_t LongestUnbeaten = 0;
    int32_t LongestWinning = 0;
    std::vector<int32_t> Ranks; // 0-based rank after each played matchday
    // The coach's funds after each played matchday; known only for matchdays of the current
    // season the game recorded (a completed season keeps none).
    std::vector<std::optional<int32_t>> Funds;
};

// The player's results in matchday order, as (goals for, goals against, opponent name index).
struct TZnPlayerResult {
    int32_t For = 0;
    int32_t Against = 0;
    int32_t OpponentNameIndex = 0;
};
// Fills BestWin, WorstDefeat and the two runs of `detail` from the results of matchdays 1..n.
void SummariseResults(const std::vector<TZnPlayerResult>& results, TZnSeasonDetail& detail);

// The player's results of the current season's played matchdays.
std::vector<TZnPlayerResult> PlayerResults(const TZnLeague& game);

// The detail of the current season as it stands; called when the 30th matchday ends it.
TZnSeasonDetail CurrentSeasonDetail(const TZnLeague& game);

// The review of the current season so far.
TZnSeasonReview CurrentSeasonReview(const TZnLeague& game);

// The review of completed season `index` of game.Career (0 = the oldest kept). Throws
// std::out_of_range for an index beyond the career.
TZnSeasonReview CompletedSeasonReview(const TZnLeague& game, size_t index);

// The current name of the club with `nameIndex`; empty when no club has it.
std::string ClubNameByIndex(const TZnLeague& game, int32_t nameIndex);
