#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ZnMatchListList.h"
#include "ZnMatchesConsts.h"
#include "ZnWording.h"

namespace {

std::string Describe(const TZnMatchList& day) {
    std::string text;
    for (int32_t j = 0; j < day.Count(); ++j)
        text += (j ? ", " : "") + std::to_string(day.Matches(j).HomeId) + "-" +
                std::to_string(day.Matches(j).AwayId);
    return text;
}

} // namespace

TEST(SeasonTable, IsADoubleRoundRobin) {
    std::set<std::pair<int, int>> pairs;
    int home[16] = {}, away[16] = {};
    for (const auto& day : SeasonTable) {
        std::set<int> ids;
        for (const auto& [h, a] : day) {
            ids.insert(h);
            ids.insert(a);
            pairs.insert({h, a});
            ++home[h];
            ++away[a];
        }
        EXPECT_EQ(ids.size(), 16u);
    }
    EXPECT_EQ(pairs.size(), 240u);
    for (int id = 0; id < 16; ++id) {
        EXPECT_EQ(home[id], 15);
        EXPECT_EQ(away[id], 15);
    }
    // The second half mirrors the first with home and away exchanged.
    const int mirror[15] = {9, 8, 15, 14, 7, 6, 5, 4, 3, 10, 11, 12, 13, 2, 1};
    for (int k = 0; k < 15; ++k) {
        std::set<std::pair<int, int>> second, first;
        for (const auto& [h, a] : SeasonTable[15 + k])
            second.insert({a, h});
        for (const auto& [h, a] : SeasonTable[mirror[k] - 1])
            first.insert({h, a});
        EXPECT_EQ(second, first) << "matchday " << 16 + k;
    }
}

TEST(Schedule, PutClubFirstExchangesOnlyTwoFixtures) {
    TZnMatchListList schedule;
    schedule.PutClubFirst(15);
    EXPECT_EQ(Describe(schedule.Matchdays(0)), "15-10, 1-3, 6-11, 7-14, 8-9, 12-4, 13-5, 0-2");
    EXPECT_EQ(Describe(schedule.Matchdays(2)), "14-15, 2-13, 3-11, 4-5, 6-1, 7-8, 9-10, 0-12");
    for (int32_t d = 0; d < 30; ++d) {
        const TZnMatch& first = schedule.Matchdays(d).Matches(0);
        EXPECT_TRUE(first.HomeId == 15 || first.AwayId == 15) << "matchday " << d + 1;
    }

    TZnMatchListList twice;
    twice.PutClubFirst(15);
    twice.PutClubFirst(15);
    for (int32_t d = 0; d < 30; ++d)
        EXPECT_EQ(Describe(twice.Matchdays(d)), Describe(schedule.Matchdays(d)));

    // A second club swaps on the current order, not on the table's.
    schedule.PutClubFirst(2);
    EXPECT_EQ(Describe(schedule.Matchdays(0)), "0-2, 1-3, 6-11, 7-14, 8-9, 12-4, 13-5, 15-10");
    EXPECT_EQ(Describe(schedule.Matchdays(2)), "2-13, 14-15, 3-11, 4-5, 6-1, 7-8, 9-10, 0-12");
}

TEST(Match, ResultForEitherSide) {
    struct Case {
        int32_t home, away;
        bool played;
        int32_t id;
        TZnMatchResult expected;
    };
    const Case cases[] = {
        {2, 1, true, 3, mrWin},   {2, 1, true, 5, mrLose},
        {1, 1, true, 3, mrDraw},  {1, 1, true, 5, mrDraw},
        {0, 0, false, 3, mrDraw}, {0, 2, true, 9, mrWin}, // 9: neither side, read as away
    };
    for (const Case& c : cases) {
        TZnMatch match;
        match.HomeId = 3, match.AwayId = 5;
        match.HomeGoals = c.home, match.AwayGoals = c.away, match.Played = c.played;
        EXPECT_EQ(match.ResultFor(c.id), c.expected) << c.home << "-" << c.away << " id " << c.id;
    }
    EXPECT_EQ(Japanese().Outcomes[mrWin], "勝ち");
    EXPECT_EQ(Japanese().Outcomes[mrDraw], "引き分け");
    EXPECT_EQ(Japanese().Outcomes[mrLose], "負け");
}

TEST(Schedule, ResetResultsKeepsPairingsAndOrder) {
    TZnMatchListList schedule;
    schedule.PutClubFirst(7);
    const std::string before = Describe(schedule.Matchdays(4));
    TZnMatch& match = schedule.Matchdays(4).Matches(3);
    match.Played = true;
    match.HomeGoals = 4;
    match.AwayGoals = 2;
    schedule.ResetResults();
    EXPECT_FALSE(match.Played);
    EXPECT_EQ(match.HomeGoals + match.AwayGoals, 0);
    EXPECT_EQ(Describe(schedule.Matchdays(4)), before);
    EXPECT_THROW(schedule.Matchdays(30), std::out_of_range);
    EXPECT_THROW(schedule.Matchdays(0).Matches(8), std::out_of_range);
}
