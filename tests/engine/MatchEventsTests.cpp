#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "GameChallenge.h"
#include "GameIdentity.h"
#include "GameMatchEvents.h"
#include "GameMatchRecord.h"
#include "GameTestSupport.h"

namespace {

using Events = std::vector<TZnMatchEvent>;

// Checks the events of matchday `d` against its report round by round; returns them.
Events CheckedEvents(const TZnGameGoalrun& game, int32_t d) {
    const auto report = MatchdayReport(game, d);
    const auto events = MatchdayEvents(game, d);
    EXPECT_TRUE(report && events) << "matchday " << d;
    if (!report || !events)
        return {};
    std::array<std::array<int32_t, 2>, MatchesPerMatchday> chances{}, goals{};
    for (size_t i = 0; i < events->size(); ++i) {
        const TZnMatchEvent& e = (*events)[i];
        SCOPED_TRACE(testing::Message() << "matchday " << d << " event " << i);
        if (i > 0) {
            const TZnMatchEvent& p = (*events)[i - 1];
            EXPECT_TRUE(p.Minute < e.Minute ||
                        (p.Minute == e.Minute &&
                         (p.Fixture < e.Fixture || (p.Fixture == e.Fixture && !p.Away && e.Away))))
                << "time order, then fixture, then home first";
        }
        const bool inRange = e.Minute >= 1 && e.Minute <= 90 && e.Fixture >= 0 &&
                             e.Fixture < static_cast<int32_t>(report->Fixtures.size());
        EXPECT_TRUE(inRange) << e.Minute << " " << e.Fixture;
        if (!inRange)
            return {};
        const TZnFixtureReport& f = report->Fixtures[static_cast<size_t>(e.Fixture)];
        const auto round = static_cast<size_t>((e.Minute - 1) / 15);
        EXPECT_EQ((e.Away ? f.AwayRounds : f.HomeRounds)[round],
                  e.Goal ? TZnRound::Goal : TZnRound::Stopped)
            << "in its round's quarter-hour";
        auto& side = goals[static_cast<size_t>(e.Fixture)];
        side[e.Away] += e.Goal;
        chances[static_cast<size_t>(e.Fixture)][e.Away]++;
        EXPECT_EQ(e.HomeGoals, side[0]);
        EXPECT_EQ(e.AwayGoals, side[1]);
    }
    for (size_t j = 0; j < report->Fixtures.size(); ++j) {
        const TZnFixtureReport& f = report->Fixtures[j];
        EXPECT_EQ(chances[j][0], f.HomeChances) << "matchday " << d << " fixture " << j;
        EXPECT_EQ(chances[j][1], f.AwayChances) << "matchday " << d << " fixture " << j;
        EXPECT_EQ(goals[j][0], f.HomeGoals) << "matchday " << d << " fixture " << j;
        EXPECT_EQ(goals[j][1], f.AwayGoals) << "matchday " << d << " fixture " << j;
    }
    return *events;
}

struct CodedGame {
    CodedGame() {
        Game.SetMessageLog(&Log);
        Game.GameIdSource = SeededGameIdSource(0);
        Game.NewGame({TZnChallengeCode::Parse("SAKURA26"), TZnDifficulty::Normal});
    }
    TZnLineLog Log;
    TZnGameGoalrun Game{ClockSeedSource()};
};

} // namespace

TEST(MatchEvents, RoundMinutesAreDistinctAndInsideTheirQuarterHour) {
    uint32_t word = 0x12345678U;
    std::array<int32_t, 90> seen{};
    for (int i = 0; i < 20000; ++i) {
        word = word * 1664525U + 1013904223U;
        const int32_t round = i % 6;
        const TZnRoundMinutes m = RoundMinutes(word, i % 8, 1 + i % 30, round);
        ASSERT_NE(m.Home, m.Away) << word;
        for (const int32_t minute : {m.Home, m.Away}) {
            ASSERT_GE(minute, 15 * round + 1) << word;
            ASSERT_LE(minute, 15 * round + 15) << word;
            seen[static_cast<size_t>(minute - 1)]++;
        }
    }
    for (size_t minute = 0; minute < seen.size(); ++minute)
        EXPECT_GT(seen[minute], 200) << "minute " << minute + 1 << " is hardly ever shown";
}

class MatchEventsTest : public GameTest {};

TEST_F(MatchEventsTest, SeededSeasonsAgreeWithTheReportsAndRepeat) {
    for (const uint32_t seed : {1u, 7u, 42u, 2024u}) {
        Game.Random.Seed = seed;
        Game.NewGame();
        PlaySeason();
        std::vector<Events> first;
        for (int32_t d = 1; d <= MatchdayCount; ++d)
            first.push_back(CheckedEvents(Game, d));
        // The same season played again shows the same minutes.
        Game.Random.Seed = seed;
        Game.NewGame();
        PlaySeason();
        for (int32_t d = 1; d <= MatchdayCount; ++d)
            EXPECT_EQ(*MatchdayEvents(Game, d), first[static_cast<size_t>(d - 1)])
                << "seed " << seed << " matchday " << d;
    }
    EXPECT_FALSE(MatchdayEvents(Game, 0));
    EXPECT_FALSE(MatchdayEvents(Game, MatchdayCount + 1));
}

TEST(MatchEventsCoded, SameCodeSameMinutesAndUnrecordedRoundsShowNothing) {
    CodedGame first, second;
    for (int32_t d = 1; d <= 6; ++d) {
        first.Game.PlayMatchday();
        second.Game.PlayMatchday();
        EXPECT_EQ(CheckedEvents(first.Game, d), *MatchdayEvents(second.Game, d)) << d;
    }
    first.Game.SeasonLog.Rounds[2][5] = 0; // as after a load of a file without records
    EXPECT_FALSE(MatchdayEvents(first.Game, 3));
    EXPECT_TRUE(MatchdayEvents(first.Game, 4));
}

TEST(TitleRace, CraftedTables) {
    using enum TZnTitleState;
    const struct {
        std::array<int32_t, 4> points; // the player's first
        int32_t played;
        TZnTitleState expected;
    } rows[] = {
        {{40, 27, 20, 10}, 26, Clinched}, // 27 + 12 = 39 < 40
        {{40, 28, 20, 10}, 26, Open},     // 28 + 12 = 40: a tie is still open
        {{40, 29, 20, 10}, 26, Open},     {{27, 40, 20, 10}, 26, Out}, // 27 + 12 = 39 < 40
        {{28, 40, 20, 10}, 26, Open}, // the player can still draw level
        {{50, 50, 0, 0}, 30, Open},   // level on points at the end
        {{51, 50, 0, 0}, 30, Clinched},   {{49, 50, 0, 0}, 30, Out},      {{0, 0, 0, 0}, 0, Open},
        {{3, 0, 0, 0}, 1, Open},          {{61, 30, 0, 0}, 20, Clinched}, // ten matchdays early
        {{60, 30, 0, 0}, 20, Open},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TitleStateAfter(row.points, 0, row.played), row.expected)
            << row.points[0] << " vs " << row.points[1] << " after " << row.played;
        // The player's place in the table does not matter.
        const std::array<int32_t, 4> moved = {row.points[2], row.points[1], row.points[0],
                                              row.points[3]};
        EXPECT_EQ(TitleStateAfter(moved, 2, row.played), row.expected);
    }
}

class TitleRaceTest : public GameTest {};

TEST_F(TitleRaceTest, PlayedSeasonsDecideOnceAndEndAsTheTable) {
    for (const int32_t strength : {0, 100000}) {
        for (const uint32_t seed : {3u, 11u, 64u}) {
            Game.Random.Seed = seed;
            Game.NewGame();
            if (strength > 0) // a club far above the others, to see the title clinched early
                Game.MyClub().Attack = Game.MyClub().Defense = strength;
            PlaySeason();
            SCOPED_TRACE(testing::Message() << "seed " << seed << " strength " << strength);
            const TZnTitleDecision end = TitleDecision(Game, MatchdayCount);
            int32_t best = 0;
            for (int32_t i = 0; i < Game.Clubs().Count(); ++i) {
                const TZnClub& club = Game.Clubs().Items(i);
                if (&club == &Game.MyClub())
                    continue;
                best = std::max(best, club.Points);
            }
            const int32_t mine = Game.MyClub().Points;
            EXPECT_EQ(end.State, mine > best   ? TZnTitleState::Clinched
                                 : mine < best ? TZnTitleState::Out
                                               : TZnTitleState::Open);
            EXPECT_EQ(end.Decided == 0, end.State == TZnTitleState::Open);
            if (strength > 0) {
                EXPECT_EQ(end.State, TZnTitleState::Clinched);
                EXPECT_LT(end.Decided, MatchdayCount);
            }
            // Open before the deciding matchday, decided the same way from it on.
            for (int32_t m = 0; m <= MatchdayCount; ++m) {
                const TZnTitleDecision after = TitleDecision(Game, m);
                if (end.Decided == 0 || m < end.Decided)
                    EXPECT_EQ(after, TZnTitleDecision{}) << m;
                else
                    EXPECT_EQ(after, end) << m;
            }
        }
    }
}
