#pragma once

// The report of a played matchday, built from what the game keeps of the matches of the current
// season beyond the scores of the save image (TZnSeasonLog, GameRecordTypes.h): the six rounds of
// every fixture and the circumstances of the player's fixture at kick-off. Recording reads the
// state the matchday plays with and draws nothing, so it never changes a result. Everything here
// is data; the front ends word it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ConstsGoalrun.h"
#include "GameOdds.h"
#include "GameRecordTypes.h"
#include "ZnClubList.h"
#include "ZnMatchList.h"
#include "ZnMatchesConsts.h"

class TZnLeague;

// One fixture of a played matchday.
struct TZnFixtureReport {
    int32_t HomeId = 0;
    int32_t AwayId = 0;
    std::string HomeName;
    std::string AwayName;
    int32_t HomeGoals = 0;
    int32_t AwayGoals = 0;
    bool HasRounds = false; // false: the game has no record of this fixture's rounds
    std::array<TZnRound, AttackRounds> HomeRounds{};
    std::array<TZnRound, AttackRounds> AwayRounds{};
    int32_t HomeChances = 0; // rounds with a chance (stopped or goal); 0 without rounds
    int32_t AwayChances = 0;
};

// The player's fixture of a played matchday, seen from the player's side.
struct TZnPlayerMatchReport {
    bool AtHome = false;
    int32_t BuildUp = 0;
    int32_t Level = 0;
    int32_t Added = 0; // what the investment added to attack and to defence: level x BuildUp
    int32_t MyAttack = 0;
    int32_t MyDefense = 0;
    int32_t OppAttack = 0;
    int32_t OppDefense = 0;
    TZnMatchOdds Odds; // the exact odds at kick-off
    TZnMatchResult Result = mrDraw;
    int32_t Bonus = 0;      // the win bonus earned, 万円
    int32_t Experience = 0; // the experience earned
    int32_t RankBefore = 0; // 0-based
    int32_t RankAfter = 0;
    int32_t MoneyAfter = 0;
};

struct TZnMatchdayReport {
    int32_t Matchday = 0;                     // 1-based
    std::vector<TZnFixtureReport> Fixtures;   // in list order, the player's first
    std::optional<TZnPlayerMatchReport> Mine; // when the player's fixture was recorded
};

// The report of played matchday `matchday` (1-based) of the current season; nothing when it is
// outside 1..game.Matchday.
std::optional<TZnMatchdayReport> MatchdayReport(const TZnLeague& game, int32_t matchday);

// Notes the player's fixture of matchday `game.Matchday`, between `home` and `away`, as it stands
// before kick-off; RankAfter and MoneyAfter are left for the end of the matchday.
TZnPlayerMatchRecord KickOffRecord(const TZnLeague& game, const TZnClub& home, const TZnClub& away);
