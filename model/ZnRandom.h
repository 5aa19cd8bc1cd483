#pragma once

#include <cstdint>
#include <functional>

// The one pseudo-random generator of the game: a linear congruential generator
// (seed := seed * 134775813 + 1 mod 2^32). A draw below n is the high 32 bits of the
// 64-bit product of the new seed and n.
class TZnRandom {
public:
    // Answers the seed for a reseed, given the current one.
    using TZnSeedSource = std::function<uint32_t(uint32_t current)>;

    explicit TZnRandom(uint32_t seed = 0) : Seed(seed) {}

    uint32_t Seed;

    // A uniform draw in 0 .. n - 1 (n > 0).
    int32_t Below(int32_t n) {
        Seed = Seed * 134775813u + 1u;
        return static_cast<int32_t>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
    }
};

// The default seed source: a nanosecond clock mixed with a process-wide counter, so two
// reseeds never give the same seed even within one clock tick.
TZnRandom::TZnSeedSource ClockSeedSource();

// A seed source that keeps the current seed: every run from a given start seed is reproducible.
TZnRandom::TZnSeedSource KeepSeedSource();
