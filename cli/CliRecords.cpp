#include "CliRecords.h"

#include <charconv>
#include <ostream>

#include "GameGoalrun.h"
#include "GameLiveMatchday.h"
#include "GameMatchEvents.h"
#include "GameMatchRecord.h"
#include "GameRecords.h"
#include "GameSeasonRecord.h"

namespace {

char RoundMark(TZnRound round) {
    return round == TZnRound::Goal ? 'G' : round == TZnRound::Stopped ? 'x' : '-';
}

int64_t SeasonNumber(int32_t season) {
    return int64_t{season} + 1;
}

// "<matchday>\t<for>-<against>\t<opponent>", or "none".
void PrintResult(std::ostream& out, const char* key, const std::optional<TZnNamedResult>& r) {
    out << key << '=';
    if (r)
        out << r->Line.Matchday << '\t' << r->Line.For << '-' << r->Line.Against << '\t'
            << r->Opponent;
    else
        out << "none";
    out << '\n';
}

void PrintEntry(std::ostream& out, const char* key, const std::optional<TZnRecordEntry>& e,
                int64_t offset = 0) {
    if (e)
        out << key << '=' << e->Value + offset << '\t' << SeasonNumber(e->Season) << '\n';
}

// The matchday `argument` names, the last played when it is empty; 0 when it is no number.
int32_t MatchdayArgument(const TZnGameGoalrun& game, std::string_view argument) {
    int32_t matchday = game.Matchday;
    if (!argument.empty()) {
        const char* end = argument.data() + argument.size();
        const auto parsed = std::from_chars(argument.data(), end, matchday);
        if (parsed.ec != std::errc() || parsed.ptr != end)
            matchday = 0;
    }
    return matchday;
}

void NoPlayedMatchday(const TZnGameGoalrun& game, const char* command, std::string_view argument,
                      std::ostream& err) {
    err << command << ": no played matchday " << (argument.empty() ? "yet" : argument)
        << " (played: " << game.Matchday << ")";
}

const char* TitleStateKey(TZnTitleState state) {
    switch (state) {
    case TZnTitleState::Clinched:
        return "clinched";
    case TZnTitleState::Out:
        return "out";
    case TZnTitleState::Open:
        break;
    }
    return "open";
}

} // namespace

bool PrintLive(const TZnGameGoalrun& game, std::ostream& out, std::ostream& err) {
    const auto live = LastMatchdayReplay(game);
    if (!live) {
        err << (game.Matchday == 0 ? "live: no matchday of this season has been played"
                                   : "live: the game has no rounds of the last matchday played "
                                     "(loaded from a file without its records)");
        return false;
    }
    for (int32_t q = 1; q <= TZnLiveMatchday::Quarters; ++q) {
        out << q << '\t' << live->RankAfter(q, live->MyClubId()) + 1;
        for (const TZnLiveScore& score : live->ScoresAfter(q))
            out << '\t' << score.Home << '-' << score.Away;
        out << '\n';
    }
    return true;
}

bool PrintReport(const TZnGameGoalrun& game, std::string_view argument, std::ostream& out,
                 std::ostream& err) {
    const auto report = MatchdayReport(game, MatchdayArgument(game, argument));
    if (!report) {
        NoPlayedMatchday(game, "report", argument, err);
        return false;
    }
    for (const TZnFixtureReport& f : report->Fixtures) {
        out << f.HomeName << '\t' << f.HomeGoals << " - " << f.AwayGoals << '\t' << f.AwayName
            << '\n';
        if (!f.HasRounds)
            continue;
        for (size_t k = 0; k < f.HomeRounds.size(); ++k)
            out << k + 1 << '\t' << RoundMark(f.HomeRounds[k]) << '\t' << RoundMark(f.AwayRounds[k])
                << '\n';
    }
    return true;
}

bool PrintTimeline(const TZnGameGoalrun& game, std::string_view argument, std::ostream& out,
                   std::ostream& err) {
    const int32_t matchday = MatchdayArgument(game, argument);
    if (!MatchdayReport(game, matchday)) {
        NoPlayedMatchday(game, "timeline", argument, err);
        return false;
    }
    const auto events = MatchdayEvents(game, matchday);
    if (!events) {
        err << "timeline: the game has no rounds of matchday " << matchday
            << " (loaded from a file without its records)";
        return false;
    }
    for (const TZnMatchEvent& e : *events)
        out << e.Fixture + 1 << '\t' << e.Minute << '\t' << (e.Away ? 'A' : 'H') << '\t'
            << (e.Goal ? "goal" : "chance") << '\t' << e.HomeGoals << '-' << e.AwayGoals << '\n';
    return true;
}

void PrintReview(const TZnGameGoalrun& game, std::ostream& out) {
    const TZnSeasonReview r = CurrentSeasonReview(game);
    out << "season=" << SeasonNumber(r.Season) << "\nplayed=" << r.Played << "\nrank=" << r.Rank + 1
        << "\npoints=" << r.Points << "\nwins=" << r.Wins << "\ndraws=" << r.Draws
        << "\nlosses=" << r.Losses << "\ngoals_for=" << r.GoalsFor
        << "\ngoals_against=" << r.GoalsAgainst << '\n';
    if (r.StartKnown)
        out << "money_start=" << r.MoneyStart << "\ninvested=" << r.Invested << '\n';
    out << "bonuses=" << r.Bonuses << "\nprize=" << r.Prize << "\nmoney_now=" << r.MoneyNow << '\n';
    if (r.StartKnown)
        out << "level_start=" << r.LevelStart << '\n';
    out << "level_now=" << r.LevelNow << '\n';
    PrintResult(out, "best_win", r.BestWin);
    PrintResult(out, "worst_defeat", r.WorstDefeat);
    out << "longest_unbeaten=" << r.LongestUnbeaten << "\nlongest_winning=" << r.LongestWinning
        << '\n';
    const TZnTitleDecision race = TitleDecision(game, game.Matchday);
    out << "title_race=" << TitleStateKey(race.State) << "\ntitle_decided=" << race.Decided << '\n';
}

void PrintRecords(const TZnGameGoalrun& game, std::ostream& out) {
    const TZnRecordsBook book = RecordsBook(game);
    out << "seasons=" << book.Seasons << "\ntitles=" << book.Titles << '\n';
    PrintEntry(out, "best_rank", book.BestRank, 1);
    PrintEntry(out, "most_points", book.MostPoints);
    PrintEntry(out, "most_goals", book.MostGoals);
    PrintEntry(out, "fewest_conceded", book.FewestConceded);
    if (book.BiggestWin) {
        const TZnResultLine& line = book.BiggestWin->Result.Line;
        out << "biggest_win=" << SeasonNumber(book.BiggestWin->Season) << '\t' << line.Matchday
            << '\t' << line.For << '-' << line.Against << '\t' << book.BiggestWin->Result.Opponent
            << '\n';
    }
    PrintEntry(out, "longest_unbeaten", book.LongestUnbeaten);
    PrintEntry(out, "highest_money", book.HighestMoney);
}
