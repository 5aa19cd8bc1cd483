#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Game numbers are 32-bit. A crafted save file can hold values whose sums or products leave that
// range; computing in 64 bits and clamping keeps such games playable without undefined behaviour.
// With the values of real play the results equal the plain 32-bit ones.
inline int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Whether `value` lies within low..high, both included: the check of every number read from a
// file.
inline bool InRange(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
}
