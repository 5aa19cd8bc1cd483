#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TZnClubList;
class TZnLeague;

// Where a club stood after one played matchday.
struct TZnRankPoint {
    int32_t Rank; // 0-based
    int32_t Points;
};

// One club's course through the current season.
struct TZnRankSeries {
    int32_t NameIndex;
    std::string Name;
    bool IsMine;                      // the player's club
    std::vector<TZnRankPoint> Points; // one per played matchday, matchday 1 first
};

// The rank of every club after each played matchday of the current season, rebuilt from the
// fixture results in the game state with the table's own ordering (points, goal difference,
// goals scored, previous season's rank). Needs nothing beyond what a save file holds, so a
// loaded game has the same history. Series stand in the current table order.
std::vector<TZnRankSeries> RankHistory(const TZnLeague& game);

// A league of the game's clubs (ids, previous ranks, name lines) with the season records at zero,
// for rebuilding the table of any moment of the season.
void StartReplayLeague(const TZnLeague& game, TZnClubList& league);
// Adds the played fixtures of matchday `day` (0-based) to the records of `league`.
void RecordReplayMatchday(const TZnLeague& game, int32_t day, TZnClubList& league);
