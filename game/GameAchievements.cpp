#include "GameAchievements.h"

#include <algorithm>
#include <tuple>

#include "GameLeague.h"
#include "GameOdds.h"
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

// A feat earned on a matchday it cannot be earned on.
bool OffTheCalendar(const TZnAchievement& a) {
    using enum TZnAchievementId;
    switch (a.Id) {
    case FirstWin:
    case GiantKilling:
        return false;
    case TenInARow:
        return a.Matchday < RunForTen;
    case UnbeatenSeason:
    case Title:
    case FrugalTitle:
        return a.Matchday != MatchdayCount;
    case TitleInFive:
        return a.Matchday != MatchdayCount || a.Season >= TitleSeasons;
    case HundredSeasons:
        return a.Matchday != MatchdayCount || a.Season != HundredthSeason;
    }
    return true;
}

// A feat the record of its completed season denies.
bool DeniedBySeason(TZnAchievementId id, const TZnSeasonRecord& r) {
    using enum TZnAchievementId;
    switch (id) {
    case FirstWin:
    case GiantKilling:
        return r.Wins == 0;
    case TenInARow:
        return r.Wins < RunForTen;
    case UnbeatenSeason:
        return r.Losses != 0;
    case Title:
    case TitleInFive:
    case FrugalTitle:
        return r.Rank != 0;
    case HundredSeasons:
        return false;
    }
    return true;
}

// A feat of the current season its results deny: the image holds every score, the season log
// the player's fixtures as recorded.
bool DeniedByImage(const TZnAchievement& a, const TZnLeague& image, const TZnSeasonLog& log) {
    const int32_t me = image.MyClub().ClubId;
    const auto won = [&](int32_t matchday) {
        return matchday >= 1 &&
               image.Schedule().Matchdays(matchday - 1).Matches(0).ResultFor(me) == mrWin;
    };
    const auto& mine = log.Mine;
    const TZnPlayerMatchRecord& kickOff = mine.at(static_cast<size_t>(a.Matchday - 1));
    using enum TZnAchievementId;
    switch (a.Id) {
    case FirstWin:
        for (int32_t d = 1; d < a.Matchday; ++d)
            if (won(d))
                return true;
        return !won(a.Matchday);
    case TenInARow:
        for (int32_t d = a.Matchday - RunForTen + 1; d <= a.Matchday; ++d)
            if (!won(d))
                return true;
        return won(a.Matchday - RunForTen);
    case GiantKilling: {
        if (!won(a.Matchday))
            return true;
        if (!kickOff.Recorded)
            return false;
        const TZnMatch& match = image.Schedule().Matchdays(a.Matchday - 1).Matches(0);
        return KickOffOdds(kickOff, match.HomeId == me).Win >= GiantKillingChance;
    }
    case UnbeatenSeason:
        return image.MyClub().Losses != 0;
    case Title:
    case TitleInFive:
        return image.MyClub().Rank != 0;
    case FrugalTitle:
        return image.MyClub().Rank != 0 ||
               (std::all_of(mine.begin(), mine.end(), [](const auto& m) { return m.Recorded; }) &&
                std::count_if(mine.begin(), mine.end(),
                              [](const auto& m) { return m.BuildUp > 0; }) > FrugalMatches);
    case HundredSeasons:
        return false;
    }
    return true;
}

// Whether the facts meet each condition, by id. Each asks for a win or for the 30th matchday, as
// EarnMatchdayAchievements takes.
std::array<bool, AchievementCount> ConditionsMet(const TZnMatchdayFacts& f) {
    const bool end = f.Matchday == MatchdayCount;
    const bool title = end && f.Rank == 0;
    return {f.Won && !f.WonBefore,
            f.Won && f.WinningRun == RunForTen,
            f.Won && f.WinChance < GiantKillingChance,
            end && f.Losses == 0,
            title,
            title && f.Season < TitleSeasons,
            title && f.InvestedMatches.has_value() && *f.InvestedMatches <= FrugalMatches,
            end && f.Season == HundredthSeason};
}

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
    const std::array<bool, AchievementCount> met = ConditionsMet(f);
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
    const auto& mine = game.SeasonLog.Mine;
    // In one pass: the player's results of this season, from the schedule, which holds every
    // score, and the investments the season log recorded.
    int32_t wins = 0;
    int32_t invested = 0;
    bool allRecorded = true;
    for (int32_t d = 0; d < matchday; ++d) {
        const TZnMatchResult result = game.Schedule().Matchdays(d).Matches(0).ResultFor(me);
        f.WinningRun = result == mrWin ? f.WinningRun + 1 : 0;
        wins += result == mrWin ? 1 : 0;
        f.Losses += result == mrLose ? 1 : 0;
        const TZnPlayerMatchRecord& kickOff = mine.at(static_cast<size_t>(d));
        allRecorded = allRecorded && kickOff.Recorded;
        invested += kickOff.BuildUp > 0 ? 1 : 0;
    }
    f.Won = f.WinningRun > 0;
    f.WonBefore =
        wins - (f.Won ? 1 : 0) > 0 ||
        std::any_of(game.Career.Seasons.begin(), game.Career.Seasons.end(),
                    [&](const TZnSeasonRecord& r) { return r.Wins > 0 && r.Season < game.Season; });
    f.Rank = matchday == game.Matchday ? game.MyClub().Rank
                                       : mine.at(static_cast<size_t>(matchday - 1)).RankAfter;
    // The chance the matchday's report shows (GameMatchRecord.h), without building the report.
    if (matchday >= 1 && matchday <= game.Matchday) {
        const TZnPlayerMatchRecord& kickOff = mine[static_cast<size_t>(matchday - 1)];
        const TZnMatch& match = game.Schedule().Matchdays(matchday - 1).Matches(0);
        if (kickOff.Recorded)
            f.WinChance = KickOffOdds(kickOff, match.HomeId == me).Win;
    }
    if (allRecorded)
        f.InvestedMatches = invested;
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
    // From the conditions themselves, not AchievementsMet's list: a feat met again allocates
    // nothing.
    const std::array<bool, AchievementCount> met = ConditionsMet(facts);
    size_t added = 0;
    for (const TZnAchievementId id : AllAchievements()) {
        const bool held = std::any_of(earned.begin(), earned.end(),
                                      [&](const TZnAchievement& a) { return a.Id == id; });
        if (met[static_cast<size_t>(id)] && !held) {
            earned.push_back({id, facts.Season, facts.Matchday});
            ++added;
        }
    }
    return added;
}

size_t EarnMatchdayAchievements(const TZnLeague& game, std::vector<TZnAchievement>& earned) {
    if (game.Matchday != MatchdayCount && game.MyLastResult() != mrWin)
        return 0;
    return EarnAchievements(MatchdayFacts(game, game.Matchday), earned);
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

bool AchievementsAgree(std::span<const TZnAchievement> earned, const TZnLeague& image,
                       const TZnCareer& career, const TZnSeasonLog& log) {
    const auto& seasons = career.Seasons;
    const auto recordOf = [&](int32_t season) -> const TZnSeasonRecord* {
        const auto at =
            std::lower_bound(seasons.begin(), seasons.end(), season,
                             [](const TZnSeasonRecord& r, int32_t s) { return r.Season < s; });
        return at != seasons.end() && at->Season == season ? &*at : nullptr;
    };
    using enum TZnAchievementId;
    for (const TZnAchievement& a : earned) {
        const TZnSeasonRecord* record = recordOf(a.Season);
        // The title is earned with the first title, and with it every title of a kind.
        const bool titleKind = a.Id == TitleInFive || a.Id == FrugalTitle;
        const bool titleBefore = std::any_of(earned.begin(), earned.end(), [&](const auto& t) {
            return t.Id == Title &&
                   std::tuple(t.Season, t.Matchday) <= std::tuple(a.Season, a.Matchday);
        });
        const bool winsBefore =
            a.Id == FirstWin && std::any_of(seasons.begin(), seasons.end(), [&](const auto& r) {
                return r.Season < a.Season && r.Wins > 0;
            });
        if (OffTheCalendar(a) || (titleKind && !titleBefore) || winsBefore ||
            (record != nullptr && DeniedBySeason(a.Id, *record)) ||
            (a.Season == image.Season && DeniedByImage(a, image, log)))
            return false;
    }
    return true;
}
