#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <stdexcept>

#include "ConstsGoalrun.h"
#include "GameTestSupport.h"
#include "ZnMoneyText.h"
#include "ZnStream.h"

using Lines = std::vector<std::string>;

TEST_F(GameTest, NewGameStartsTheWeakestClubWithTwoOku) {
    EXPECT_EQ(Game.Season, 0);
    EXPECT_EQ(Game.Matchday, 0);
    EXPECT_FALSE(Game.Finished);
    EXPECT_EQ(Game.Coach().Money, 20000);
    EXPECT_EQ(Game.Coach().Experience, 0);
    EXPECT_EQ(Game.Coach().Level(), 1);
    EXPECT_EQ(Game.MyClub().ClubId, 15);
    EXPECT_EQ(Game.MyClub().Attack, 1500);
    EXPECT_EQ(Game.MyClub().Name, "P");
    EXPECT_EQ(Game.MyClub().Coach, &Game.Coach());
    EXPECT_EQ(Log.Lines,
              (Lines{"あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。",
                     "そのために、2億円を資金として捻出しました。", "それでは、健闘を祈ります。"}));
    EXPECT_TRUE(Game.CanPlayMatchday());
    EXPECT_FALSE(Game.CanNextSeason());
}

TEST_F(GameTest, NewGameKeepsTheNamesAlreadyRead) {
    for (int i = 0; i < 16; ++i)
        Game.TeamNames.push_back("クラブ" + std::to_string(i));
    Game.NewGame();
    EXPECT_EQ(Game.MyClub().Name, "クラブ15");
    EXPECT_EQ(Game.Clubs().Items(0).Name, "クラブ0");
}

TEST_F(GameTest, MatchdayKeepsTheBooksBalanced) {
    for (int day = 1; day <= 30; ++day) {
        int32_t pointsBefore = 0;
        for (int32_t p = 0; p < 16; ++p)
            pointsBefore += Game.Clubs().Items(p).Points;
        const TZnMatchList& fixtures = Game.Schedule().Matchdays(Game.Matchday);
        Game.PlayMatchday();
        int32_t expectedGain = 0;
        for (int32_t j = 0; j < fixtures.Count(); ++j) {
            const TZnMatch& m = fixtures.Matches(j);
            EXPECT_TRUE(m.Played);
            EXPECT_LE(std::max(m.HomeGoals, m.AwayGoals), 6);
            expectedGain += m.HomeGoals == m.AwayGoals ? 2 : 3;
        }
        int32_t points = 0, goalsFor = 0, goalsAgainst = 0;
        for (int32_t p = 0; p < 16; ++p) {
            const TZnClub& club = Game.Clubs().Items(p);
            EXPECT_EQ(club.Played, day);
            EXPECT_EQ(club.BuildUp, 0);
            EXPECT_EQ(club.Rank, p);
            EXPECT_EQ(club.Points, 3 * club.Wins + club.Draws);
            EXPECT_EQ(club.Played, club.Wins + club.Draws + club.Losses);
            points += club.Points;
            goalsFor += club.GoalsFor;
            goalsAgainst += club.GoalsAgainst;
        }
        EXPECT_EQ(goalsFor, goalsAgainst);
        EXPECT_EQ(points - pointsBefore, expectedGain);
    }
    EXPECT_FALSE(Game.CanPlayMatchday());
}

TEST_F(GameTest, PlayersResultIsReportedWithItsRewards) {
    // Seed 1: a win at home, a draw away, then four losses; only the win pays.
    Log.Clear();
    for (int day = 1; day <= 6; ++day)
        Game.PlayMatchday();
    EXPECT_EQ(Log.Lines,
              (Lines{"第1節 Homeで、Kに勝ちました！", "経験値3を獲得しました。",
                     "勝利給100万円を獲得しました。", "第2節 Awayで、Fに引き分けました。",
                     "第3節 Awayで、Oに負けました。", "第4節 Homeで、Cに負けました。",
                     "第5節 Awayで、Dに負けました。", "第6節 Homeで、Eに負けました。"}));
    EXPECT_EQ(Game.Coach().Money, StartingMoney + 100);
    EXPECT_EQ(Game.Coach().Experience, 3);
}

TEST(SimulateMatch, StrengthLimitsDecideChancesOverEveryDraw) {
    // Goals of each side over 20,000 matches from one generator, enough to draw every value
    // 0..9999 many times: a limit compared one off shows at once.
    const struct {
        int32_t homeAttack, homeDefense, awayAttack, awayDefense;
        int64_t homeGoals, awayGoals;
    } cases[] = {
        {0, 5000, 0, 5000, 0, 0},              // no attack, no chance
        {10000, 5000, 10000, 9999, 0, 54074},  // away defense 9999 never concedes
        {5000, 9091, 10000, 5000, 32793, 0},   // 9091 x 1.1 at home never concedes
        {9091, -1, 10000, -1, 120000, 120000}, // a chance every round, every shot in
        {10000, 0, 10000, 0, 119990, 119991},  // every shot in but on a draw of 0
    };
    for (const auto& c : cases) {
        TZnClub home, away;
        home.Attack = c.homeAttack, home.Defense = c.homeDefense;
        away.Attack = c.awayAttack, away.Defense = c.awayDefense;
        TZnRandom random(1);
        int64_t homeGoals = 0, awayGoals = 0;
        for (int i = 0; i < 20000; ++i) {
            TZnMatch match;
            SimulateMatch(match, home, away, random);
            homeGoals += match.HomeGoals;
            awayGoals += match.AwayGoals;
        }
        EXPECT_EQ(homeGoals, c.homeGoals) << c.homeAttack << "/" << c.awayDefense;
        EXPECT_EQ(awayGoals, c.awayGoals) << c.awayAttack << "/" << c.homeDefense;
    }
}

TEST(MoneyText, GroupsOfChoOkuMan) {
    const std::pair<int32_t, const char*> cases[] = {
        {0, "0"},
        {1, "1万"},
        {100, "100万"},
        {9999, "9999万"},
        {10000, "1億"},
        {20000, "2億"},
        {12345, "1億2345万"},
        {100000000, "1兆"},
        {100000005, "1兆5万"},
        {100010000, "1兆1億"},
        {123456789, "1兆2345億6789万"},
        {2147483647, "21兆4748億3647万"},
        {-5, "0"},
        {-20000, "0"},
        {-2147483647 - 1, "0"},
    };
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(MoneyText(amount), text) << amount;
}

TEST(MoneyText, PrizeTableTexts) {
    const char* texts[] = {"8億1920万", "4億960万", "2億480万", "1億240万", "5120万", "2560万",
                           "1280万",    "640万",    "320万",    "160万",    "80万",   "40万",
                           "20万",      "10万",     "5万",      "1万"};
    for (size_t rank = 0; rank < 16; ++rank)
        EXPECT_EQ(MoneyText(PrizeTable[rank]), texts[rank]);
}

TEST_F(GameTest, ProgressIsUnsavedFromEachCommandUntilALoadOrNewGame) {
    using Step = std::function<void(TZnGameGoalrun&)>;
    const auto reload = [](TZnGameGoalrun& g) {
        TZnWriteStream image;
        g.SaveToStream(image);
        EXPECT_TRUE(g.UnsavedProgress()) << "an image in memory is no save";
        g.LoadFromStream(image.Bytes);
    };
    const std::tuple<const char*, Step, Step> cases[] = {
        {"matchday", [](auto&) {}, [](auto& g) { g.PlayMatchday(); }},
        {"investment", [](auto& g) { g.InvestBuildUp("0"); }, // refused: no progress
         [](auto& g) { g.InvestBuildUp("300"); }},
        {"next season",
         [&](auto& g) {
             while (g.CanPlayMatchday())
                 g.PlayMatchday();
             reload(g);
         },
         [](auto& g) { g.NextSeason(); }},
    };
    for (const auto& [what, prepare, command] : cases) {
        Game.NewGame();
        prepare(Game);
        EXPECT_FALSE(Game.UnsavedProgress()) << what;
        command(Game);
        EXPECT_TRUE(Game.UnsavedProgress()) << what;
        reload(Game);
        EXPECT_FALSE(Game.UnsavedProgress()) << what << ": a load starts clean";
        Game.PlayMatchday();
        Game.NewGame();
        EXPECT_FALSE(Game.UnsavedProgress()) << what << ": so does a new game";
    }
}

TEST_F(GameTest, CommandsOutOfTurnThrowNamingTheCommandAndChangeNothing) {
    const auto expectRefused = [&](const std::function<void()>& command, const char* name) {
        const int32_t matchday = Game.Matchday, season = Game.Season, money = Game.Coach().Money;
        const size_t lines = Log.Lines.size();
        try {
            command();
            ADD_FAILURE() << name << " ran out of turn";
        } catch (const std::logic_error& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
        EXPECT_EQ(Game.Matchday, matchday) << name;
        EXPECT_EQ(Game.Season, season) << name;
        EXPECT_EQ(Game.Coach().Money, money) << name;
        EXPECT_EQ(Log.Lines.size(), lines) << name;
    };
    expectRefused([&] { Game.NextSeason(); }, "NextSeason");
    PlaySeason();
    expectRefused([&] { Game.PlayMatchday(); }, "PlayMatchday");
    expectRefused([&] { Game.InvestBuildUp("100"); }, "InvestBuildUp");
    Game.Finished = true;
    expectRefused([&] { Game.NextSeason(); }, "NextSeason");
}

TEST(GameWithoutLog, PlaysAndWritesNowhere) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    game.PlayMatchday();
    TZnLineLog log;
    game.SetMessageLog(&log);
    game.SetMessageLog(nullptr);
    EXPECT_EQ(game.InvestBuildUp("1"), 1);
    EXPECT_TRUE(log.Lines.empty());
}
