// A running game allocates nothing a matchday: counted by replacing the allocation functions of
// this program, which is why these tests are a program of their own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "GameGoalrun.h"
#include "ZnMessageLog.h"

namespace {

size_t Allocations = 0;

} // namespace

void* operator new(size_t size) {
    ++Allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}

// Names of several lengths, every one too long to live inside its string, and a log that keeps
// the messages, as goalrun-cli's does: after a few seasons a matchday, an investment and the start
// of a season allocate nothing. The 30th matchday keeps the season's record and detail.
TEST(Allocations, NoMatchdayAllocatesOnceTheGameRuns) {
    TZnGameGoalrun game(KeepSeedSource());
    for (int i = 0; i < 16; ++i)
        game.TeamNames.push_back(std::string(16 + 3 * i, static_cast<char>('a' + i)));
    TZnMessageList log;
    game.SetMessageLog(&log);
    game.Random.Seed = 1;
    game.NewGame();
    for (int season = 0; season < 8; ++season) {
        const bool warm = season >= 3;
        while (game.Matchday < MatchdayCount - 1) {
            const size_t before = Allocations;
            game.InvestBuildUp("10");
            game.PlayMatchday();
            const size_t allocated = Allocations - before;
            if (warm) {
                EXPECT_EQ(allocated, 0u) << "season " << season << ", matchday " << game.Matchday;
            }
        }
        game.PlayMatchday();
        ASSERT_TRUE(game.CanNextSeason());
        const size_t before = Allocations;
        game.NextSeason();
        const size_t allocated = Allocations - before;
        if (warm) {
            EXPECT_EQ(allocated, 0u) << "the start of season " << season + 1;
        }
    }
    EXPECT_GT(Allocations, 0u) << "the counting allocation functions are not the ones called";
}
