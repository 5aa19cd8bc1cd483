// Speed of the engine: one matchday, one season, a save and load of one image, and the floor
// every season stands on: the generator draws and table sorts a season needs. A bare loop of a
// season's rules is the mark for a season through goalrun-cli (CliSeasonBench.cpp). Also the exact
// odds of the next match, the three prices of a win chance, and a save and load with the longest
// career; the views of the records: a matchday's report, a season's review and the records book
// of the longest career; a matchday's autosave, written to disk.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "ConstsGoalrun.h"
#include "GameAutosave.h"
#include "GameGoalrun.h"
#include "GameMatchRecord.h"
#include "GameOdds.h"
#include "GamePrice.h"
#include "GameRecords.h"
#include "GameSeasonRecord.h"
#include "ZnMatchListList.h"
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

// The seasons of BM_CliSeason as a bare loop of the rules: the matches, the table, the funds and
// the next season's draw, without messages, career or the game's checks.
void BM_SeasonBare(benchmark::State& state) {
    TZnRandom random(1);
    TZnClubList clubs;
    clubs.InitClubs();
    TZnMatchListList schedule;
    TZnClub& mine = clubs.Items(ClubCount - 1);
    schedule.PutClubFirst(mine.ClubId);
    int64_t money = StartingMoney;
    for (auto _ : state) {
        for (int32_t d = 0; d < MatchdayCount; ++d) {
            const auto byId = clubs.ClubsById();
            TZnMatchList& day = schedule.Matchdays(d);
            for (int32_t j = 0; j < day.Count(); ++j) {
                TZnMatch& match = day.Matches(j);
                TZnClub& home = *byId[static_cast<size_t>(match.HomeId)];
                TZnClub& away = *byId[static_cast<size_t>(match.AwayId)];
                SimulateMatch(match, home, away, random);
                home.RecordMatch(match.HomeGoals, match.AwayGoals);
                away.RecordMatch(match.AwayGoals, match.HomeGoals);
                match.Played = true;
            }
            clubs.SortByStanding();
            if (day.Matches(0).ResultFor(mine.ClubId) == mrWin)
                money += WinBonus;
        }
        money += PrizeTable[static_cast<size_t>(mine.Rank)];
        clubs.ResetRecords();
        clubs.StorePrevRanks();
        clubs.ShuffleIds(random);
        clubs.SortByStanding();
        schedule.PutClubFirst(mine.ClubId);
        schedule.ResetResults();
    }
    benchmark::DoNotOptimize(money);
}
BENCHMARK(BM_SeasonBare);
// 3000 seasons in one go, the mark of bench/cli_seasons.sh.
BENCHMARK(BM_SeasonBare)->Iterations(3000);

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
// The longest career, every season with its detail, and the current season at matchday 12. Each
// season follows from the one before as the rules allow (ten wins: three levels), so that a load
// keeps them all.
void PlayLongestCareer(TZnGameGoalrun& game) {
    // Every season begins and ends with these funds, which hold any prize, investing its bonuses
    // and its prize: each begins where the one before ended, the current one too.
    const int32_t funds = StartingMoney + PrizeTable[0];
    game.NewGame();
    game.Coach().Money = funds;
    game.Coach().Experience = 300000; // the experience the career below leaves
    game.SeasonLog.Start(game.Coach().Money, game.Coach().Level());
    for (int i = 0; i < 12; ++i)
        game.PlayMatchday();
    TZnSeasonDetail detail = CurrentSeasonDetail(game);
    for (int32_t s = 0; s < static_cast<int32_t>(CareerCapacity); ++s) {
        const int32_t rank = s % 16;
        const int32_t prize = PrizeTable.at(size_t(rank));
        game.Career.Append({s, rank, 40, 10, 10, 10, 30, 30, prize, funds, 4 + 3 * s, rank == 0});
        detail.MoneyStart = funds;
        detail.LevelStart = 1 + 3 * s;
        detail.Invested = 10 * WinBonus + prize;
        detail.Ranks.back() = static_cast<uint8_t>(rank);
        detail.LongestUnbeaten = 20;
        detail.LongestWinning = 10;
        detail.BestWin = TZnResultLine{3, 4, 1, 5};
        detail.WorstDefeat = TZnResultLine{7, 0, 2, 6};
        game.Career.Details.back() = detail;
    }
    game.Season = static_cast<int32_t>(CareerCapacity);
}

void BM_SaveAndLoadLongestCareer(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    PlayLongestCareer(game);
    size_t bytes = 0;
    for (auto _ : state) {
        TZnWriteStream stream;
        game.SaveToStream(stream);
        game.LoadFromStream(stream.Bytes);
        benchmark::DoNotOptimize(stream.Bytes.data());
        bytes = stream.Bytes.size();
    }
    state.SetLabel(std::to_string(game.Career.Details.size()) + " seasons with details, " +
                   std::to_string(bytes) + " bytes");
}
BENCHMARK(BM_SaveAndLoadLongestCareer)->Unit(benchmark::kMillisecond);

void BM_MatchdayReport(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (int i = 0; i < 12; ++i)
        game.PlayMatchday();
    for (auto _ : state)
        benchmark::DoNotOptimize(MatchdayReport(game, 12));
}
BENCHMARK(BM_MatchdayReport)->Unit(benchmark::kMicrosecond);

// The current season's review after a load of a file without records, which replays the table
// for the ranks: the slowest review.
void BM_SeasonReview(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (int i = 0; i < 29; ++i)
        game.PlayMatchday();
    game.SeasonLog.Clear();
    for (auto _ : state)
        benchmark::DoNotOptimize(CurrentSeasonReview(game));
}
BENCHMARK(BM_SeasonReview)->Unit(benchmark::kMicrosecond);

void BM_RecordsBookLongestCareer(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    PlayLongestCareer(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordsBook(game));
}
BENCHMARK(BM_RecordsBookLongestCareer)->Unit(benchmark::kMillisecond);

// What the window does after a matchday: the game's image taken and written as the newest of
// the rotating autosaves, flushed to disk, the older ones moved down. In a fresh folder in the
// working folder, so that the disk is a real one (a temporary folder may live in memory); wall
// time, since flushing waits on the disk. Aim: under 10 ms.
void BM_MatchdayAutosave(benchmark::State& state) {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    for (int i = 0; i < 12; ++i)
        game.PlayMatchday();
    char name[] = "autosave-bench-XXXXXX";
    if (::mkdtemp(name) == nullptr) {
        state.SkipWithError("cannot make a folder in the working folder");
        return;
    }
    const TZnAutosaveFolder folder(std::filesystem::absolute(name).string());
    for (auto _ : state) {
        TZnWriteStream stream;
        game.SaveToStream(stream);
        folder.Write(stream.Bytes);
    }
    std::filesystem::remove_all(name);
}
BENCHMARK(BM_MatchdayAutosave)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
