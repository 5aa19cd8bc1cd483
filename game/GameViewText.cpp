#include "GameViewText.h"

#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "ZnMoneyText.h"

std::optional<std::string> RankTableCell(const TZnClub& club, int32_t tag) {
    switch (tag) {
    case 0:
        return club.Name;
    case 1:
        return std::to_string(int64_t{club.Rank} + 1);
    case 2:
        return std::to_string(club.Points);
    case 3:
        return std::to_string(club.Played);
    case 4:
        return std::to_string(club.Wins);
    case 5:
        return std::to_string(club.Draws);
    case 6:
        return std::to_string(club.Losses);
    case 7:
        return std::to_string(club.GoalsFor);
    case 8:
        return std::to_string(club.GoalsAgainst);
    case 9:
        return std::to_string(club.GoalDifference());
    default:
        return std::nullopt;
    }
}

namespace {

std::string Score(const TZnMatch& match) {
    return std::to_string(match.HomeGoals) + " - " + std::to_string(match.AwayGoals);
}

} // namespace

std::optional<std::string> FixtureCell(const TZnGameGoalrun& game, const TZnMatch& match,
                                       int32_t tag) {
    switch (tag) {
    case 0:
        return game.Clubs().ClubById(match.HomeId).Name;
    case 1:
        return match.Played ? Score(match) : "-";
    case 2:
        return game.Clubs().ClubById(match.AwayId).Name;
    default:
        return std::nullopt;
    }
}

std::string PrizeText(int32_t rank) {
    return MoneyText(PrizeTable.at(static_cast<size_t>(rank))) + "円";
}

std::array<std::string, MyClubRowCount> MyClubValues(const TZnGameGoalrun& game) {
    const int32_t n = game.Matchday;
    const TZnClub& club = game.MyClub();
    const auto& clubs = game.Clubs();
    std::array<std::string, MyClubRowCount> rows;
    rows[0] = club.Name;
    rows[1] = rows[2] = "なし";
    if (n > 0) {
        const TZnMatch& last = game.MyLastMatch();
        rows[1] = "第" + std::to_string(n) + "節 " + clubs.ClubById(last.HomeId).Name + " " +
                  Score(last) + " " + clubs.ClubById(last.AwayId).Name;
        rows[2] = ResultWords[game.MyLastResult()];
    }
    rows[3] = rows[4] = "なし";
    if (n != 30) {
        const TZnMatch& next = game.Schedule().Matchdays(n).Matches(0);
        rows[3] = "第" + std::to_string(n + 1) + "節 " + clubs.ClubById(next.HomeId).Name + " - " +
                  clubs.ClubById(next.AwayId).Name;
        rows[4] = TZnGameGoalrun::WinPredictionText(game.WinPrediction());
    }
    rows[5] = MoneyText(club.BuildUp) + "円";
    rows[6] = "-";
    rows[7] = std::to_string(game.Coach().Level());
    rows[8] = std::to_string(game.Coach().Experience);
    rows[9] = MoneyText(game.Coach().Money) + "円";
    rows[10] = SeasonName(game.Season);
    return rows;
}
