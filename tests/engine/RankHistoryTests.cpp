#include <gtest/gtest.h>

#include "GameRankHistory.h"
#include "GameTestSupport.h"
#include "ZnStream.h"

TEST_F(GameTest, HistoryEndsAtTheCurrentTableAfterEveryMatchday) {
    EXPECT_TRUE(RankHistory(Game).front().Points.empty()) << "nothing played, nothing drawn";
    for (int day = 1; day <= 30; ++day) {
        Game.PlayMatchday();
        const auto history = RankHistory(Game);
        ASSERT_EQ(history.size(), 16u);
        for (size_t p = 0; p < history.size(); ++p) {
            const TZnClub& club = Game.Clubs().Items(static_cast<int32_t>(p));
            ASSERT_EQ(history[p].Points.size(), static_cast<size_t>(day));
            EXPECT_EQ(history[p].NameIndex, club.NameIndex);
            EXPECT_EQ(history[p].Points.back().Rank, club.Rank) << "matchday " << day;
            EXPECT_EQ(history[p].Points.back().Points, club.Points);
            EXPECT_EQ(history[p].IsMine, &club == &Game.MyClub());
        }
    }
}

TEST_F(GameTest, HistoryOfASecondSeasonCountsOnlyThatSeason) {
    PlaySeason();
    Game.NextSeason();
    Game.PlayMatchday();
    Game.PlayMatchday();
    const auto history = RankHistory(Game);
    for (size_t p = 0; p < history.size(); ++p) {
        ASSERT_EQ(history[p].Points.size(), 2u);
        EXPECT_EQ(history[p].Points.back().Rank, static_cast<int32_t>(p));
    }
}

TEST_F(GameTest, LoadedGameHasTheSameHistory) {
    for (int i = 0; i < 17; ++i)
        Game.PlayMatchday();
    TZnWriteStream stream;
    Game.SaveToStream(stream);
    TZnGameGoalrun loaded(KeepSeedSource());
    loaded.LoadFromStream(stream.Bytes);
    const auto before = RankHistory(Game);
    const auto after = RankHistory(loaded);
    ASSERT_EQ(before.size(), after.size());
    for (size_t p = 0; p < before.size(); ++p) {
        EXPECT_EQ(before[p].NameIndex, after[p].NameIndex);
        ASSERT_EQ(before[p].Points.size(), after[p].Points.size());
        for (size_t m = 0; m < before[p].Points.size(); ++m) {
            EXPECT_EQ(before[p].Points[m].Rank, after[p].Points[m].Rank);
            EXPECT_EQ(before[p].Points[m].Points, after[p].Points[m].Points);
        }
    }
}
