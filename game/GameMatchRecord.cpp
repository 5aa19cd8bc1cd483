#include "GameMatchRecord.h"

#include "GameLeague.h"
#include "ZnSaturate.h"

TZnPlayerMatchRecord KickOffRecord(const TZnLeague& game, const TZnClub& home,
                                   const TZnClub& away) {
    const bool atHome = &home == &game.MyClub();
    const TZnClub& me = atHome ? home : away;
    const TZnClub& other = atHome ? away : home;
    TZnPlayerMatchRecord record;
    record.Recorded = true;
    record.BuildUp = me.BuildUp;
    record.Level = game.Coach().Level();
    const int32_t added = Saturate(int64_t{record.Level} * me.BuildUp);
    record.MyAttack = Saturate(int64_t{me.Attack} + added);
    record.MyDefense = Saturate(int64_t{me.Defense} + added);
    record.OppAttack = other.EffectiveAttack();
    record.OppDefense = other.EffectiveDefense();
    record.RankBefore = me.Rank;
    return record;
}

namespace {

TZnFixtureReport FixtureReport(const TZnLeague& game, const TZnMatch& match, uint32_t bits) {
    TZnFixtureReport report;
    report.HomeId = match.HomeId;
    report.AwayId = match.AwayId;
    report.HomeName = game.Clubs().ClubById(match.HomeId).Name;
    report.AwayName = game.Clubs().ClubById(match.AwayId).Name;
    report.HomeGoals = match.HomeGoals;
    report.AwayGoals = match.AwayGoals;
    report.HasRounds = (bits & FixtureRounds::RecordedBit) != 0;
    if (!report.HasRounds)
        return report;
    for (int32_t k = 0; k < AttackRounds; ++k) {
        const auto home = FixtureRounds::At(bits, false, k);
        const auto away = FixtureRounds::At(bits, true, k);
        report.HomeRounds[static_cast<size_t>(k)] = home;
        report.AwayRounds[static_cast<size_t>(k)] = away;
        report.HomeChances += home != TZnRound::NoChance ? 1 : 0;
        report.AwayChances += away != TZnRound::NoChance ? 1 : 0;
    }
    return report;
}

TZnPlayerMatchReport PlayerReport(const TZnLeague& game, const TZnMatch& match,
                                  const TZnPlayerMatchRecord& r) {
    TZnPlayerMatchReport report;
    report.AtHome = match.HomeId == game.MyClub().ClubId;
    report.BuildUp = r.BuildUp;
    report.Level = r.Level;
    report.Added = Saturate(int64_t{r.Level} * r.BuildUp);
    report.MyAttack = r.MyAttack;
    report.MyDefense = r.MyDefense;
    report.OppAttack = r.OppAttack;
    report.OppDefense = r.OppDefense;
    report.Odds = KickOffOdds(r, report.AtHome);
    report.Result = match.ResultFor(game.MyClub().ClubId);
    report.Bonus = report.Result == mrWin ? game.Setup().Rules().WinBonus : 0;
    report.Experience = report.Result == mrWin ? WinExperience : 0;
    report.RankBefore = r.RankBefore;
    report.RankAfter = r.RankAfter;
    report.MoneyAfter = r.MoneyAfter;
    return report;
}

} // namespace

std::optional<TZnMatchdayReport> MatchdayReport(const TZnLeague& game, int32_t matchday) {
    if (matchday < 1 || matchday > game.Matchday)
        return std::nullopt;
    const auto d = static_cast<size_t>(matchday - 1);
    const TZnMatchList& day = game.Schedule().Matchdays(matchday - 1);
    TZnMatchdayReport report;
    report.Matchday = matchday;
    for (int32_t j = 0; j < day.Count(); ++j)
        report.Fixtures.push_back(
            FixtureReport(game, day.Matches(j), game.SeasonLog.Rounds[d][static_cast<size_t>(j)]));
    const TZnPlayerMatchRecord& mine = game.SeasonLog.Mine[d];
    if (mine.Recorded)
        report.Mine = PlayerReport(game, day.Matches(0), mine);
    return report;
}
