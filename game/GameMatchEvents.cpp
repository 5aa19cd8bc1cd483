#include "GameMatchEvents.h"

#include <algorithm>
#include <array>

#include "ConstsGoalrun.h"
#include "GameLeague.h"
#include "GameRecordTypes.h"
#include "ZnClubList.h"
#include "ZnMatchList.h"
#include "ZnMatchListList.h"
#include "ZnMatchesConsts.h"
#include "ZnSaturate.h"

namespace {

constexpr int32_t QuarterMinutes = 15;

// A 32-bit integer mix (two multiply-xorshift rounds): the same on every machine.
constexpr uint32_t Mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

constexpr int32_t PointsFor(int32_t goalsFor, int32_t goalsAgainst) {
    return goalsFor > goalsAgainst ? 3 : goalsFor == goalsAgainst ? 1 : 0;
}

} // namespace

TZnRoundMinutes RoundMinutes(uint32_t rounds, int32_t fixture, int32_t matchday, int32_t round) {
    const uint32_t key = Mix(rounds ^ (0x9e3779b9U * static_cast<uint32_t>(round + 1)));
    const uint32_t h = Mix(key + 0x85ebca6bU * static_cast<uint32_t>(fixture) +
                           0xc2b2ae35U * static_cast<uint32_t>(matchday));
    const auto home = static_cast<int32_t>(h % QuarterMinutes);
    auto away = static_cast<int32_t>((h >> 16) % (QuarterMinutes - 1));
    if (away >= home)
        ++away; // never the home side's minute
    const int32_t first = QuarterMinutes * round + 1;
    return {first + home, first + away};
}

void AppendFixtureEvents(uint32_t rounds, int32_t fixture, int32_t matchday,
                         std::vector<TZnMatchEvent>& events) {
    int32_t home = 0;
    int32_t away = 0;
    for (int32_t k = 0; k < AttackRounds; ++k) {
        const TZnRoundMinutes minutes = RoundMinutes(rounds, fixture, matchday, k);
        const bool awayFirst = minutes.Away < minutes.Home;
        for (const bool side : {awayFirst, !awayFirst}) {
            const TZnRound r = FixtureRounds::At(rounds, side, k);
            if (r == TZnRound::NoChance)
                continue;
            const bool goal = r == TZnRound::Goal;
            (side ? away : home) += goal ? 1 : 0;
            events.push_back({fixture, side ? minutes.Away : minutes.Home, side, goal, home, away});
        }
    }
}

std::optional<std::vector<TZnMatchEvent>> MatchdayEvents(const TZnLeague& game, int32_t matchday) {
    if (matchday < 1 || matchday > game.Matchday)
        return std::nullopt;
    const auto& words = game.SeasonLog.Rounds[static_cast<size_t>(matchday - 1)];
    const int32_t count = game.Schedule().Matchdays(matchday - 1).Count();
    std::vector<TZnMatchEvent> events;
    for (int32_t j = 0; j < count && j < MatchesPerMatchday; ++j) {
        const uint32_t bits = words[static_cast<size_t>(j)];
        if ((bits & FixtureRounds::RecordedBit) == 0)
            return std::nullopt;
        AppendFixtureEvents(bits, j, matchday, events);
    }
    // Each fixture's events are already in time order: a stable sort by minute then fixture keeps
    // them, and a shared minute is never one fixture's twice.
    std::stable_sort(events.begin(), events.end(),
                     [](const TZnMatchEvent& a, const TZnMatchEvent& b) {
                         if (a.Minute != b.Minute)
                             return a.Minute < b.Minute;
                         if (a.Fixture != b.Fixture)
                             return a.Fixture < b.Fixture;
                         return !a.Away && b.Away;
                     });
    return events;
}

TZnTitleState TitleStateAfter(std::span<const int32_t> points, size_t me, int32_t played) {
    const int64_t reach = int64_t{3} * (MatchdayCount - std::clamp(played, 0, MatchdayCount));
    const int64_t mine = points[me];
    bool clinched = true;
    for (size_t c = 0; c < points.size(); ++c) {
        if (c == me)
            continue;
        if (points[c] > mine + reach)
            return TZnTitleState::Out;
        if (points[c] + reach >= mine)
            clinched = false;
    }
    return clinched ? TZnTitleState::Clinched : TZnTitleState::Open;
}

TZnTitleDecision TitleDecision(const TZnLeague& game, int32_t matchday) {
    const TZnClubList& clubs = game.Clubs();
    const int32_t me = clubs.IndexOfClubId(game.MyClub().ClubId);
    const int32_t count = std::min(clubs.Count(), ClubCount);
    if (me < 0 || me >= count)
        return {};
    const int32_t last = std::clamp(matchday, 0, std::min(game.Matchday, game.Schedule().Count()));
    std::array<int32_t, ClubCount> points{};
    const std::span<const int32_t> table(points.data(), static_cast<size_t>(count));
    for (int32_t d = 1; d <= last; ++d) {
        const TZnMatchList& day = game.Schedule().Matchdays(d - 1);
        for (int32_t j = 0; j < day.Count(); ++j) {
            const TZnMatch& m = day.Matches(j);
            const int32_t home = clubs.IndexOfClubId(m.HomeId);
            const int32_t away = clubs.IndexOfClubId(m.AwayId);
            if (!m.Played || home < 0 || home >= count || away < 0 || away >= count)
                continue;
            auto& h = points[static_cast<size_t>(home)];
            auto& a = points[static_cast<size_t>(away)];
            h = Saturate(int64_t{h} + PointsFor(m.HomeGoals, m.AwayGoals));
            a = Saturate(int64_t{a} + PointsFor(m.AwayGoals, m.HomeGoals));
        }
        const TZnTitleState state = TitleStateAfter(table, static_cast<size_t>(me), d);
        if (state != TZnTitleState::Open)
            return {state, d};
    }
    return {};
}
