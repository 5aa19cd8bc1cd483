#include "GameRecords.h"

#include "GameLeague.h"

namespace {

// Keeps the first season with the highest `value` (the lowest with `lowest`).
void Keep(std::optional<TZnRecordEntry>& entry, int64_t value, int32_t season,
          bool lowest = false) {
    if (!entry || (lowest ? value < entry->Value : value > entry->Value))
        entry = TZnRecordEntry{value, season};
}

} // namespace

TZnRecordsBook RecordsBook(const TZnLeague& game) {
    const TZnCareer& career = game.Career;
    TZnRecordsBook book;
    book.Seasons = static_cast<int32_t>(career.Seasons.size());
    std::optional<TZnResultLine> biggest;
    int32_t biggestSeason = 0;
    for (size_t i = 0; i < career.Seasons.size(); ++i) {
        const TZnSeasonRecord& r = career.Seasons[i];
        book.Titles += r.Title ? 1 : 0;
        Keep(book.BestRank, r.Rank, r.Season, true);
        Keep(book.MostPoints, r.Points, r.Season);
        Keep(book.MostGoals, r.GoalsFor, r.Season);
        Keep(book.FewestConceded, r.GoalsAgainst, r.Season, true);
        Keep(book.HighestMoney, r.Money, r.Season);
        const TZnSeasonDetail& d = career.Details[i];
        if (!d.Known)
            continue;
        Keep(book.LongestUnbeaten, d.LongestUnbeaten, r.Season);
        // Within a season the stored best win already is the earliest of its equals.
        const auto& w = d.BestWin;
        if (w &&
            (!biggest || w->For - w->Against > biggest->For - biggest->Against ||
             (w->For - w->Against == biggest->For - biggest->Against && w->For > biggest->For))) {
            biggest = w;
            biggestSeason = r.Season;
        }
    }
    if (biggest)
        book.BiggestWin = TZnBiggestWin{
            biggestSeason, {*biggest, ClubNameByIndex(game, biggest->OpponentNameIndex)}};
    return book;
}
