#pragma once

// The achievements of a game: eight feats, each earned at most once a game on the matchday its
// condition is met, and only at a difficulty where they count (AchievementsCount). They are
// judged from what the game records (the player's fixtures, the season's investments, the career
// and the odds at kick-off) and kept in the game's save (GameSaveSections.h).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "GameRecordTypes.h"

class TZnCareer;
class TZnLeague;

// The ids goalrun-cli and the per-user file write: first_win, ten_in_a_row, ...
std::string_view AchievementKey(TZnAchievementId id);
std::optional<TZnAchievementId> AchievementOfKey(std::string_view key);
std::array<TZnAchievementId, AchievementCount> AllAchievements();

// What a matchday just played shows of the player's game.
struct TZnMatchdayFacts {
    int32_t Season = 0;     // 0-based
    int32_t Matchday = 0;   // 1..30, the one just played
    bool Won = false;       // the player's match of this matchday
    bool WonBefore = false; // any earlier win of the game the records know of
    int32_t WinningRun = 0; // wins in a row this season, ending with this matchday
    double WinChance = 1;   // the exact win chance at kick-off; 1 when not recorded
    int32_t Losses = 0;     // this season so far
    int32_t Rank = 0;       // 0-based, after the matchday
    // Matches of this season the player invested in; nothing when a matchday of the season went
    // unrecorded (a game loaded from a file without records).
    std::optional<int32_t> InvestedMatches;
};

// The achievements whose condition the facts meet, in the listed order, whether earned before
// or not.
std::vector<TZnAchievementId> AchievementsMet(const TZnMatchdayFacts& facts);

// The facts of played matchday `matchday` (1..game.Matchday) of the current season.
TZnMatchdayFacts MatchdayFacts(const TZnLeague& game, int32_t matchday);

// What a game's records prove it has earned, for a game loaded from a file that does not list
// its achievements: from the career, the seasons without a loss and the titles (on their 30th
// matchday) and the hundredth season; from the current season, everything, matchday by matchday.
// A feat whose matchday the records do not tell (the first win or ten in a row of a completed
// season, a completed season's odds) is left out.
std::vector<TZnAchievement> AchievementsFromRecords(const TZnLeague& game);

// Appends to `earned` the achievements `facts` meet that it does not hold yet; returns how many.
size_t EarnAchievements(const TZnMatchdayFacts& facts, std::vector<TZnAchievement>& earned);

// EarnAchievements of the facts of the matchday just played (game.Matchday, at least 1). Every
// feat asks for a win of the player's or for the 30th matchday, so on any other matchday nothing
// is worked out: most matchdays cost nothing here.
size_t EarnMatchdayAchievements(const TZnLeague& game, std::vector<TZnAchievement>& earned);

// A list a game can hold at (season, matchday): every id once, none later than that matchday,
// in the order earned with ties in the listed order.
bool PlausibleAchievements(std::span<const TZnAchievement> earned, int32_t season,
                           int32_t matchday);

// True unless the records of a game contradict a list PlausibleAchievements accepts: a feat
// earned on a matchday it cannot be (ten in a row before the tenth, the end of a season before
// the 30th, a title in five after the fifth season, the hundredth season at another), a title of
// a kind before the title itself, or one the results deny. `image` is the league the save image
// holds (the current season's results, the player's club at its end), `career` and `log` the
// records read with it: a completed season's record denies a title at another rank, an unbeaten
// season with a loss, a win or ten in a row with too few wins, and a season with wins before it
// denies the game's first win; the current season's results deny a first win, ten in a row or
// a giant killing on another matchday, and its recorded fixtures a giant killing at odds of 5%
// or more and a frugal title with more investments. What the records do not tell (a season the
// career does not hold, a fixture not recorded) is left standing.
bool AchievementsAgree(std::span<const TZnAchievement> earned, const TZnLeague& image,
                       const TZnCareer& career, const TZnSeasonLog& log);
