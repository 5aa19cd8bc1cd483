#include "GameViewText.h"

#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "GameOdds.h"
#include "ZnMatchesConsts.h"
#include "ZnMoneyText.h"

namespace {

std::string Score(int32_t homeGoals, int32_t awayGoals) {
    return std::to_string(homeGoals) + " - " + std::to_string(awayGoals);
}

std::string Score(const TZnMatch& match) {
    return Score(match.HomeGoals, match.AwayGoals);
}

std::string Yen(int32_t amount) {
    return MoneyText(amount) + "円";
}

} // namespace

std::vector<TZnViewText<TZnRankColumn>> RankTableRow(const TZnClub& club) {
    using enum TZnRankColumn;
    return {{Name, "チーム", club.Name},
            {Rank, "順位", std::to_string(int64_t{club.Rank} + 1)},
            {Points, "勝点", std::to_string(club.Points)},
            {Played, "試合数", std::to_string(club.Played)},
            {Wins, "勝", std::to_string(club.Wins)},
            {Draws, "分", std::to_string(club.Draws)},
            {Losses, "負", std::to_string(club.Losses)},
            {GoalsFor, "得点", std::to_string(club.GoalsFor)},
            {GoalsAgainst, "失点", std::to_string(club.GoalsAgainst)},
            {GoalDifference, "得失差", std::to_string(club.GoalDifference())}};
}

std::vector<TZnViewText<TZnFixtureColumn>> FixtureRow(const TZnGameGoalrun& game,
                                                      const TZnMatch& match) {
    using enum TZnFixtureColumn;
    return {{Home, "Home", game.Clubs().ClubById(match.HomeId).Name},
            {Score, "", match.Played ? ::Score(match) : "-"},
            {Away, "Away", game.Clubs().ClubById(match.AwayId).Name}};
}

std::string PrizeText(int32_t rank) {
    return Yen(PrizeTable.at(static_cast<size_t>(rank)));
}

std::string MatchdayResultText(int32_t matchday, std::string_view home, int32_t homeGoals,
                               int32_t awayGoals, std::string_view away) {
    return "第" + std::to_string(matchday) + "節 " + std::string(home) + " " +
           Score(homeGoals, awayGoals) + " " + std::string(away);
}

std::vector<TZnViewText<TZnMyClubRow>> MyClubRows(const TZnGameGoalrun& game) {
    const int32_t n = game.Matchday;
    const TZnClub& club = game.MyClub();
    const auto& clubs = game.Clubs();
    std::string lastResult = "なし";
    std::string lastOutcome = "なし";
    if (n > 0) {
        const TZnMatch& last = game.MyLastMatch();
        lastResult = MatchdayResultText(n, clubs.ClubById(last.HomeId).Name, last.HomeGoals,
                                        last.AwayGoals, clubs.ClubById(last.AwayId).Name);
        lastOutcome = ResultWords[game.MyLastResult()];
    }
    std::string next = "なし";
    std::string prediction = "なし";
    if (n < MatchdayCount) {
        const TZnMatch& match = game.Schedule().Matchdays(n).Matches(0);
        next = "第" + std::to_string(n + 1) + "節 " + clubs.ClubById(match.HomeId).Name + " - " +
               clubs.ClubById(match.AwayId).Name;
        prediction = TZnGameGoalrun::WinPredictionText(game.WinPrediction());
    }
    const std::optional<TZnMatchOdds> odds = NextMatchOdds(game);
    using enum TZnMyClubRow;
    return {{Club, "担当チーム", club.Name},
            {LastResult, "前節結果", lastResult},
            {LastOutcome, "前節勝敗", lastOutcome},
            {Next, "今節", next},
            {Prediction, "今節予想", prediction},
            {BuildUp, "今節強化費", Yen(club.BuildUp)},
            {Separator, "-", "-"},
            {Level, "監督レベル", std::to_string(game.Coach().Level())},
            {Experience, "監督経験値", std::to_string(game.Coach().Experience)},
            {Money, "監督資金", Yen(game.Coach().Money)},
            {Season, "シーズン", SeasonName(game.Season)},
            {Odds, "勝敗見込み", odds ? OddsText(*odds) : "なし"}};
}
