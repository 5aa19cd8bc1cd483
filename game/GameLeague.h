#pragma once

// The state of one running game's league: the clubs, the player's coach, the schedule, where the
// season stands and what the game keeps of its matches and seasons. The record builders (reports,
// reviews, odds, prices, rank histories, the records book) read it; the game controller
// (GameGoalrun.h) changes it by the rules, and its loader reads a file into one before taking it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameCareer.h"
#include "GameChallenge.h"
#include "GameIdentity.h"
#include "GameRecordTypes.h"
#include "ZnClubList.h"
#include "ZnCoach.h"
#include "ZnMatchListList.h"
#include "ZnMatchesConsts.h"

class TZnLeague {
public:
    // Sixteen clubs named from `names` (not owned; "A".."P" when null or short), the coach on the
    // club created last (the weakest) with the starting funds of `setup`'s difficulty, the
    // player's fixture first in every matchday.
    explicit TZnLeague(const std::vector<std::string>* names = nullptr,
                       const TZnGameSetup& setup = {});
    ~TZnLeague();
    TZnLeague(TZnLeague&&) noexcept;
    TZnLeague& operator=(TZnLeague&&) noexcept;
    TZnLeague(const TZnLeague&) = delete;
    TZnLeague& operator=(const TZnLeague&) = delete;

    TZnClubList& Clubs() { return *FClubs; }
    const TZnClubList& Clubs() const { return *FClubs; }
    TZnCoach& Coach() { return *FCoach; }
    const TZnCoach& Coach() const { return *FCoach; }
    TZnMatchListList& Schedule() { return *FSchedule; }
    const TZnMatchListList& Schedule() const { return *FSchedule; }

    bool Finished = false;  // the title was won; nothing but a new game or a load
    int32_t Matchday = 0;   // matchdays played this season, 0..30
    int32_t Season = 0;     // 0-based; shown as Season + 1
    TZnCareer Career;       // the seasons this game has completed; emptied by a new game
    TZnSeasonLog SeasonLog; // the rounds and the player's fixtures of the current season
    // What this game has earned, in the order earned; never anything at 易しい.
    std::vector<TZnAchievement> Achievements;
    // Who the game is (GameIdentity.h): given when it begins and carried by its saves; none for
    // a game loaded from a file without one.
    std::optional<TZnGameId> Identity;
    int64_t Progress = 0; // the changes made since the game began: matchdays, investments, seasons

    // The code and difficulty the game was started with (a loaded game's from its file).
    const TZnGameSetup& Setup() const { return FSetup; }
    void SetSetup(const TZnGameSetup& setup) { FSetup = setup; }

    // The enabling rule of the game commands, shared by every front end.
    bool CanPlayMatchday() const { return Matchday < MatchdayCount && !Finished; }
    bool CanInvestBuildUp() const { return CanPlayMatchday(); }
    // The last season the numbers hold has no next: its record would stand twice in the career.
    bool CanNextSeason() const {
        return Matchday == MatchdayCount && !Finished && Season < INT32_MAX;
    }

    // Puts the coach on `club`, a club of Clubs(), and on no other.
    void LinkCoach(TZnClub& club);

    // (home Attack + Defense) x 1.1 - (away Attack + Defense), rounded half to even.
    int32_t StrengthBalance(int32_t homeId, int32_t awayId) const;
    // The prediction value of the player's next match (asked only while Matchday < 30).
    int32_t WinPrediction() const;

    TZnClub& MyClub() { return *FCoach->Club; }
    const TZnClub& MyClub() const { return *FCoach->Club; }
    int32_t MyClubIndex() const;
    // The player's fixture of the last matchday played; valid only when Matchday >= 1.
    const TZnMatch& MyLastMatch() const;
    bool MyLastMatchAtHome() const;
    TZnMatchResult MyLastResult() const;

private:
    TZnGameSetup FSetup;
    std::unique_ptr<TZnClubList> FClubs;
    std::unique_ptr<TZnCoach> FCoach;
    std::unique_ptr<TZnMatchListList> FSchedule;
};
