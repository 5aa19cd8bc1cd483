#pragma once

// The game's values worded in the window's language (WindowLanguage()).

#include <cstdint>

#include <QString>

// An amount of 万円 as the player reads it, with its currency: "1億2000万円", "¥120,000,000".
[[nodiscard]] QString WindowMoney(int64_t amount);
// The game's name, the window's title.
[[nodiscard]] QString WindowTitle();
