#include <gtest/gtest.h>

#include "GameTestSupport.h"

TEST(ParseBuildUpAmount, AcceptsHalfAndFullWidthWholeNumbers) {
    const std::pair<const char*, int32_t> cases[] = {
        {"100", 100},
        {"012", 12},
        {"  7 ", 7},
        {"\t+5\n", 5},
        {"-5", -5},
        {"１００", 100},
        {"－３", -3},
        {"＋４２", 42},
        {"\u3000８\u3000", 8},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"99999999999999999999", 0},
        {"", 0},
        {"abc", 0},
        {"1.5", 0},
        {"1e3", 0},
        {"+", 0},
        {"--1", 0},
        {"1 2", 0},
        {"0x10", 0},
        {"１0", 10},
        {"\xEF\xBC", 0},
    };
    for (const auto& [text, amount] : cases)
        EXPECT_EQ(ParseBuildUpAmount(text), amount) << "'" << text << "'";
}

TEST_F(GameTest, InvestmentMovesFundsAndNormalisesTheBox) {
    struct Case {
        const char* text;
        std::optional<int32_t> invested;
        std::string message;
        int32_t buildUp;
    };
    const Case cases[] = {
        {"abc", std::nullopt, "強化費を指定してください。", 0},
        {"-5", std::nullopt, "強化費を指定してください。", 0},
        {"", std::nullopt, "強化費を指定してください。", 0},
        {"20001", std::nullopt, "強化費が足りません。", 0},
        {"012", 12, "強化費を12万円投入しました。", 12},
        {"１００", 100, "強化費を100万円投入しました。", 112},
        {"19888", 19888, "強化費を1億9888万円投入しました。", 20000},
        {"1", std::nullopt, "強化費が足りません。", 20000},
    };
    for (const Case& c : cases) {
        Log.Clear();
        EXPECT_EQ(Game.InvestBuildUp(c.text), c.invested) << c.text;
        EXPECT_EQ(Log.Lines, std::vector<std::string>{c.message}) << c.text;
        EXPECT_EQ(Game.MyClub().BuildUp, c.buildUp) << c.text;
        EXPECT_EQ(Game.Coach().Money, 20000 - c.buildUp) << c.text;
    }
    Game.PlayMatchday();
    EXPECT_EQ(Game.MyClub().BuildUp, 0) << "spent by the match, whatever the result";
    EXPECT_EQ(Game.Coach().Money % 100, 0);
}

TEST_F(GameTest, PredictionFromBalanceVenueAndInvestment) {
    // Matchday 3: the player (1500 + 1500) plays away at the 1800 + 1800 club.
    Game.Matchday = 2;
    EXPECT_EQ(Game.StrengthBalance(14, 15), 960);
    EXPECT_EQ(Game.WinPrediction(), -960);
    EXPECT_EQ(WinPredictionText(Japanese(), Game.WinPrediction()), "勝利確率45%");
    // Matchday 24: the same pairing at the player's home.
    Game.Matchday = 23;
    EXPECT_EQ(Game.WinPrediction(), -300);
    EXPECT_EQ(WinPredictionText(Japanese(), Game.WinPrediction()), "勝利確率48%");
    Game.InvestBuildUp("100");
    EXPECT_EQ(Game.WinPrediction(), -200);
    Game.Coach().Experience = 10; // level 2 doubles the investment's weight
    EXPECT_EQ(Game.WinPrediction(), -100);
}

TEST(WinPredictionText, Thresholds) {
    const std::pair<int32_t, const char*> cases[] = {
        {-2147483647 - 1, "勝利確率10%以下"},
        {-7801, "勝利確率10%以下"},
        {-7800, "勝利確率11%"},
        {0, "勝利確率50%"},
        {-300, "勝利確率48%"},
        {7999, "勝利確率89%"},
        {8000, "勝利確率90%以上"},
        {2147483647, "勝利確率90%以上"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(WinPredictionText(Japanese(), value), text) << value;
}

TEST_F(GameTest, StrengthBalanceRoundsHalfToEven) {
    TZnClub& home = Game.Clubs().ClubById(0);
    TZnClub& away = Game.Clubs().ClubById(1);
    away.Attack = away.Defense = 0;
    home.Defense = 0;
    home.Attack = 15; // 16.5
    EXPECT_EQ(Game.StrengthBalance(0, 1), 16);
    home.Attack = 25; // 27.5
    EXPECT_EQ(Game.StrengthBalance(0, 1), 28);
}
