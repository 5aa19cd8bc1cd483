#pragma once

// The game's values worded in the window's language (WindowLanguage()).

#include <cstdint>

#include <QString>

struct TZnWording;

// The wording of the window's language; Japanese for a language without one.
[[nodiscard]] const TZnWording& WindowWording();
// An amount of 万円 as the player reads it, with its currency: "1億2000万円", "¥120,000,000".
// Amounts beyond the money text's range are shown at its largest.
[[nodiscard]] QString WindowMoney(int64_t amount);
// The game's name, the window's title.
[[nodiscard]] QString WindowTitle();
