#include "GameOdds.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "ConstsGoalrun.h"
#include "GameLeague.h"
#include "ZnSaturate.h"

namespace {

using TZnGoalOdds = std::array<double, AttackRounds + 1>;

// How many of the draws 0..DrawRange-1 lie below `limit`: the comparison SimulateMatch makes.
int64_t DrawsBelow(double limit) {
    if (!(limit > 0))
        return 0;
    return std::min<int64_t>(DrawRange, static_cast<int64_t>(std::ceil(limit)));
}

// How many of the draws 0..DrawRange-1 lie above `limit`.
int64_t DrawsAbove(double limit) {
    if (limit < 0)
        return DrawRange;
    return DrawRange - std::min<int64_t>(DrawRange, static_cast<int64_t>(std::floor(limit)) + 1);
}

// The distribution of one side's goals: a goal in each round with `hits` chances out of
// DrawRange squared, binomial over the rounds.
TZnGoalOdds GoalOdds(int64_t hits) {
    const double total = double{DrawRange} * DrawRange;
    const double p = static_cast<double>(hits) / total;
    const double q = static_cast<double>(DrawRange * int64_t{DrawRange} - hits) / total;
    std::array<double, AttackRounds + 1> pPower{1}, qPower{1};
    for (size_t k = 1; k < pPower.size(); ++k) {
        pPower[k] = pPower[k - 1] * p;
        qPower[k] = qPower[k - 1] * q;
    }
    TZnGoalOdds odds{};
    double ways = 1; // the binomial coefficient of k goals
    for (int32_t k = 0; k <= AttackRounds; ++k) {
        odds[static_cast<size_t>(k)] =
            ways * pPower[static_cast<size_t>(k)] * qPower[static_cast<size_t>(AttackRounds - k)];
        ways = ways * (AttackRounds - k) / (k + 1);
    }
    return odds;
}

} // namespace

TZnMatchOdds MatchOdds(int32_t homeAttack, int32_t homeDefense, int32_t awayAttack,
                       int32_t awayDefense) {
    const TZnGoalOdds home =
        GoalOdds(DrawsBelow(homeAttack * HomeFactor) * DrawsAbove(awayDefense));
    const TZnGoalOdds away =
        GoalOdds(DrawsBelow(awayAttack) * DrawsAbove(homeDefense * HomeFactor));
    // Each outcome adds its products in the order (home goals, then away goals), so the sums are
    // the same to the last bit however the loops are laid out.
    TZnMatchOdds odds;
    for (size_t h = 0; h < home.size(); ++h) {
        for (size_t a = 0; a < h; ++a)
            odds.Win += home[h] * away[a];
        odds.Draw += home[h] * away[h];
        for (size_t a = h + 1; a < away.size(); ++a)
            odds.Loss += home[h] * away[a];
    }
    return odds;
}

TZnMatchOdds KickOffOdds(const TZnPlayerMatchRecord& r, bool atHome) {
    if (atHome)
        return MatchOdds(r.MyAttack, r.MyDefense, r.OppAttack, r.OppDefense);
    const TZnMatchOdds home = MatchOdds(r.OppAttack, r.OppDefense, r.MyAttack, r.MyDefense);
    return {home.Loss, home.Draw, home.Win};
}

std::optional<TZnMatchOdds> NextMatchOdds(const TZnLeague& game, int32_t extraBuildUp) {
    if (!game.CanPlayMatchday())
        return std::nullopt;
    const TZnMatch& next = game.Schedule().Matchdays(game.Matchday).Matches(0);
    const TZnClub& me = game.MyClub();
    const int32_t buildUp = Saturate(int64_t{me.BuildUp} + extraBuildUp);
    const int32_t bonus = Saturate(int64_t{game.Coach().Level()} * buildUp);
    const int32_t attack = Saturate(int64_t{me.Attack} + bonus);
    const int32_t defense = Saturate(int64_t{me.Defense} + bonus);
    const bool atHome = next.HomeId == me.ClubId;
    const TZnClub& other = game.Clubs().ClubById(atHome ? next.AwayId : next.HomeId);
    if (atHome)
        return MatchOdds(attack, defense, other.EffectiveAttack(), other.EffectiveDefense());
    const TZnMatchOdds seenFromHome =
        MatchOdds(other.EffectiveAttack(), other.EffectiveDefense(), attack, defense);
    return TZnMatchOdds{seenFromHome.Loss, seenFromHome.Draw, seenFromHome.Win};
}

std::array<int32_t, 3> OddsPercents(const TZnMatchOdds& odds) {
    const std::array<double, 3> exact = {odds.Win * 100, odds.Draw * 100, odds.Loss * 100};
    std::array<int32_t, 3> whole{};
    for (size_t i = 0; i < 3; ++i)
        whole[i] = static_cast<int32_t>(std::floor(exact[i]));
    std::array<size_t, 3> order = {0, 1, 2};
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return exact[a] - whole[a] > exact[b] - whole[b]; });
    const int32_t left = 100 - std::accumulate(whole.begin(), whole.end(), 0);
    for (int32_t i = 0; i < left && i < 3; ++i)
        ++whole[order[static_cast<size_t>(i)]];
    return whole;
}
