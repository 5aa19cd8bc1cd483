#include "GameLiveMatchday.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "GameLeague.h"
#include "GameRankHistory.h"
#include "ZnSaturate.h"

TZnLiveMatchday::TZnLiveMatchday(std::vector<TZnClub> before, std::vector<TZnLiveFixture> fixtures,
                                 int32_t matchday, int32_t myClubId)
    : FBefore(std::move(before)), FFixtures(std::move(fixtures)), FMatchday(matchday),
      FMyClubId(myClubId) {
    for (auto& club : FBefore)
        club.Coach = nullptr; // only the records count here; no link may outlive the game
}

TZnRound TZnLiveMatchday::RoundAt(int32_t fixture, bool away, int32_t quarter) const {
    if (quarter < 1 || quarter > Quarters)
        throw std::out_of_range("quarter outside 1..6");
    return FixtureRounds::At(FFixtures.at(static_cast<size_t>(fixture)).Rounds, away, quarter - 1);
}

std::vector<TZnLiveScore> TZnLiveMatchday::ScoresAfter(int32_t quarter) const {
    if (quarter < 0 || quarter > Quarters)
        throw std::out_of_range("quarter outside 0..6");
    std::vector<TZnLiveScore> scores(FFixtures.size());
    for (size_t j = 0; j < FFixtures.size(); ++j) {
        for (int32_t k = 0; k < quarter; ++k) {
            scores[j].Home += FixtureRounds::At(FFixtures[j].Rounds, false, k) == TZnRound::Goal;
            scores[j].Away += FixtureRounds::At(FFixtures[j].Rounds, true, k) == TZnRound::Goal;
        }
    }
    return scores;
}

std::vector<TZnClub> TZnLiveMatchday::TableAfter(int32_t quarter) const {
    std::vector<TZnClub> clubs = FBefore;
    if (quarter > 0) {
        const auto scores = ScoresAfter(quarter);
        const auto byId = [&clubs](int32_t id) -> TZnClub& {
            const auto it = std::find_if(clubs.begin(), clubs.end(),
                                         [id](const TZnClub& c) { return c.ClubId == id; });
            if (it == clubs.end())
                throw std::out_of_range("a fixture names a club the league does not hold");
            return *it;
        };
        for (size_t j = 0; j < FFixtures.size(); ++j) {
            byId(FFixtures[j].HomeId).RecordMatch(scores[j].Home, scores[j].Away);
            byId(FFixtures[j].AwayId).RecordMatch(scores[j].Away, scores[j].Home);
        }
    }
    std::sort(clubs.begin(), clubs.end(),
              [](const TZnClub& a, const TZnClub& b) { return a.CompareStanding(b) < 0; });
    for (size_t p = 0; p < clubs.size(); ++p)
        clubs[p].Rank = static_cast<int32_t>(p);
    return clubs;
}

int32_t TZnLiveMatchday::RankAfter(int32_t quarter, int32_t clubId) const {
    const auto rows = TableAfter(quarter);
    for (size_t p = 0; p < rows.size(); ++p)
        if (rows[p].ClubId == clubId)
            return static_cast<int32_t>(p);
    return -1;
}

TZnTitleRace TZnLiveMatchday::TitleRaceAfter(int32_t quarter) const {
    const auto rows = TableAfter(quarter);
    TZnTitleRace race;
    if (rows.empty())
        return race;
    const auto mine = std::find_if(rows.begin(), rows.end(),
                                   [this](const TZnClub& r) { return r.ClubId == FMyClubId; });
    if (mine == rows.end())
        return race;
    const int64_t left = std::max(0, MatchdayCount - FMatchday);
    race.GapToFirst = Saturate(int64_t{rows.front().Points} - mine->Points);
    // With no match left, points level with the first are not enough: the table's order decides.
    race.Possible = mine == rows.begin() ||
                    (left > 0 && int64_t{mine->Points} + 3 * left >= rows.front().Points);
    return race;
}

std::optional<TZnLiveMatchday> LastMatchdayReplay(const TZnLeague& game) {
    if (game.Matchday < 1)
        return std::nullopt;
    const auto day = static_cast<size_t>(game.Matchday - 1);
    const TZnMatchList& fixtures = game.Schedule().Matchdays(game.Matchday - 1);
    std::vector<TZnLiveFixture> live;
    for (int32_t j = 0; j < fixtures.Count(); ++j) {
        const uint32_t bits = game.SeasonLog.Rounds.at(day).at(static_cast<size_t>(j));
        if ((bits & FixtureRounds::RecordedBit) == 0)
            return std::nullopt;
        live.push_back({fixtures.Matches(j).HomeId, fixtures.Matches(j).AwayId, bits});
    }
    TZnClubList league;
    StartReplayLeague(game, league);
    for (int32_t d = 0; d + 1 < game.Matchday; ++d)
        RecordReplayMatchday(game, d, league);
    std::vector<TZnClub> before;
    for (int32_t p = 0; p < league.Count(); ++p)
        before.push_back(league.Items(p));
    return TZnLiveMatchday(std::move(before), std::move(live), game.Matchday, game.MyClub().ClubId);
}
