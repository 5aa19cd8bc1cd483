#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <set>
#include <utility>

#include "ZnClubList.h"
#include "ZnCoach.h"
#include "ZnRandom.h"
#include "ZnStream.h"

TEST(Random, FollowsTheGeneratorsTestVector) {
    TZnRandom random(1);
    std::vector<int32_t> draws;
    for (int i = 0; i < 6; ++i)
        draws.push_back(random.Below(10000));
    EXPECT_EQ(draws, (std::vector<int32_t>{313, 8610, 2025, 2729, 6716, 3186}));
    EXPECT_EQ(random.Seed, 1368768587u);
}

TEST(Random, ClockSeedsDifferEvenWithinOneTick) {
    auto source = ClockSeedSource();
    std::set<uint32_t> seeds;
    for (int i = 0; i < 30; ++i)
        seeds.insert(source(0));
    EXPECT_EQ(seeds.size(), 30u);
    EXPECT_EQ(KeepSeedSource()(1234), 1234u);
}

TEST(ClubList, NewLeagueStandsInCreationOrder) {
    TZnClubList clubs;
    clubs.InitClubs();
    ASSERT_EQ(clubs.Count(), 16);
    for (int32_t i = 0; i < 16; ++i) {
        const TZnClub& club = clubs.Items(i);
        EXPECT_EQ(club.Attack, 6000 - 300 * i);
        EXPECT_EQ(club.Defense, 6000 - 300 * i);
        EXPECT_EQ(club.ClubId, i);
        EXPECT_EQ(club.NameIndex, i);
        EXPECT_EQ(club.Rank, i);
        EXPECT_EQ(club.PrevRank, i);
        EXPECT_EQ(club.Name, std::string(1, static_cast<char>('A' + i)));
    }
    EXPECT_EQ(clubs.IndexOfClubId(16), -1);
    EXPECT_THROW(clubs.ClubById(16), std::out_of_range);
    EXPECT_THROW(clubs.Items(16), std::out_of_range);
}

TEST(ClubList, NamesComeFromTheListOnlyWhenItHasSixteenLines) {
    struct Case {
        int lines;
        std::string firstName;
        std::string lastName;
    };
    for (const Case& c :
         {Case{0, "A", "P"}, Case{15, "A", "P"}, Case{16, "n0", "n15"}, Case{20, "n0", "n15"}}) {
        std::vector<std::string> names;
        for (int i = 0; i < c.lines; ++i)
            names.push_back("n" + std::to_string(i));
        TZnClubList clubs;
        clubs.NameList = &names;
        clubs.InitClubs();
        EXPECT_EQ(clubs.Items(0).Name, c.firstName) << c.lines << " lines";
        EXPECT_EQ(clubs.Items(15).Name, c.lastName) << c.lines << " lines";
    }
}

TEST(Club, StandingOrdersByPointsGoalDifferenceGoalsThenPreviousRank) {
    struct Case {
        int32_t points, goalsFor, goalsAgainst, prevRank;
    };
    // In each row the first club must stand above the second.
    const std::pair<Case, Case> rows[] = {
        {{10, 0, 5, 9}, {9, 9, 0, 0}}, // more points wins over everything
        {{9, 3, 0, 9}, {9, 9, 7, 0}},  // larger difference, whatever the goals scored
        {{9, 6, 3, 9}, {9, 5, 2, 0}},  // same difference: more goals scored
        {{9, 5, 2, 3}, {9, 5, 2, 4}},  // level on all three: last season's rank
        {{0, 0, 0, 0}, {0, 0, 0, 1}},
    };
    for (const auto& [a, b] : rows) {
        TZnClub first, second;
        first.Points = a.points, first.GoalsFor = a.goalsFor, first.GoalsAgainst = a.goalsAgainst;
        first.PrevRank = a.prevRank;
        second.Points = b.points, second.GoalsFor = b.goalsFor;
        second.GoalsAgainst = b.goalsAgainst, second.PrevRank = b.prevRank;
        EXPECT_LT(first.CompareStanding(second), 0);
        EXPECT_GT(second.CompareStanding(first), 0);
    }
}

TEST(Coach, LevelAndBonus) {
    TZnCoach coach;
    for (const auto& [experience, level] :
         {std::pair{0, 1}, {9, 1}, {10, 2}, {29, 3}, {2147483647, 214748365}}) {
        coach.Experience = experience;
        EXPECT_EQ(coach.Level(), level) << experience;
    }
    TZnClub club;
    club.Attack = club.Defense = 1500;
    club.BuildUp = 200;
    EXPECT_EQ(club.BuildUpBonus(), 0) << "no coach, no bonus";
    club.Coach = &coach;
    coach.Experience = 10;
    EXPECT_EQ(club.BuildUpBonus(), 400);
    EXPECT_EQ(club.EffectiveAttack(), 1900);
    EXPECT_EQ(club.EffectiveDefense(), 1900);
    club.BuildUp = 2147483647; // a crafted file: saturates instead of overflowing
    EXPECT_EQ(club.EffectiveAttack(), 2147483647);
}

TEST(ClubList, SeasonTurnKeepsFinalOrderAndRenumbersIds) {
    TZnClubList clubs;
    clubs.InitClubs();
    for (int32_t p = 0; p < 16; ++p)
        clubs.Items(p).Points = p * 2; // the weakest club tops the table
    clubs.SortByStanding();
    std::vector<int32_t> finalOrder;
    for (int32_t p = 0; p < 16; ++p)
        finalOrder.push_back(clubs.Items(p).NameIndex);

    TZnRandom random(42);
    clubs.ResetRecords();
    clubs.StorePrevRanks();
    clubs.ShuffleIds(random);
    std::set<int32_t> ids;
    for (int32_t p = 0; p < 16; ++p)
        ids.insert(clubs.Items(p).ClubId);
    EXPECT_EQ(ids.size(), 16u);
    EXPECT_EQ(*ids.rbegin(), 15);
    clubs.SortByStanding();
    for (int32_t p = 0; p < 16; ++p) {
        const TZnClub& club = clubs.Items(p);
        EXPECT_EQ(club.NameIndex, finalOrder[p]);
        EXPECT_EQ(club.Rank, club.PrevRank);
        EXPECT_EQ(club.Points + club.Played + club.GoalsFor, 0);
    }
}

// The look-up by id follows the ids however they came: the list's own (a new league, a shuffle,
// a read), the table's sorting, or ids written from outside the list.
TEST(ClubList, ClubByIdFindsTheClubHoldingTheIdHoweverTheIdsCame) {
    TZnClubList clubs;
    clubs.InitClubs();
    TZnRandom random(7);
    TZnClubList saved;
    saved.InitClubs();
    saved.ShuffleIds(random);
    saved.SortByStanding();
    TZnWriteStream stream;
    saved.WriteToStream(stream);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"a new league", [] {}},
        {"a shuffle", [&] { clubs.ShuffleIds(random); }},
        {"a sort",
         [&] {
             clubs.Items(3).Points = 9;
             clubs.SortByStanding();
         }},
        {"ids written from outside",
         [&] {
             for (int32_t p = 0; p < 16; ++p)
                 clubs.Items(p).ClubId = (p * 5 + 3) % 16;
         }},
        {"a read",
         [&] {
             TZnReadStream in(stream.Bytes);
             clubs.ReadFromStream(in);
         }},
    };
    for (const auto& [after, step] : steps) {
        step();
        for (int32_t p = 0; p < 16; ++p) {
            const TZnClub& club = clubs.Items(p);
            EXPECT_EQ(&clubs.ClubById(club.ClubId), &club) << "after " << after;
            EXPECT_EQ(&std::as_const(clubs).ClubById(club.ClubId), &club) << "after " << after;
        }
        for (const int32_t id : {-1, 16, INT32_MIN, INT32_MAX})
            EXPECT_THROW(clubs.ClubById(id), std::out_of_range) << "after " << after;
    }
    EXPECT_EQ(clubs.Items(0).ClubId, saved.Items(0).ClubId);
}

TEST(ClubList, ShuffleUnderSeedOneIsPinned) {
    // Saves and replays depend on a seed always giving the same new ids.
    TZnClubList clubs;
    clubs.InitClubs();
    TZnRandom random(1);
    clubs.ShuffleIds(random);
    std::vector<int32_t> order;
    for (int32_t p = 0; p < 16; ++p) {
        order.push_back(clubs.Items(p).NameIndex);
        EXPECT_EQ(clubs.Items(p).ClubId, p);
    }
    EXPECT_EQ(order, (std::vector<int32_t>{9, 5, 4, 7, 6, 13, 15, 11, 10, 1, 14, 8, 3, 2, 12, 0}));
}
