#include "GameSeasonRecord.h"

#include <algorithm>
#include <stdexcept>

#include "ConstsGoalrun.h"
#include "GameLeague.h"
#include "GameRankHistory.h"

namespace {

// True when `a` is a better pick than `b` for the best win (or, with for and against exchanged,
// the worst defeat): larger margin, then more goals on the deciding side; the earlier matchday
// keeps ties because candidates come in matchday order.
bool Beats(int32_t marginA, int32_t goalsA, int32_t marginB, int32_t goalsB) {
    return marginA > marginB || (marginA == marginB && goalsA > goalsB);
}

std::optional<TZnNamedResult> Named(const TZnLeague& game,
                                    const std::optional<TZnResultLine>& line) {
    if (!line)
        return std::nullopt;
    return TZnNamedResult{*line, ClubNameByIndex(game, line->OpponentNameIndex)};
}

void CopyDetail(const TZnLeague& game, const TZnSeasonDetail& detail, TZnSeasonReview& review) {
    review.StartKnown = detail.StartKnown;
    review.MoneyStart = detail.MoneyStart;
    review.LevelStart = detail.LevelStart;
    review.Invested = detail.Invested;
    review.ResultsKnown = detail.Known;
    review.BestWin = Named(game, detail.BestWin);
    review.WorstDefeat = Named(game, detail.WorstDefeat);
    review.LongestUnbeaten = detail.LongestUnbeaten;
    review.LongestWinning = detail.LongestWinning;
}

// The standing of the player's club now, or of a completed season's record: the fields both
// name alike.
template <class TStanding>
void CopyStanding(const TStanding& standing, int32_t winBonus, TZnSeasonReview& review) {
    review.Rank = standing.Rank;
    review.Points = standing.Points;
    review.Wins = standing.Wins;
    review.Draws = standing.Draws;
    review.Losses = standing.Losses;
    review.GoalsFor = standing.GoalsFor;
    review.GoalsAgainst = standing.GoalsAgainst;
    review.Bonuses = int64_t{standing.Wins} * winBonus;
}

} // namespace

void SummariseResults(const std::vector<TZnPlayerResult>& results, TZnSeasonDetail& detail) {
    detail.BestWin.reset();
    detail.WorstDefeat.reset();
    detail.LongestUnbeaten = detail.LongestWinning = 0;
    int32_t unbeaten = 0;
    int32_t winning = 0;
    for (size_t i = 0; i < results.size(); ++i) {
        const TZnPlayerResult& r = results[i];
        const TZnResultLine line{static_cast<int32_t>(i) + 1, r.For, r.Against,
                                 r.OpponentNameIndex};
        const auto& best = detail.BestWin;
        if (r.For > r.Against &&
            (!best || Beats(r.For - r.Against, r.For, best->For - best->Against, best->For)))
            detail.BestWin = line;
        const auto& worst = detail.WorstDefeat;
        if (r.For < r.Against && (!worst || Beats(r.Against - r.For, r.Against,
                                                  worst->Against - worst->For, worst->Against)))
            detail.WorstDefeat = line;
        unbeaten = r.For >= r.Against ? unbeaten + 1 : 0;
        winning = r.For > r.Against ? winning + 1 : 0;
        detail.LongestUnbeaten = std::max(detail.LongestUnbeaten, unbeaten);
        detail.LongestWinning = std::max(detail.LongestWinning, winning);
    }
}

std::vector<TZnPlayerResult> PlayerResults(const TZnLeague& game) {
    std::vector<TZnPlayerResult> results;
    results.reserve(static_cast<size_t>(game.Matchday));
    const int32_t me = game.MyClub().ClubId;
    for (int32_t d = 0; d < game.Matchday; ++d) {
        const TZnMatch& m = game.Schedule().Matchdays(d).Matches(0);
        const bool home = m.HomeId == me;
        const int32_t other = home ? m.AwayId : m.HomeId;
        results.push_back({home ? m.HomeGoals : m.AwayGoals, home ? m.AwayGoals : m.HomeGoals,
                           game.Clubs().ClubById(other).NameIndex});
    }
    return results;
}

TZnSeasonDetail CurrentSeasonDetail(const TZnLeague& game) {
    const TZnSeasonLog& log = game.SeasonLog;
    TZnSeasonDetail detail;
    detail.Known = true;
    detail.StartKnown = log.StartKnown;
    if (log.StartKnown) {
        detail.MoneyStart = log.MoneyStart;
        detail.LevelStart = log.LevelStart;
        for (int32_t d = 0; d < game.Matchday; ++d)
            detail.Invested += log.Mine[static_cast<size_t>(d)].BuildUp;
    }
    SummariseResults(PlayerResults(game), detail);
    const auto n = static_cast<size_t>(game.Matchday);
    const bool allRecorded = std::all_of(log.Mine.begin(), log.Mine.begin() + n,
                                         [](const auto& mine) { return mine.Recorded; });
    if (allRecorded) {
        for (size_t d = 0; d < n; ++d)
            detail.Ranks[d] = static_cast<uint8_t>(log.Mine[d].RankAfter);
        return detail;
    }
    // Matchdays played before a load of a file without records: the replayed table knows them.
    for (const TZnRankSeries& series : RankHistory(game))
        if (series.IsMine)
            for (size_t d = 0; d < series.Points.size() && d < detail.Ranks.size(); ++d)
                detail.Ranks[d] = static_cast<uint8_t>(series.Points[d].Rank);
    return detail;
}

TZnSeasonReview CurrentSeasonReview(const TZnLeague& game) {
    const TZnClub& club = game.MyClub();
    TZnSeasonReview review;
    review.Season = game.Season;
    review.Played = game.Matchday;
    CopyStanding(club, game.Setup().Rules().WinBonus, review);
    if (game.Matchday == MatchdayCount)
        review.Prize = PrizeTable.at(static_cast<size_t>(club.Rank));
    review.MoneyNow = game.Coach().Money;
    review.LevelNow = game.Coach().Level();
    const TZnSeasonDetail detail = CurrentSeasonDetail(game);
    CopyDetail(game, detail, review);
    const TZnSeasonLog& log = game.SeasonLog;
    for (size_t d = 0; d < static_cast<size_t>(game.Matchday); ++d) {
        review.Ranks.push_back(detail.Ranks[d]);
        review.Funds.push_back(log.Mine[d].Recorded ? std::optional(log.Mine[d].MoneyAfter)
                                                    : std::nullopt);
    }
    return review;
}

TZnSeasonReview CompletedSeasonReview(const TZnLeague& game, size_t index) {
    const TZnSeasonRecord& record = game.Career.Seasons.at(index);
    const TZnSeasonDetail& detail = game.Career.Details.at(index);
    TZnSeasonReview review;
    review.Season = record.Season;
    review.Played = MatchdayCount;
    CopyStanding(record, game.Setup().Rules().WinBonus, review);
    review.Prize = record.Prize;
    review.MoneyNow = record.Money;
    review.LevelNow = record.Level;
    CopyDetail(game, detail, review);
    if (detail.Known)
        review.Ranks.assign(detail.Ranks.begin(), detail.Ranks.end());
    return review;
}

std::string ClubNameByIndex(const TZnLeague& game, int32_t nameIndex) {
    for (int32_t p = 0; p < game.Clubs().Count(); ++p)
        if (game.Clubs().Items(p).NameIndex == nameIndex)
            return game.Clubs().Items(p).Name;
    return {};
}
