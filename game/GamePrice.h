#pragma once

#include <array>
#include <cstdint>
#include <optional>

class TZnLeague;

// The win chances, in whole percent, whose price the window and `goalrun-cli price` show.
inline constexpr std::array<int32_t, 3> PriceChances = {50, 70, 90};

// The price of a win chance: the smallest whole amount of 万円, within the coach's funds, that
// added to what is already invested makes the exact win chance of the player's next match
// (NextMatchOdds) at least `percent`% (1..99). 0 when the chance is reached without a further
// investment; nothing when no amount up to the funds reaches it, or when no match is next.
std::optional<int32_t> WinPrice(const TZnLeague& game, int32_t percent);
