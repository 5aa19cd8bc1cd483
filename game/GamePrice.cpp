#include "GamePrice.h"

#include <algorithm>
#include <cmath>

#include "ConstsGoalrun.h"
#include "GameLeague.h"
#include "GameOdds.h"

namespace {

// Whether a win chance is at least `percent`%. fma forms chance x 100 - percent exactly before
// its one rounding, and a rounding never changes the sign, so the chance the odds give is
// compared with percent / 100 without an error of its own at the threshold.
bool Reaches(double chance, int32_t percent) {
    return std::fma(chance, 100.0, -percent) >= 0;
}

// The largest amount worth trying: the coach's funds, and no more than lifts the club's attack
// and defense to the draw range, beyond which every draw already goes the club's way and more
// money changes no odds. With a level below 1 an investment adds nothing (or takes away).
int32_t LargestUsefulAmount(const TZnLeague& game) {
    const int64_t level = game.Coach().Level();
    const TZnClub& club = game.MyClub();
    if (level < 1 || game.Coach().Money <= 0)
        return 0;
    const int64_t missing = int64_t{DrawRange} - std::min(club.Attack, club.Defense);
    const int64_t buildUp = (std::max<int64_t>(missing, 0) + level - 1) / level;
    return static_cast<int32_t>(std::clamp<int64_t>(buildUp - club.BuildUp, 0, game.Coach().Money));
}

} // namespace

std::optional<int32_t> WinPrice(const TZnLeague& game, int32_t percent) {
    const auto reaches = [&](int32_t amount) {
        return Reaches(NextMatchOdds(game, amount).value().Win, percent);
    };
    if (!game.CanPlayMatchday())
        return std::nullopt;
    if (reaches(0))
        return 0;
    // The win chance never falls as the amount grows (the strengths only rise, so the club's
    // goals only grow likelier and the other side's less likely), so halving the interval
    // between an amount that falls short and one that reaches finds the smallest that reaches.
    int32_t low = 0; // falls short
    int32_t high = LargestUsefulAmount(game);
    if (high == 0 || !reaches(high))
        return std::nullopt;
    while (high - low > 1) {
        const int32_t middle = low + (high - low) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    return high;
}
