#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "GameViewText.h"

TEST_F(GameTest, ClubPanelBeforeTheFirstMatchday) {
    const auto rows = MyClubValues(Game);
    const std::array<std::string, 11> expected = {
        "P", "なし", "なし", "第1節 P - K", "勝利確率36%", "0円", "-", "1", "0", "2億円", "1季目"};
    EXPECT_EQ(rows, expected);
}

TEST_F(GameTest, ClubPanelAfterTheSeason) {
    PlaySeason();
    const auto rows = MyClubValues(Game);
    const TZnMatch& last = Game.MyLastMatch();
    EXPECT_EQ(rows[1], "第30節 " + Game.Clubs().ClubById(last.HomeId).Name + " " +
                           std::to_string(last.HomeGoals) + " - " + std::to_string(last.AwayGoals) +
                           " " + Game.Clubs().ClubById(last.AwayId).Name);
    EXPECT_EQ(rows[2], ResultWords[Game.MyLastResult()]);
    EXPECT_EQ(rows[3], "なし");
    EXPECT_EQ(rows[4], "なし");
}

TEST_F(GameTest, TableAndFixtureCells) {
    TZnClub& club = Game.Clubs().Items(3);
    club.GoalsFor = 2;
    club.GoalsAgainst = 5;
    club.Points = 4;
    const char* expected[] = {"D", "4", "4", "0", "0", "0", "0", "2", "5", "-3"};
    for (int32_t tag = 0; tag < 10; ++tag)
        EXPECT_EQ(RankTableCell(club, tag), expected[tag]) << tag;
    EXPECT_FALSE(RankTableCell(club, 10).has_value());
    EXPECT_FALSE(RankTableCell(club, -1).has_value());

    TZnMatch& match = Game.Schedule().Matchdays(0).Matches(1); // 1-3
    EXPECT_EQ(FixtureCell(Game, match, 0), "B");
    EXPECT_EQ(FixtureCell(Game, match, 1), "-");
    EXPECT_EQ(FixtureCell(Game, match, 2), "D");
    match.Played = true;
    match.HomeGoals = 0;
    match.AwayGoals = 3;
    EXPECT_EQ(FixtureCell(Game, match, 1), "0 - 3");
    EXPECT_FALSE(FixtureCell(Game, match, 3).has_value());
    EXPECT_EQ(PrizeText(0), "8億1920万円");
    EXPECT_EQ(PrizeText(4), "5120万円");
    EXPECT_EQ(PrizeText(15), "1万円");
}
