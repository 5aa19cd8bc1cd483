// A season through the command driver of goalrun-cli, to stand beside the bare loop of the same
// rules (BM_SeasonBare): the driver and the game around the rules should cost little.

#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "CliDriver.h"

namespace {

// A season of goalrun-cli in a script: the lines "play 30" and "next" through its driver.
void BM_CliSeason(benchmark::State& state) {
    struct : std::streambuf {
    } discard;
    std::ostream out(&discard);
    TZnGameGoalrun game(KeepSeedSource());
    game.Random.Seed = 1;
    TZnCliDriver driver(game);
    game.NewGame();
    for (auto _ : state) {
        driver.Execute("play 30", out, out);
        driver.Execute("next", out, out);
    }
    if (game.Finished) // a won title stops the seasons
        state.SkipWithError("the title ended the seasons");
}
BENCHMARK(BM_CliSeason);

} // namespace
