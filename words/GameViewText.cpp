#include "GameViewText.h"

#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "GameOdds.h"
#include "ZnMatchesConsts.h"

// Each view's captions in a wording: one per row or column.
static_assert(std::tuple_size_v<decltype(TZnWording::RankCaptions)> ==
              ViewIndex(TZnRankColumn::GoalDifference) + 1);
static_assert(std::tuple_size_v<decltype(TZnWording::FixtureCaptions)> ==
              ViewIndex(TZnFixtureColumn::Away) + 1);
static_assert(std::tuple_size_v<decltype(TZnWording::ClubCaptions)> ==
              ViewIndex(TZnMyClubRow::Odds) + 1);

namespace {

std::string Score(int32_t homeGoals, int32_t awayGoals) {
    return std::to_string(homeGoals) + " - " + std::to_string(awayGoals);
}

std::string Score(const TZnMatch& match) {
    return Score(match.HomeGoals, match.AwayGoals);
}

} // namespace

std::string MatchdayResultText(const TZnWording& wording, int32_t matchday, std::string_view home,
                               int32_t homeGoals, int32_t awayGoals, std::string_view away) {
    return FillTemplate(wording.LastResult, {std::to_string(matchday), std::string(home),
                                             Score(homeGoals, awayGoals), std::string(away)});
}

std::vector<TZnViewText<TZnRankColumn>> RankTableRow(const TZnWording& wording,
                                                     const TZnClub& club) {
    std::vector<TZnViewText<TZnRankColumn>> row;
    row.reserve(wording.RankCaptions.size());
    for (size_t c = 0; c < wording.RankCaptions.size(); ++c) {
        const auto column = static_cast<TZnRankColumn>(c);
        row.push_back({column, wording.RankCaptions[c], RankTableCell(club, column)});
    }
    return row;
}

std::string RankTableCell(const TZnClub& club, TZnRankColumn column) {
    using enum TZnRankColumn;
    switch (column) {
    case Name:
        return club.Name;
    case Rank:
        return std::to_string(int64_t{club.Rank} + 1);
    case Points:
        return std::to_string(club.Points);
    case Played:
        return std::to_string(club.Played);
    case Wins:
        return std::to_string(club.Wins);
    case Draws:
        return std::to_string(club.Draws);
    case Losses:
        return std::to_string(club.Losses);
    case GoalsFor:
        return std::to_string(club.GoalsFor);
    case GoalsAgainst:
        return std::to_string(club.GoalsAgainst);
    case GoalDifference:
        return std::to_string(club.GoalDifference());
    }
    return {};
}

std::vector<TZnViewText<TZnFixtureColumn>>
FixtureRow(const TZnWording& wording, const TZnGameGoalrun& game, const TZnMatch& match) {
    using enum TZnFixtureColumn;
    const auto& c = wording.FixtureCaptions;
    return {{Home, c[0], game.Clubs().ClubById(match.HomeId).Name},
            {Score, c[1], match.Played ? ::Score(match) : "-"},
            {Away, c[2], game.Clubs().ClubById(match.AwayId).Name}};
}

std::string PrizeText(const TZnWording& wording, int32_t rank) {
    return wording.Money(PrizeTable.at(static_cast<size_t>(rank)));
}

std::vector<TZnViewText<TZnMyClubRow>> MyClubRows(const TZnWording& wording,
                                                  const TZnGameGoalrun& game) {
    const int32_t n = game.Matchday;
    const TZnClub& club = game.MyClub();
    const auto& clubs = game.Clubs();
    const std::string none(wording.None);
    std::string lastResult = none;
    std::string lastOutcome = none;
    if (n > 0) {
        const TZnMatch& last = game.MyLastMatch();
        lastResult =
            MatchdayResultText(wording, n, clubs.ClubById(last.HomeId).Name, last.HomeGoals,
                               last.AwayGoals, clubs.ClubById(last.AwayId).Name);
        lastOutcome = wording.Outcomes.at(static_cast<size_t>(game.MyLastResult()));
    }
    std::string next = none;
    std::string prediction = none;
    if (n < MatchdayCount) {
        const TZnMatch& match = game.Schedule().Matchdays(n).Matches(0);
        next = FillTemplate(wording.NextMatch,
                            {std::to_string(n + 1), clubs.ClubById(match.HomeId).Name,
                             clubs.ClubById(match.AwayId).Name});
        prediction = WinPredictionText(wording, game.WinPrediction());
    }
    const std::optional<TZnMatchOdds> odds = NextMatchOdds(game);
    using enum TZnMyClubRow;
    const auto& c = wording.ClubCaptions;
    return {{Club, c[0], club.Name},
            {LastResult, c[1], lastResult},
            {LastOutcome, c[2], lastOutcome},
            {Next, c[3], next},
            {Prediction, c[4], prediction},
            {BuildUp, c[5], wording.Money(club.BuildUp)},
            {Separator, c[6], "-"},
            {Level, c[7], std::to_string(game.Coach().Level())},
            {Experience, c[8], std::to_string(game.Coach().Experience)},
            {Money, c[9], wording.Money(game.Coach().Money)},
            {Season, c[10], SeasonName(wording, game.Season)},
            {Odds, c[11], odds ? OddsText(wording, *odds) : none}};
}
