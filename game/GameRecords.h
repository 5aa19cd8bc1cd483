#pragma once

// The records book: the career's records across its completed seasons, each with the season it
// belongs to (the earliest among equals). Data only; the front ends word it.

#include <cstdint>
#include <optional>
#include <string>

#include "GameSeasonRecord.h"

class TZnLeague;

// A record value and the season (0-based) that set it first.
struct TZnRecordEntry {
    int64_t Value = 0;
    int32_t Season = 0;
};

// The biggest win: the largest margin, then the most goals scored, then the earliest season and
// matchday.
struct TZnBiggestWin {
    int32_t Season = 0;
    TZnNamedResult Result;
};

struct TZnRecordsBook {
    int32_t Seasons = 0; // completed seasons kept
    int32_t Titles = 0;
    // Empty when no season is kept.
    std::optional<TZnRecordEntry> BestRank; // 0-based
    std::optional<TZnRecordEntry> MostPoints;
    std::optional<TZnRecordEntry> MostGoals;
    std::optional<TZnRecordEntry> FewestConceded;
    std::optional<TZnRecordEntry> HighestMoney; // funds at a season's end, the prize included
    // From the seasons that have their detail (GameSeasonRecord.h): empty when none has, and the
    // biggest win also when none of them has a win.
    std::optional<TZnBiggestWin> BiggestWin;
    std::optional<TZnRecordEntry> LongestUnbeaten;
};

// One pass over the career.
TZnRecordsBook RecordsBook(const TZnLeague& game);
