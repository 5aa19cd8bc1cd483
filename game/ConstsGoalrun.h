#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "GoalrunVersion.h"

inline constexpr std::string_view MakerName = "Vomera";

// Prize in 万円 by zero-based final rank. The amounts halve down to rank 15; the last place
// gets 1, not 2.
inline constexpr std::array<int32_t, 16> PrizeTable = {
    81920, 40960, 20480, 10240, 5120, 2560, 1280, 640, 320, 160, 80, 40, 20, 10, 5, 1};

inline constexpr int32_t WinBonus = 100;
inline constexpr int32_t WinExperience = 3;
inline constexpr int32_t AttackRounds = 6;
inline constexpr int32_t DrawRange = 10000;
inline constexpr double HomeFactor = 1.1;
