#include "GameRankHistory.h"

#include "GameGoalrun.h"

std::vector<TZnRankSeries> RankHistory(const TZnGameGoalrun& game) {
    const TZnClubList& clubs = game.Clubs();
    std::vector<TZnRankSeries> series;
    // A replay league: the same ids and previous ranks, the season record from zero.
    TZnClubList replay;
    replay.InitClubs();
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const TZnClub& club = clubs.Items(p);
        TZnClub& copy = replay.Items(p);
        copy.ClubId = club.ClubId;
        copy.PrevRank = club.PrevRank;
        copy.NameIndex = club.NameIndex;
        series.push_back({club.NameIndex, club.Name, &club == &game.MyClub(), {}});
    }
    for (int32_t day = 0; day < game.Matchday; ++day) {
        const TZnMatchList& fixtures = game.Schedule().Matchdays(day);
        for (int32_t j = 0; j < fixtures.Count(); ++j) {
            const TZnMatch& match = fixtures.Matches(j);
            if (!match.Played)
                continue;
            replay.ClubById(match.HomeId).RecordMatch(match.HomeGoals, match.AwayGoals);
            replay.ClubById(match.AwayId).RecordMatch(match.AwayGoals, match.HomeGoals);
        }
        replay.SortByStanding();
        for (auto& course : series) {
            for (int32_t p = 0; p < replay.Count(); ++p) {
                const TZnClub& club = replay.Items(p);
                if (club.NameIndex == course.NameIndex)
                    course.Points.push_back({club.Rank, club.Points});
            }
        }
    }
    return series;
}
