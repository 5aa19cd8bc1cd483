#include "GameAchievements.h"

#include <algorithm>
#include <tuple>

#include "GameLeague.h"
#include "GameMatchRecord.h"
#include "ZnMatchesConsts.h"

namespace {

constexpr std::array<std::string_view, AchievementCount> Keys = {
    "first_win", "ten_in_a_row",  "giant_killing", "unbeaten_season",
    "title",     "title_in_five", "frugal_title",  "hundred_seasons"};

constexpr int32_t RunForTen = 10;
constexpr double GiantKillingChance = 0.05;
constexpr int32_t FrugalMatches = 10;
constexpr int32_t TitleSeasons = 5;
constexpr int32_t HundredthSeason = 99; // 0-based

} // namespace

std::string_view AchievementKey(TZnAchievementId id) {
    return Keys.at(static_cast<size_t>(id));
}

std::optional<TZnAchievementId> AchievementOfKey(std::string_view key) {
    const auto at = std::find(Keys.begin(), Keys.end(), key);
    if (at == Keys.end())
        return std::nullopt;
    return static_cast<TZnAchievementId>(at - Keys.begin());
}

std::array<TZnAchievementId, AchievementCount> AllAchievements() {
    std::array<TZnAchievementId, AchievementCount> all{};
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<TZnAchievementId>(i);
    return all;
}

std::vector<TZnAchievementId> AchievementsMet(const TZnMatchdayFacts& f) {
    using enum TZnAchievementId;
    const bool end = f.Matchday == MatchdayCount;
    const bool title = end && f.Rank == 0;
    const std::array<bool, AchievementCount> met = {f.Won && !f.WonBefore,
                                                    f.Won && f.WinningRun == RunForTen,
                                                    f.Won && f.WinChance < GiantKillingChance,
                                                    end && f.Losses == 0,
                                                    title,
                                                    title && f.Season < TitleSeasons,
                                                    title && f.InvestedMatches.has_value() &&
                                                        *f.InvestedMatches <= FrugalMatches,
                                                    end && f.Season == HundredthSeason};
    std::vector<TZnAchievementId> ids;
    for (const TZnAchievementId id : AllAchievements())
        if (met[static_cast<size_t>(id)])
            ids.push_back(id);
    return ids;
}

TZnMatchdayFacts MatchdayFacts(const TZnLeague& game, int32_t matchday) {
    TZnMatchdayFacts f;
    f.Season = game.Season;
    f.Matchday = matchday;
    const int32_t me = game.MyClub().ClubId;
    // The player's results of this season, from the schedule, which holds every score.
    int32_t wins = 0;
    for (int32_t d = 0; d < matchday; ++d) {
        const TZnMatchResult result = game.Schedule().Matchdays(d).Matches(0).ResultFor(me);
        f.WinningRun = result == mrWin ? f.WinningRun + 1 : 0;
        wins += result == mrWin ? 1 : 0;
        f.Losses += result == mrLose ? 1 : 0;
    }
    f.Won = f.WinningRun > 0;
    f.WonBefore =
        wins - (f.Won ? 1 : 0) > 0 ||
        std::any_of(game.Career.Seasons.begin(), game.Career.Seasons.end(),
                    [&](const TZnSeasonRecord& r) { return r.Wins > 0 && r.Season < game.Season; });
    const auto& mine = game.SeasonLog.Mine;
    f.Rank = matchday == game.Matchday ? game.MyClub().Rank
                                       : mine.at(static_cast<size_t>(matchday - 1)).RankAfter;
    if (const auto report = MatchdayReport(game, matchday); report && report->Mine)
        f.WinChance = report->Mine->Odds.Win;
    const auto played = mine.begin() + matchday;
    if (std::all_of(mine.begin(), played, [](const auto& m) { return m.Recorded; }))
        f.InvestedMatches = static_cast<int32_t>(
            std::count_if(mine.begin(), played, [](const auto& m) { return m.BuildUp > 0; }));
    return f;
}

std::vector<TZnAchievement> AchievementsFromRecords(const TZnLeague& game) {
    std::vector<TZnAchievement> earned;
    for (const TZnSeasonRecord& r : game.Career.Seasons) {
        if (r.Season >= game.Season)
            break; // the current season's own record: read from the season itself below
        TZnMatchdayFacts f;
        f.Season = r.Season;
        f.Matchday = MatchdayCount;
        f.WonBefore = true; // no first win nor a run of ten: their matchdays are not known
        f.Losses = r.Losses;
        f.Rank = r.Rank;
        EarnAchievements(f, earned);
    }
    for (int32_t d = 1; d <= game.Matchday; ++d)
        EarnAchievements(MatchdayFacts(game, d), earned);
    return earned;
}

size_t EarnAchievements(const TZnMatchdayFacts& facts, std::vector<TZnAchievement>& earned) {
    size_t added = 0;
    for (const TZnAchievementId id : AchievementsMet(facts)) {
        const bool held = std::any_of(earned.begin(), earned.end(),
                                      [&](const TZnAchievement& a) { return a.Id == id; });
        if (!held) {
            earned.push_back({id, facts.Season, facts.Matchday});
            ++added;
        }
    }
    return added;
}

bool PlausibleAchievements(std::span<const TZnAchievement> earned, int32_t season,
                           int32_t matchday) {
    std::array<bool, AchievementCount> seen{};
    const auto key = [](const TZnAchievement& a) {
        return std::tuple(a.Season, a.Matchday, static_cast<int32_t>(a.Id));
    };
    for (size_t i = 0; i < earned.size(); ++i) {
        const TZnAchievement& a = earned[i];
        const auto id = static_cast<size_t>(a.Id);
        if (id >= AchievementCount || seen[id] || a.Season < 0 || a.Matchday < 1 ||
            a.Matchday > MatchdayCount ||
            std::tuple(a.Season, a.Matchday) > std::tuple(season, matchday) ||
            (i > 0 && key(earned[i - 1]) >= key(a)))
            return false;
        seen[id] = true;
    }
    return true;
}
