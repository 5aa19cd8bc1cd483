#include "GameSaveData.h"

#include <algorithm>
#include <cstring>

#include "ZnClubList.h"
#include "GameLeague.h"
#include "ZnSaturate.h"
#include "ZnCoach.h"
#include "ZnMatchListList.h"
#include "ZnMatchesConsts.h"

const std::array<uint8_t, SaveHeaderSize>& SaveHeader() {
    static const std::array<uint8_t, SaveHeaderSize> header = [] {
        std::array<uint8_t, SaveHeaderSize> h{};
        const char maker[] = "Vomera";
        std::memcpy(h.data(), maker, 6);
        // "ゴールラン" in code page 932.
        const uint8_t title[] = {0x83, 0x53, 0x81, 0x5B, 0x83, 0x8B, 0x83, 0x89, 0x83, 0x93};
        std::memcpy(h.data() + 20, title, sizeof title);
        // The format's version, not the program's: files of every release carry "1.00".
        const char version[] = "1.00";
        std::memcpy(h.data() + 120, version, 4);
        return h;
    }();
    return header;
}

namespace {

// True when the sixteen values taken by `field` are 0..15, each once.
template <typename Field> bool IsPermutation(const TZnClubList& clubs, Field field) {
    uint32_t seen = 0;
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const int32_t value = field(clubs.Items(p));
        if (!InRange(value, 0, ClubCount - 1) || (seen & (1u << value)) != 0)
            return false;
        seen |= 1u << value;
    }
    return clubs.Count() == ClubCount;
}

// Played flags and goals agree with `matchday`: every fixture before it played, none after it
// played or holding goals.
void ValidateResults(const TZnMatchListList& schedule, int32_t matchday) {
    for (int32_t d = 0; d < schedule.Count(); ++d) {
        const TZnMatchList& day = schedule.Matchdays(d);
        for (int32_t m = 0; m < day.Count(); ++m) {
            const TZnMatch& match = day.Matches(m);
            if (d < matchday && !match.Played)
                throw EZnLoadError("a fixture of a played matchday is not played");
            if (d >= matchday && (match.Played || match.HomeGoals != 0 || match.AwayGoals != 0))
                throw EZnLoadError("a fixture of a coming matchday has a result");
        }
    }
}

// Every club's season record equals the one its played fixtures give, recorded as a match day
// records them.
void ValidateRecords(const TZnClubList& clubs, const TZnMatchListList& schedule, int32_t matchday) {
    std::array<TZnClub, ClubCount> tally{};
    for (int32_t d = 0; d < matchday; ++d) {
        const TZnMatchList& day = schedule.Matchdays(d);
        for (int32_t m = 0; m < day.Count(); ++m) {
            const TZnMatch& match = day.Matches(m);
            tally.at(static_cast<size_t>(match.HomeId))
                .RecordMatch(match.HomeGoals, match.AwayGoals);
            tally.at(static_cast<size_t>(match.AwayId))
                .RecordMatch(match.AwayGoals, match.HomeGoals);
        }
    }
    auto record = [](const TZnClub& c) {
        return std::array{c.Played, c.Wins,     c.Draws,       c.Losses,
                          c.Points, c.GoalsFor, c.GoalsAgainst};
    };
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const TZnClub& club = clubs.Items(p);
        if (record(club) != record(tally.at(static_cast<size_t>(club.ClubId))))
            throw EZnLoadError("a club's season record differs from its played fixtures");
    }
}

} // namespace

void ValidateSaveState(const TZnLeague& league, int32_t myClubId) {
    const TZnClubList& clubs = league.Clubs();
    const TZnMatchListList& schedule = league.Schedule();
    const TZnCoach& coach = league.Coach();
    const int32_t matchday = league.Matchday;
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.ClubId; }))
        throw EZnLoadError("club ids are not a permutation of 0..15");
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.NameIndex; }))
        throw EZnLoadError("name indexes are not a permutation of 0..15");
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.Rank; }))
        throw EZnLoadError("ranks are not a permutation of 0..15");
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.PrevRank; }))
        throw EZnLoadError("previous ranks are not a permutation of 0..15");
    if (!InRange(myClubId, 0, ClubCount - 1))
        throw EZnLoadError("the player's club id is outside 0..15");
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const TZnClub& club = clubs.Items(p);
        if (club.BuildUp < 0 || (club.BuildUp != 0 && club.ClubId != myClubId))
            throw EZnLoadError("strengthening money on a club other than the player's");
    }
    for (int32_t d = 0; d < schedule.Count(); ++d) {
        const TZnMatchList& day = schedule.Matchdays(d);
        uint32_t seen = 0;
        for (int32_t m = 0; m < day.Count(); ++m) {
            const TZnMatch& match = day.Matches(m);
            if (!InRange(match.HomeId, 0, ClubCount - 1) ||
                !InRange(match.AwayId, 0, ClubCount - 1))
                throw EZnLoadError("a fixture id is outside 0..15");
            if (!InRange(match.HomeGoals, 0, 6) || !InRange(match.AwayGoals, 0, 6))
                throw EZnLoadError("a goal count is outside 0..6");
            seen |= (1u << match.HomeId) | (1u << match.AwayId);
        }
        if (seen != 0xFFFFu)
            throw EZnLoadError("a matchday does not hold every club once");
    }
    if (!InRange(matchday, 0, MatchdayCount))
        throw EZnLoadError("the matchday is outside 0..30");
    if (league.Season < 0)
        throw EZnLoadError("the season is negative");
    // Funds and experience never fall below 0, and the records of a season cannot hold less.
    if (coach.Money < 0 || coach.Experience < 0)
        throw EZnLoadError("the coach's funds or experience are negative");
    ValidateResults(schedule, matchday);
    ValidateRecords(clubs, schedule, matchday);
}
