#pragma once

// The game's values worded in the window's language (WindowLanguage()).

#include <cstdint>

#include <QString>

class QAction;

struct TZnWording;

// The wording of the window's language; Japanese for a language without one.
[[nodiscard]] const TZnWording& WindowWording();
// An amount of 万円 as the player reads it, with its currency: "1億2000万円", "¥120,000,000".
// Amounts beyond the money text's range are shown at its largest.
[[nodiscard]] QString WindowMoney(int64_t amount);
// "試合開始 (F5)": a command's caption without its mnemonics and closing "...", and its key when
// it has one: the tool tip of its controls.
[[nodiscard]] QString CommandToolTip(const QAction& action);
// The game's name, the window's title.
[[nodiscard]] QString WindowTitle();
