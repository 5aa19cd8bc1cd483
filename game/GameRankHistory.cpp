#include "GameRankHistory.h"

#include "GameLeague.h"

void StartReplayLeague(const TZnLeague& game, TZnClubList& league) {
    const TZnClubList& clubs = game.Clubs();
    league.InitClubs();
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const TZnClub& club = clubs.Items(p);
        TZnClub& copy = league.Items(p);
        copy.ClubId = club.ClubId;
        copy.PrevRank = club.PrevRank;
        copy.NameIndex = club.NameIndex;
        copy.Name = club.Name;
    }
    league.SortByStanding();
}

void RecordReplayMatchday(const TZnLeague& game, int32_t day, TZnClubList& league) {
    const TZnMatchList& fixtures = game.Schedule().Matchdays(day);
    for (int32_t j = 0; j < fixtures.Count(); ++j) {
        const TZnMatch& match = fixtures.Matches(j);
        if (!match.Played)
            continue;
        league.ClubById(match.HomeId).RecordMatch(match.HomeGoals, match.AwayGoals);
        league.ClubById(match.AwayId).RecordMatch(match.AwayGoals, match.HomeGoals);
    }
    league.SortByStanding();
}

std::vector<TZnRankSeries> RankHistory(const TZnLeague& game) {
    const TZnClubList& clubs = game.Clubs();
    std::vector<TZnRankSeries> series;
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const TZnClub& club = clubs.Items(p);
        series.push_back({club.NameIndex, club.Name, &club == &game.MyClub(), {}});
    }
    TZnClubList replay;
    StartReplayLeague(game, replay);
    for (int32_t day = 0; day < game.Matchday; ++day) {
        RecordReplayMatchday(game, day, replay);
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
