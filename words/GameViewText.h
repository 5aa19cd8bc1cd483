#pragma once

// The texts the player reads in the views (table, fixtures, prizes, club panel), worded here once
// for any language so that the window and the CLI show the same thing. Rows and columns have names:
// a new one is an enumerator plus its line in the one function that fills it; the front ends show
// whatever the function returns, in its order.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ZnWording.h"

class TZnClub;
class TZnGameGoalrun;
class TZnMatch;

// The league table's columns; a column's value is its position in RankTableRow.
enum class TZnRankColumn : int32_t {
    Name,
    Rank,
    Points,
    Played,
    Wins,
    Draws,
    Losses,
    GoalsFor,
    GoalsAgainst,
    GoalDifference,
};

// The fixtures' columns; a column's value is its position in FixtureRow.
enum class TZnFixtureColumn : int32_t { Home, Score, Away };

// The club panel's rows; a row's value is its position in MyClubRows.
enum class TZnMyClubRow : int32_t {
    Club,
    LastResult,
    LastOutcome,
    Next,
    Prediction,
    BuildUp,
    Separator,
    Level,
    Experience,
    Money,
    Season,
    Odds, // the exact chances of the next match, beside the rough prediction
};

// One named cell of a view: the row or column it belongs to, that row's or column's caption
// and the text shown.
template <class TId> struct TZnViewText {
    TId Id;
    std::string_view Caption;
    std::string Value;
};

// The position of `id` in the rows of its view.
template <class TId> constexpr size_t ViewIndex(TId id) {
    return static_cast<size_t>(id);
}

// A club's line of the league table, one cell per TZnRankColumn in order; the rank is 1-based.
std::vector<TZnViewText<TZnRankColumn>> RankTableRow(const TZnWording& wording,
                                                     const TZnClub& club);
// The text of one cell of that line, for a view that asks cell by cell.
std::string RankTableCell(const TZnClub& club, TZnRankColumn column);

// A fixture's line, one cell per TZnFixtureColumn in order: the score "%d - %d" once played,
// "-" before. Clubs are looked up by id.
std::vector<TZnViewText<TZnFixtureColumn>>
FixtureRow(const TZnWording& wording, const TZnGameGoalrun& game, const TZnMatch& match);

// The club panel, one row per TZnMyClubRow in order.
std::vector<TZnViewText<TZnMyClubRow>> MyClubRows(const TZnWording& wording,
                                                  const TZnGameGoalrun& game);

// "8億1920万円" for rank 0 and so on down to "1万円" in Japanese.
std::string PrizeText(const TZnWording& wording, int32_t rank);

// A played match as the club panel's last result words it ("第12節 A 3 - 1 B"); the window
// measures the panel's width with it.
std::string MatchdayResultText(const TZnWording& wording, int32_t matchday, std::string_view home,
                               int32_t homeGoals, int32_t awayGoals, std::string_view away);
