#pragma once

// The texts the player reads in the views (table, fixtures, prizes, club panel), made here once
// so that the window and the CLI show the same thing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TZnClub;
class TZnGameGoalrun;
class TZnMatch;

inline constexpr int32_t RankTableColumnCount = 10;
inline constexpr int32_t MatchesColumnCount = 3;
inline constexpr int32_t MyClubRowCount = 11;

// The cell of the league table column `tag`: 0 name, 1 rank (1-based), 2 points, 3 played,
// 4 wins, 5 draws, 6 losses, 7 goals for, 8 goals against, 9 goal difference. No text for an
// unknown tag.
std::optional<std::string> RankTableCell(const TZnClub& club, int32_t tag);

// The cell of the fixtures column `tag`: 0 home name, 1 the score "%d - %d" once played or "-",
// 2 away name. Clubs are looked up by id.
std::optional<std::string> FixtureCell(const TZnGameGoalrun& game, const TZnMatch& match,
                                       int32_t tag);

// "8億1920万円" for rank 0 and so on down to "1万円".
std::string PrizeText(int32_t rank);

inline constexpr std::array<std::string_view, MyClubRowCount> MyClubRowCaptions = {
    "担当チーム", "前節結果",   "前節勝敗",   "今節",     "今節予想", "今節強化費",
    "-",          "監督レベル", "監督経験値", "監督資金", "シーズン"};

// The values of the club panel's rows, in the order of MyClubRowCaptions.
std::array<std::string, MyClubRowCount> MyClubValues(const TZnGameGoalrun& game);
