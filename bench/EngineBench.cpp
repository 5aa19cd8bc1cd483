// Speed of the engine: one matchday, one season, a save and load of one image, and the floor
// every season stands on: the generator draws and table sorts a season needs. Also the exact
// odds of the next match, the three prices of a win chance, and a save and load with the longest
// career.

#include <benchmark/benchmark.h>

#include "GameGoalrun.h"
#include "GameOdds.h"
#include "GamePrice.h"
#include "ZnStream.h"

namespace {

void BM_Matchday(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (auto _ : state) {
        if (game.Matchday == 30) {
            state.PauseTiming();
            game.NewGame();
            state.ResumeTiming();
        }
        game.PlayMatchday();
    }
}
BENCHMARK(BM_Matchday);

void BM_Season(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.Random.Seed = 7;
    game.NewGame();
    for (auto _ : state) {
        while (game.CanPlayMatchday())
            game.PlayMatchday();
        if (game.Finished) {
            state.PauseTiming();
            game.NewGame();
            state.ResumeTiming();
            continue;
        }
        game.NextSeason();
    }
}
BENCHMARK(BM_Season);

void BM_SaveAndLoad(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (int i = 0; i < 12; ++i)
        game.PlayMatchday();
    for (auto _ : state) {
        TZnWriteStream stream;
        game.SaveToStream(stream);
        game.LoadFromStream(stream.Bytes);
        benchmark::DoNotOptimize(stream.Bytes.data());
    }
}
BENCHMARK(BM_SaveAndLoad);

// The floor of a season: 5000 draws (a season takes about 4,000 to 6,000) and 30 sorts of
// sixteen clubs.
void BM_SeasonFloor(benchmark::State& state) {
    TZnRandom random(1);
    TZnClubList clubs;
    clubs.InitClubs();
    for (auto _ : state) {
        int64_t sum = 0;
        for (int i = 0; i < 5000; ++i)
            sum += random.Below(10000);
        for (int day = 0; day < 30; ++day) {
            clubs.Items(day % 16).Points += static_cast<int32_t>(sum & 3);
            clubs.SortByStanding();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SeasonFloor);

void BM_NextMatchOdds(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    int32_t extra = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NextMatchOdds(game, extra));
        extra = (extra + 37) % 20000; // as when the player types
    }
}
BENCHMARK(BM_NextMatchOdds);

// The three prices the window shows, with funds so large that only the strengths bound the
// search.
void BM_WinPrices(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    game.Coach().Money = 2000000000;
    for (auto _ : state)
        for (int32_t percent : PriceChances)
            benchmark::DoNotOptimize(WinPrice(game, percent));
}
BENCHMARK(BM_WinPrices);

void BM_SaveAndLoadLongestCareer(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (int32_t s = 0; s < static_cast<int32_t>(CareerCapacity); ++s)
        game.Career.Append({s, s % 16, 40, 10, 10, 10, 30, 30, 10240, 5000, 2, s % 16 == 0});
    for (auto _ : state) {
        TZnWriteStream stream;
        game.SaveToStream(stream);
        game.LoadFromStream(stream.Bytes);
        benchmark::DoNotOptimize(stream.Bytes.data());
    }
    state.SetLabel(std::to_string(game.Career.Seasons.size()) + " seasons");
}
BENCHMARK(BM_SaveAndLoadLongestCareer)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
