#pragma once

// The replay of a matchday the engine has already decided: from the league as it stood before
// kick-off and the recorded rounds of the eight fixtures, the scores and the table after each
// quarter-hour. It reads only what was recorded and draws nothing, so watching a matchday can
// never change it.

#include <cstdint>
#include <optional>
#include <vector>

#include "ConstsGoalrun.h"
#include "GameRecordTypes.h"
#include "ZnClubList.h"

class TZnLeague;

// One fixture of the replayed matchday with its recorded rounds (FixtureRounds' packing).
struct TZnLiveFixture {
    int32_t HomeId = 0;
    int32_t AwayId = 0;
    uint32_t Rounds = 0;
};

struct TZnLiveScore {
    int32_t Home = 0;
    int32_t Away = 0;
    bool operator==(const TZnLiveScore&) const = default;
};

// Whether the player can still win the title, seen from one moment of the matchday.
struct TZnTitleRace {
    bool Possible = false;  // the player's points with a win in every match left reach the first's
    int32_t GapToFirst = 0; // the first's points minus the player's; 0 while the player leads
};

class TZnLiveMatchday {
public:
    static constexpr int32_t Quarters = AttackRounds; // 1-15分 .. 76-90分

    // `before`: the sixteen clubs with their records before kick-off (ids and previous ranks as
    // in the table); `fixtures` in list order, the player's first. `matchday` is 1-based.
    TZnLiveMatchday(std::vector<TZnClub> before, std::vector<TZnLiveFixture> fixtures,
                    int32_t matchday, int32_t myClubId);

    int32_t Matchday() const { return FMatchday; }
    int32_t MyClubId() const { return FMyClubId; }
    const std::vector<TZnLiveFixture>& Fixtures() const { return FFixtures; }

    // What fixture `j` recorded for one side in quarter `quarter` (1..6). Throws
    // std::out_of_range outside those.
    TZnRound RoundAt(int32_t fixture, bool away, int32_t quarter) const;
    // The score of every fixture after `quarter` (0 = kick-off .. 6 = the final whistle), in list
    // order. Throws std::out_of_range for a quarter outside 0..6.
    std::vector<TZnLiveScore> ScoresAfter(int32_t quarter) const;
    // The table after `quarter`: at kick-off the table before the matchday; later the records
    // before it plus every fixture's score after `quarter` counted as a result, in the table's
    // own order: copies of the clubs with those records, Rank set to their live place.
    std::vector<TZnClub> TableAfter(int32_t quarter) const;
    // The 0-based place of `clubId` in TableAfter(quarter); -1 when no club has that id.
    int32_t RankAfter(int32_t quarter, int32_t clubId) const;
    // The player's title chances after `quarter`, the matches after this matchday counted as
    // wins.
    TZnTitleRace TitleRaceAfter(int32_t quarter) const;

private:
    std::vector<TZnClub> FBefore;
    std::vector<TZnLiveFixture> FFixtures;
    int32_t FMatchday;
    int32_t FMyClubId;
};

// The replay of the last matchday `game` played: the league before it is rebuilt from the
// results of the matchdays before, as the rank chart does. Nothing when no matchday of the season
// has been played, or when any fixture of the last one has no recorded rounds (a game loaded
// without its records).
std::optional<TZnLiveMatchday> LastMatchdayReplay(const TZnLeague& game);
