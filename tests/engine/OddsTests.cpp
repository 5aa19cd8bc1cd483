#include <gtest/gtest.h>

#include "ConstsGoalrun.h"
#include "GameOdds.h"
#include "GamePrice.h"
#include "GameTestSupport.h"

namespace {

// The outcome frequencies of `runs` matches played by the real match function.
TZnMatchOdds Simulate(const TZnClub& home, const TZnClub& away, int runs) {
    TZnRandom random;
    random.Seed = 12345;
    TZnMatchOdds seen;
    for (int i = 0; i < runs; ++i) {
        TZnMatch match;
        SimulateMatch(match, home, away, random);
        (match.HomeGoals > match.AwayGoals    ? seen.Win
         : match.HomeGoals == match.AwayGoals ? seen.Draw
                                              : seen.Loss) += 1.0 / runs;
    }
    return seen;
}

TZnClub Club(int32_t attack, int32_t defense) {
    TZnClub club;
    club.Attack = attack;
    club.Defense = defense;
    return club;
}

void ExpectClose(const TZnMatchOdds& exact, const TZnMatchOdds& seen, const std::string& what) {
    EXPECT_NEAR(exact.Win, seen.Win, 0.005) << what;
    EXPECT_NEAR(exact.Draw, seen.Draw, 0.005) << what;
    EXPECT_NEAR(exact.Loss, seen.Loss, 0.005) << what;
    EXPECT_NEAR(exact.Win + exact.Draw + exact.Loss, 1.0, 1e-12) << what;
}

} // namespace

TEST(MatchOdds, AgreeWithTheMatchFunction) {
    const struct {
        int32_t homeAttack, homeDefense, awayAttack, awayDefense;
    } cases[] = {
        {1500, 1500, 3000, 3000}, // the weakest club at home to a strong one
        {3000, 3000, 1500, 1500}, {2200, 2600, 2400, 2100},
        {6500, 6500, 3000, 3000}, // strengthened far beyond the league
        {9090, 9091, 9999, 9000}, // attack x 1.1 just below and above the draw range
    };
    for (const auto& c : cases) {
        const TZnClub home = Club(c.homeAttack, c.homeDefense);
        const TZnClub away = Club(c.awayAttack, c.awayDefense);
        ExpectClose(MatchOdds(c.homeAttack, c.homeDefense, c.awayAttack, c.awayDefense),
                    Simulate(home, away, 200000), std::to_string(c.homeAttack));
    }
}

TEST(MatchOdds, NoGoalsWithoutAttackOrAgainstAWall) {
    for (const auto& odds : {MatchOdds(0, 5000, 0, 5000), MatchOdds(5000, 9999, 5000, 9999),
                             MatchOdds(5000, 20000, 5000, 10000)}) {
        EXPECT_EQ(odds.Draw, 1.0);
        EXPECT_EQ(odds.Win, 0.0);
        EXPECT_EQ(odds.Loss, 0.0);
    }
    EXPECT_EQ(MatchOdds(0, 9999, 5000, 0).Loss, 1.0 - MatchOdds(0, 9999, 5000, 0).Draw);
    EXPECT_EQ(MatchOdds(0, 9999, 5000, 0).Win, 0.0);
}

// The odds the report shows and a giant killing is judged by, to the last bit: a change in the
// order of the sums would move a percentage shown or a chance next to the 5% line.
TEST(MatchOdds, PinnedToTheLastBit) {
    const struct {
        int32_t homeAttack, homeDefense, awayAttack, awayDefense;
        double win, draw, loss;
    } rows[] = {
        {1500, 1500, 6000, 6000, 0x1.7981ac0909e2cp-7, 0x1.964330059bfbcp-5, 0x1.e0b5c64f8218fp-1},
        {2200, 2600, 2400, 2100, 0x1.872db161fc7b2p-2, 0x1.36812f8012065p-2, 0x1.42511f1df17e6p-2},
        {9090, 9091, 9999, 9000, 0x1.df67beb2d9ea4p-2, 0x1.104c20a6930bp-1, 0.0},
        {1500, 1500, 1800, 1800, 0x1.34ab7b8fb0342p-2, 0x1.5ebe215006037p-2, 0x1.6c96632049c84p-2},
    };
    for (const auto& r : rows) {
        const TZnMatchOdds odds =
            MatchOdds(r.homeAttack, r.homeDefense, r.awayAttack, r.awayDefense);
        EXPECT_EQ(odds.Win, r.win) << r.homeAttack << " " << r.awayAttack;
        EXPECT_EQ(odds.Draw, r.draw) << r.homeAttack << " " << r.awayAttack;
        EXPECT_EQ(odds.Loss, r.loss) << r.homeAttack << " " << r.awayAttack;
    }
    // The player's recorded fixture, at home and away: the weakest club against the strongest.
    TZnPlayerMatchRecord kickOff;
    kickOff.Recorded = true;
    kickOff.MyAttack = kickOff.MyDefense = 1500;
    kickOff.OppAttack = kickOff.OppDefense = 6000;
    const TZnMatchOdds home = KickOffOdds(kickOff, true);
    EXPECT_EQ(home.Win, 0x1.7981ac0909e2cp-7);
    EXPECT_EQ(home.Loss, 0x1.e0b5c64f8218fp-1);
    const TZnMatchOdds away = KickOffOdds(kickOff, false);
    EXPECT_EQ(away.Win, 0x1.158fe5b4aacb8p-8);
    EXPECT_EQ(away.Draw, 0x1.8fbab04fb79a9p-6);
    EXPECT_EQ(away.Loss, 0x1.f1570ab218edap-1);
}

TEST_F(GameTest, NextMatchOddsSeeTheMatchFromThePlayerWithTheExtraAmount) {
    for (int32_t extra : {0, 5000}) {
        const auto exact = NextMatchOdds(Game, extra);
        ASSERT_TRUE(exact.has_value());
        const TZnMatch& next = Game.Schedule().Matchdays(0).Matches(0);
        Game.MyClub().BuildUp = extra;
        const TZnMatchOdds home = Simulate(Game.Clubs().ClubById(next.HomeId),
                                           Game.Clubs().ClubById(next.AwayId), 200000);
        Game.MyClub().BuildUp = 0;
        const bool atHome = next.HomeId == Game.MyClub().ClubId;
        ExpectClose(*exact, atHome ? home : TZnMatchOdds{home.Loss, home.Draw, home.Win},
                    "extra " + std::to_string(extra));
    }
    EXPECT_LT(NextMatchOdds(Game)->Win, 0.25);
    EXPECT_GT(NextMatchOdds(Game, 5000)->Win, 0.85);
    PlaySeason();
    EXPECT_FALSE(NextMatchOdds(Game).has_value());
}

TEST(MatchOdds, WholePercentsAddUpToAHundred) {
    const struct {
        TZnMatchOdds odds;
        const char* text;
    } cases[] = {
        {{0.154, 0.196, 0.650}, "勝15% 分20% 負65%"},
        {{1.0 / 3, 1.0 / 3, 1.0 / 3}, "勝34% 分33% 負33%"},
        {{0.005, 0.005, 0.99}, "勝1% 分0% 負99%"},
        {{0, 1, 0}, "勝0% 分100% 負0%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OddsText(Japanese(), c.odds), c.text);
}

TEST_F(GameTest, WinPriceIsTheSmallestAffordableAmountThatReachesTheChance) {
    const auto win = [&](int32_t extra) { return NextMatchOdds(Game, extra)->Win * 100; };
    // Matchdays played, experience, funds and money already invested.
    const struct {
        int32_t played, experience, money, buildUp;
    } situations[] = {
        {0, 0, 20000, 0},      {3, 0, 0, 0},      {5, 0, 20000, 0},    {8, 0, 25, 10},
        {11, 37, 20000, 30},   {17, 395, 900, 0}, {23, 0, 1000000, 0}, {29, 1000, 20000, 0},
        {29, 49990, 20000, 0}, // level 5000: 1 万円 short of the top and the chance jumps
    };
    bool seenNone = false, seenFree = false;
    for (const auto& s : situations) {
        while (Game.Matchday < s.played)
            Game.PlayMatchday();
        Game.Coach().Experience = s.experience;
        Game.Coach().Money = s.money;
        Game.MyClub().BuildUp = s.buildUp;
        for (int32_t percent : {1, 50, 70, 90, 99}) {
            const std::string what = std::to_string(s.played) + "/" + std::to_string(percent);
            const auto price = WinPrice(Game, percent);
            if (!price) {
                seenNone = true;
                EXPECT_LT(win(std::max(s.money, 0)), percent) << what;
                continue;
            }
            seenFree = seenFree || *price == 0;
            EXPECT_LE(*price, std::max(s.money, 0)) << what;
            EXPECT_GE(win(*price), percent) << what;
            if (*price > 0) {
                EXPECT_LT(win(*price - 1), percent) << what;
                EXPECT_EQ(Game.AcceptedBuildUp(std::to_string(*price)), price) << what;
            }
        }
    }
    EXPECT_TRUE(seenNone && seenFree);
    PlaySeason();
    EXPECT_FALSE(WinPrice(Game, 50).has_value());
}
