#include <gtest/gtest.h>

#include <vector>

#include "GameLiveMatchday.h"
#include "GameTestSupport.h"

namespace {

// The rounds of one fixture from two strings of six characters: '.' nothing, 'c' a chance
// stopped, 'G' a goal.
uint32_t Rounds(const char* home, const char* away) {
    uint32_t bits = FixtureRounds::RecordedBit;
    const auto value = [](char c) {
        return c == 'G' ? TZnRound::Goal : (c == 'c' ? TZnRound::Stopped : TZnRound::NoChance);
    };
    for (int k = 0; k < 6; ++k) {
        bits |= FixtureRounds::Pack(false, k, value(home[k]));
        bits |= FixtureRounds::Pack(true, k, value(away[k]));
    }
    return bits;
}

// Club id i with `points`, `goalsFor`, `goalsAgainst`; previous rank 15 - i, so that a full tie
// puts the higher id first.
TZnClub Club(int32_t id, int32_t points, int32_t goalsFor, int32_t goalsAgainst) {
    TZnClub club;
    club.ClubId = id;
    club.PrevRank = 15 - id;
    club.Points = points;
    club.GoalsFor = goalsFor;
    club.GoalsAgainst = goalsAgainst;
    return club;
}

std::vector<int32_t> Order(const std::vector<TZnClub>& rows) {
    std::vector<int32_t> ids;
    for (const auto& row : rows)
        ids.push_back(row.ClubId);
    return ids;
}

} // namespace

// Eight fixtures 0-1, 2-3, … 14-15 between clubs level on everything before kick-off, so that
// the live order shows each key: points, goal difference, goals for, then the previous rank.
TEST(LiveMatchday, ScoresAndTableFollowTheRecordedRoundsQuarterByQuarter) {
    std::vector<TZnClub> before;
    for (int32_t id = 0; id < 16; ++id)
        before.push_back(Club(id, 10, 8, 8));
    std::vector<TZnLiveFixture> fixtures = {
        {0, 1, Rounds("G.....", ".....G")}, // 1-0 after q1, 1-1 at the end
        {2, 3, Rounds("cc....", "....G.")}, // 0-1 from q5
        {4, 5, Rounds("..GG..", "..G...")}, // 1-1 after q3, 2-1 from q4
        {6, 7, Rounds("......", "......")}, // 0-0
        {8, 9, Rounds("GGG...", "G.GG..")}, // 3-3 from q4
        {10, 11, Rounds(".G....", "......")}, {12, 13, Rounds("......", "...c..")},
        {14, 15, Rounds("....cG", "G.....")},
    };
    const TZnLiveMatchday live(before, fixtures, 12, 0);

    const std::vector<std::vector<TZnLiveScore>> expected = {
        {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
        {{1, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 1}, {0, 0}, {0, 0}, {0, 1}},
        {{1, 0}, {0, 0}, {0, 0}, {0, 0}, {2, 1}, {1, 0}, {0, 0}, {0, 1}},
        {{1, 0}, {0, 0}, {1, 1}, {0, 0}, {3, 2}, {1, 0}, {0, 0}, {0, 1}},
        {{1, 0}, {0, 0}, {2, 1}, {0, 0}, {3, 3}, {1, 0}, {0, 0}, {0, 1}},
        {{1, 0}, {0, 1}, {2, 1}, {0, 0}, {3, 3}, {1, 0}, {0, 0}, {0, 1}},
        {{1, 1}, {0, 1}, {2, 1}, {0, 0}, {3, 3}, {1, 0}, {0, 0}, {1, 1}},
    };
    for (int32_t q = 0; q <= 6; ++q)
        EXPECT_EQ(live.ScoresAfter(q), expected[static_cast<size_t>(q)]) << "after quarter " << q;

    // Kick-off: everything level, the previous rank decides (higher id first).
    EXPECT_EQ(Order(live.TableAfter(0)),
              (std::vector<int32_t>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    // The end: the winners 4 (GF 10), then 10 and 3 (GF 9 both; 10's previous rank is higher);
    // the draws by goals for (3-3, then 1-1, then 0-0), each pair by previous rank; the losers by
    // goals for, then previous rank.
    EXPECT_EQ(Order(live.TableAfter(6)),
              (std::vector<int32_t>{4, 10, 3, 9, 8, 15, 14, 1, 0, 13, 12, 7, 6, 5, 11, 2}));
    const auto end = live.TableAfter(6);
    EXPECT_EQ(end[0].Points, 13);
    EXPECT_EQ(end[0].GoalDifference(), 1);
    EXPECT_EQ(end[0].Wins, 1);
    EXPECT_EQ(end[15].Rank, 15);
    EXPECT_EQ(end[0].GoalsFor, 10);
    EXPECT_EQ(live.RankAfter(0, 0), 15);
    EXPECT_EQ(live.RankAfter(1, 0), 1) << "1-0 up after the first quarter, level with 15 (0-1 up "
                                          "away) on every key but the previous rank";
    EXPECT_EQ(live.RankAfter(6, 0), 8);
    EXPECT_EQ(live.RankAfter(6, 99), -1);
    EXPECT_EQ(live.RoundAt(1, false, 2), TZnRound::Stopped);
    EXPECT_EQ(live.RoundAt(1, true, 5), TZnRound::Goal);
    EXPECT_THROW(live.ScoresAfter(7), std::out_of_range);
    EXPECT_THROW((void)live.RoundAt(0, false, 0), std::out_of_range);
}

TEST(LiveMatchday, TitleRaceCountsTheMatchesLeft) {
    struct Case {
        int32_t matchday;
        int32_t myPoints;
        int32_t firstPoints;
        bool possible;
        int32_t gap;
    };
    // The player is club 0, the first club 1; their fixture against each other is 0-0 throughout.
    for (const Case& c : {Case{26, 40, 52, 1, 12}, Case{26, 40, 53, 0, 13}, Case{29, 50, 53, 1, 3},
                          Case{30, 50, 50, 0, 0}, Case{30, 51, 50, 1, 0}, Case{27, 60, 50, 1, 0}}) {
        std::vector<TZnClub> before;
        for (int32_t id = 0; id < 16; ++id)
            before.push_back(
                Club(id, id == 0 ? c.myPoints - 1 : (id == 1 ? c.firstPoints - 1 : 0), 0, 0));
        std::vector<TZnLiveFixture> fixtures;
        for (int32_t id = 0; id < 16; id += 2)
            fixtures.push_back({id, id + 1, Rounds("......", "......")});
        const TZnLiveMatchday live(before, fixtures, c.matchday, 0);
        const TZnTitleRace race = live.TitleRaceAfter(6);
        EXPECT_EQ(race.Possible, c.possible) << "matchday " << c.matchday << ", " << c.myPoints;
        EXPECT_EQ(race.GapToFirst, c.gap) << "matchday " << c.matchday << ", " << c.myPoints;
    }
}

TEST_F(GameTest, ReplayOfAPlayedMatchdayEndsAtTheGamesResultsAndTable) {
    EXPECT_FALSE(LastMatchdayReplay(Game)) << "nothing played yet";
    for (int day = 1; day <= 30; ++day) {
        Game.PlayMatchday();
        const auto live = LastMatchdayReplay(Game);
        ASSERT_TRUE(live) << "matchday " << day;
        const TZnMatchList& fixtures = Game.Schedule().Matchdays(day - 1);
        const auto scores = live->ScoresAfter(6);
        for (int32_t j = 0; j < 8; ++j) {
            EXPECT_EQ(scores[static_cast<size_t>(j)].Home, fixtures.Matches(j).HomeGoals);
            EXPECT_EQ(scores[static_cast<size_t>(j)].Away, fixtures.Matches(j).AwayGoals);
        }
        const auto table = live->TableAfter(6);
        for (int32_t p = 0; p < 16; ++p)
            EXPECT_EQ(table[static_cast<size_t>(p)].ClubId, Game.Clubs().Items(p).ClubId)
                << "matchday " << day << ", position " << p;
        EXPECT_EQ(live->RankAfter(0, Game.MyClub().ClubId),
                  Game.SeasonLog.Mine[static_cast<size_t>(day - 1)].RankBefore);
        EXPECT_EQ(live->Matchday(), day);
    }
    Game.SeasonLog.Rounds[29][3] = 0; // as after loading a file without its records
    EXPECT_FALSE(LastMatchdayReplay(Game));
}
