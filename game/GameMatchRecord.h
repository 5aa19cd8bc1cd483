#pragma once

// What the game keeps of the matches of the current season, beyond the scores of the save image:
// the six rounds of every fixture and the circumstances of the player's fixture at kick-off.
// Recording reads the state the matchday plays with and draws nothing, so it never changes a
// result. Everything here is data; the front ends word it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ConstsGoalrun.h"
#include "GameOdds.h"
#include "ZnClubList.h"
#include "ZnMatchList.h"
#include "ZnMatchesConsts.h"

class TZnLeague;

// One side's attack in one round.
enum class TZnRound : uint8_t {
    NoChance = 0, // the chance draw failed
    Stopped = 1,  // a chance, stopped by the defence (the goal draw failed)
    Goal = 2,
};

// The rounds of one fixture packed in 32 bits: round k (0..5) of the home side in bits 2k and
// 2k+1, of the away side in bits 12+2k and 13+2k, each a TZnRound; bit 31 set when the fixture
// was recorded. SimulateMatch returns this word.
namespace FixtureRounds {
inline constexpr uint32_t RecordedBit = 1u << 31;
inline constexpr uint32_t Pack(bool away, int32_t round, TZnRound value) {
    return static_cast<uint32_t>(value) << ((away ? 12 : 0) + 2 * round);
}
inline constexpr TZnRound At(uint32_t bits, bool away, int32_t round) {
    return static_cast<TZnRound>((bits >> ((away ? 12 : 0) + 2 * round)) & 3u);
}
} // namespace FixtureRounds

// The player's fixture as it stood at kick-off, and what the matchday left.
struct TZnPlayerMatchRecord {
    bool Recorded = false;
    int32_t BuildUp = 0;    // 万円 invested for this match
    int32_t Level = 0;      // the coach's level at kick-off
    int32_t MyAttack = 0;   // the player's club's effective strengths, BuildUp bonus included
    int32_t MyDefense = 0;  //   (before the home factor)
    int32_t OppAttack = 0;  // the opponent's effective strengths
    int32_t OppDefense = 0; //
    int32_t RankBefore = 0; // 0-based, before the matchday
    int32_t RankAfter = 0;  // 0-based, after the matchday
    int32_t MoneyAfter =
        0; // the coach's funds after the matchday: bonus, and on the 30th the prize

    bool operator==(const TZnPlayerMatchRecord&) const = default;
};

// The records of the current season. A game loaded from a file without them starts with nothing
// known; matchdays played after the load are recorded again.
struct TZnSeasonLog {
    bool StartKnown = false; // the funds and level when the season began are known
    int32_t MoneyStart = 0;
    int32_t LevelStart = 0;
    // Per matchday, per fixture in list order (the player's first); 0 where nothing is recorded.
    std::array<std::array<uint32_t, MatchesPerMatchday>, MatchdayCount> Rounds{};
    std::array<TZnPlayerMatchRecord, MatchdayCount> Mine{};

    // Forgets everything and notes the funds and level the season begins with.
    void Start(int32_t money, int32_t level);
    void Clear() { *this = TZnSeasonLog{}; }
    bool operator==(const TZnSeasonLog&) const = default;
};

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
