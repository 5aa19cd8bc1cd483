#pragma once

// The records a game keeps of its story, as plain data: the achievements earned, the rounds and
// the player's fixtures of the current season, and what every completed season ends with. The
// league holds them (GameLeague.h) and the save carries them (GameSaveSections.h); the functions
// that build them, or build reports, reviews and books from them, live in their own units
// (GameAchievements.h, GameMatchRecord.h, GameCareer.h, GameSeasonRecord.h), which read the
// league. Nothing here reads a league, so every unit can name these types.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "ZnMatchesConsts.h"

// In the order listed: achievements earned on one matchday stand in this order.
enum class TZnAchievementId : uint8_t {
    FirstWin,       // the game's first win
    TenInARow,      // ten wins in a row within one season, on the tenth
    GiantKilling,   // a win whose exact win chance at kick-off was under 5%
    UnbeatenSeason, // a season of thirty matches without a loss, on matchday 30
    Title,          // the title, on matchday 30
    TitleInFive,    // the title in one of the first five seasons
    FrugalTitle,    // the title with money invested in at most ten matches of that season
    HundredSeasons, // the end of the 100th season
};
inline constexpr size_t AchievementCount = 8;

struct TZnAchievement {
    TZnAchievementId Id = TZnAchievementId::FirstWin;
    int32_t Season = 0;   // 0-based
    int32_t Matchday = 0; // 1..30

    bool operator==(const TZnAchievement&) const = default;
};

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
    void Start(int32_t money, int32_t level) {
        Clear();
        StartKnown = true;
        MoneyStart = money;
        LevelStart = level;
    }
    void Clear() { *this = TZnSeasonLog{}; }
    bool operator==(const TZnSeasonLog&) const = default;
};

// What a completed season ends with: one record of the career (GameCareer.h) a season.
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

// One match of the player's: the best win or the worst defeat of a season.
struct TZnResultLine {
    int32_t Matchday = 0; // 1-based
    int32_t For = 0;
    int32_t Against = 0;
    int32_t OpponentNameIndex = 0; // the opponent's line in the name list
    bool operator==(const TZnResultLine&) const = default;
};

// What a completed season keeps beyond its career record (TZnSeasonRecord), for the review and
// the records book. A season completed before records were kept (loaded from an older file) has
// none: Known is false.
struct TZnSeasonDetail {
    bool Known = false;
    bool StartKnown = false; // false when the season was loaded mid-way from a file without records
    int32_t MoneyStart = 0;  // valid with StartKnown
    int32_t LevelStart = 0;  // valid with StartKnown
    int64_t Invested = 0;    // valid with StartKnown: the sum of BuildUp at kick-off
    std::optional<TZnResultLine> BestWin;
    std::optional<TZnResultLine> WorstDefeat;
    int32_t LongestUnbeaten = 0;
    int32_t LongestWinning = 0;
    std::array<uint8_t, MatchdayCount> Ranks{}; // 0-based rank after each matchday

    bool operator==(const TZnSeasonDetail&) const = default;
};
