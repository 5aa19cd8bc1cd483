#include "ZnRandom.h"

#include <atomic>
#include <chrono>

TZnRandom::TZnSeedSource ClockSeedSource() {
    return [](uint32_t) {
        static std::atomic<uint64_t> counter{0};
        const auto ns =
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count() +
                                  std::chrono::system_clock::now().time_since_epoch().count());
        // splitmix64 finaliser: spreads clock and counter over all 32 bits.
        uint64_t z = ns + 0x9E3779B97F4A7C15ull * (++counter);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<uint32_t>(z ^ (z >> 32));
    };
}

TZnRandom::TZnSeedSource KeepSeedSource() {
    return [](uint32_t current) { return current; };
}
