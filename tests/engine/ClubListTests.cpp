#include "ZnClubList.h"

#include <gtest/gtest.h>

TEST(ClubList, NewLeagueStrengths) {
    TZnClubList clubs;
    clubs.InitClubs();
    ASSERT_EQ(clubs.Count(), 16);
    EXPECT_EQ(clubs.Items(15).Attack, 1500);
}
