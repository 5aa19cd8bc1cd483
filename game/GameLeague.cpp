#include "GameLeague.h"

#include <algorithm>
#include <cmath>

#include "ConstsGoalrun.h"
#include "ZnSaturate.h"

TZnLeague::TZnLeague(const std::vector<std::string>* names, const TZnGameSetup& setup)
    : FSetup(setup), FClubs(std::make_unique<TZnClubList>()), FCoach(std::make_unique<TZnCoach>()),
      FSchedule(std::make_unique<TZnMatchListList>()) {
    FCoach->Money = FSetup.Rules().StartingMoney;
    FClubs->NameList = names;
    FClubs->InitClubs();
    LinkCoach(FClubs->Items(FClubs->Count() - 1));
    FSchedule->PutClubFirst(MyClub().ClubId);
}

TZnLeague::~TZnLeague() = default;
TZnLeague::TZnLeague(TZnLeague&&) noexcept = default;
TZnLeague& TZnLeague::operator=(TZnLeague&&) noexcept = default;

void TZnLeague::LinkCoach(TZnClub& club) {
    FClubs->ClearCoaches();
    FCoach->Club = &club;
    club.Coach = FCoach.get();
}

int32_t TZnLeague::StrengthBalance(int32_t homeId, int32_t awayId) const {
    const TZnClub& home = FClubs->ClubById(homeId);
    const TZnClub& away = FClubs->ClubById(awayId);
    const double balance = (static_cast<double>(home.Attack) + home.Defense) * HomeFactor -
                           (static_cast<double>(away.Attack) + away.Defense);
    // nearbyint in the default rounding mode rounds a half to the even neighbour.
    return Saturate(static_cast<int64_t>(std::nearbyint(balance)));
}

int32_t TZnLeague::WinPrediction() const {
    const TZnMatch& next = FSchedule->Matchdays(Matchday).Matches(0);
    int64_t balance = StrengthBalance(next.HomeId, next.AwayId);
    if (next.HomeId != MyClub().ClubId)
        balance = -balance;
    return Saturate(balance + int64_t{FCoach->Level()} * MyClub().BuildUp);
}

int32_t TZnLeague::MyClubIndex() const {
    return std::max(0, FClubs->IndexOfClubId(MyClub().ClubId));
}

const TZnMatch& TZnLeague::MyLastMatch() const {
    return FSchedule->Matchdays(Matchday - 1).Matches(0);
}

bool TZnLeague::MyLastMatchAtHome() const {
    return MyLastMatch().HomeId == MyClub().ClubId;
}

TZnMatchResult TZnLeague::MyLastResult() const {
    return MyLastMatch().ResultFor(MyClub().ClubId);
}
