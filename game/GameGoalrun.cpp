#include "GameGoalrun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "ConstsGoalrun.h"
#include "GameSaveData.h"
#include "GameSaveSections.h"
#include "ZnMatchesConsts.h"
#include "ZnMessageLog.h"
#include "ZnSaturate.h"
#include "ZnStream.h"

namespace {

// Where messages go while no front end listens.
class TZnNullLog : public TZnMessageLog {
public:
    void Add(const TZnMessage&) override {}
    void Clear() override {}
} NullLog;

// A command of the game called while the enabling rule forbids it is a fault of the caller.
void Require(bool allowed, const char* command) {
    if (!allowed)
        throw std::logic_error(std::string(command) + " called out of turn");
}

} // namespace

TZnGameGoalrun::TZnGameGoalrun(TZnRandom::TZnSeedSource seedSource)
    : FClubs(std::make_unique<TZnClubList>()), FCoach(std::make_unique<TZnCoach>()),
      FSchedule(std::make_unique<TZnMatchListList>()), SeedSource(std::move(seedSource)),
      FMessageLog(&NullLog) {
    // Before the window hands over the names, the clubs are A to P.
    FClubs->InitClubs();
    LinkCoach(FClubs->Items(FClubs->Count() - 1));
    FSchedule->PutClubFirst(MyClub().ClubId);
}

TZnGameGoalrun::~TZnGameGoalrun() = default;

void TZnGameGoalrun::LinkCoach(TZnClub& club) {
    FClubs->ClearCoaches();
    FCoach->Club = &club;
    club.Coach = FCoach.get();
}

void TZnGameGoalrun::SetMessageLog(TZnMessageLog* log) {
    FMessageLog = log != nullptr ? log : &NullLog;
}

void TZnGameGoalrun::AddMessage(const TZnMessage& message) {
    FMessageLog->Add(message);
}

void TZnGameGoalrun::NewGame(const TZnGameSetup& setup) {
    FSetup = setup;
    FClubs = std::make_unique<TZnClubList>();
    FCoach = std::make_unique<TZnCoach>();
    FCoach->Money = FSetup.Rules().StartingMoney;
    // A code fixes even the generator's state before the first matchday, which `state` shows.
    if (FSetup.Code)
        Random.Seed = FSetup.Code->MatchdaySeed(0, 0);
    FSchedule = std::make_unique<TZnMatchListList>();
    FClubs->NameList = &TeamNames;
    FClubs->InitClubs();
    // The player always takes the club created last, the weakest.
    LinkCoach(FClubs->Items(FClubs->Count() - 1));
    FSchedule->PutClubFirst(MyClub().ClubId);
    Season = 0;
    Matchday = 0;
    Finished = false;
    Career.Clear();
    Achievements.clear();
    FForeignSections.clear();
    SeasonLog.Start(FCoach->Money, FCoach->Level());
    FUnsavedProgress = false;
    FMessageLog->Clear();
    AddMessage({TZnMessageId::Welcome});
    AddMessage({TZnMessageId::StartingFunds, {FSetup.Rules().StartingMoney}});
    AddMessage({TZnMessageId::GoodLuck});
}

uint32_t SimulateMatch(TZnMatch& match, const TZnClub& home, const TZnClub& away,
                       TZnRandom& random) {
    const double homeAttack = home.EffectiveAttack() * HomeFactor;
    const double homeDefense = home.EffectiveDefense() * HomeFactor;
    const int32_t awayAttack = away.EffectiveAttack();
    const int32_t awayDefense = away.EffectiveDefense();
    // The goal draw is taken only after a chance, exactly as the draws have always been taken.
    // A chance marks the round Stopped (1); a goal adds 1 more, making it Goal (2).
    uint32_t rounds = FixtureRounds::RecordedBit;
    for (int32_t round = 0; round < AttackRounds; ++round) {
        const int32_t shift = 2 * round;
        if (random.Below(DrawRange) < homeAttack) {
            const bool goal = random.Below(DrawRange) > awayDefense;
            match.HomeGoals += goal ? 1 : 0;
            rounds += (1u + (goal ? 1u : 0u)) << shift;
        }
        if (random.Below(DrawRange) < awayAttack) {
            const bool goal = random.Below(DrawRange) > homeDefense;
            match.AwayGoals += goal ? 1 : 0;
            rounds += (1u + (goal ? 1u : 0u)) << (12 + shift);
        }
    }
    return rounds;
}

void TZnGameGoalrun::PlayMatchday() {
    Require(CanPlayMatchday(), "PlayMatchday");
    Random.Seed =
        FSetup.Code ? FSetup.Code->MatchdaySeed(Season, Matchday) : SeedSource(Random.Seed);
    TZnPlayerMatchRecord kickOff;
    auto& rounds = SeasonLog.Rounds.at(static_cast<size_t>(Matchday));
    TZnMatchList& day = FSchedule->Matchdays(Matchday);
    const auto clubs = FClubs->ClubsById();
    for (int32_t j = 0; j < day.Count(); ++j) {
        TZnMatch& match = day.Matches(j);
        TZnClub& home = *clubs.at(static_cast<size_t>(match.HomeId));
        TZnClub& away = *clubs.at(static_cast<size_t>(match.AwayId));
        if (j == 0) // the player's fixture
            kickOff = KickOffRecord(*this, home, away);
        rounds.at(static_cast<size_t>(j)) = SimulateMatch(match, home, away, Random);
        home.RecordMatch(match.HomeGoals, match.AwayGoals);
        away.RecordMatch(match.AwayGoals, match.HomeGoals);
        match.Played = true;
    }
    ++Matchday;
    MarkProgress();
    FClubs->SortByStanding();
    ReportMyResult();
    RecordMatchday(kickOff);
    if (AchievementsCount(FSetup.Difficulty))
        EarnAchievements(MatchdayFacts(*this, Matchday), Achievements);
}

void TZnGameGoalrun::RecordMatchday(TZnPlayerMatchRecord kickOff) {
    kickOff.RankAfter = MyClub().Rank;
    kickOff.MoneyAfter = FCoach->Money;
    SeasonLog.Mine.at(static_cast<size_t>(Matchday - 1)) = kickOff;
    if (Matchday == MatchdayCount && !Career.Details.empty())
        Career.Details.back() = CurrentSeasonDetail(*this);
}

void TZnGameGoalrun::MarkProgress() {
    FUnsavedProgress = true;
    // Sections of a later release that are not safe to copy would no longer agree with the game.
    std::erase_if(FForeignSections, [](const TZnSection& s) { return !s.SafeToCopy(); });
}

void TZnGameGoalrun::ReportMyResult() {
    const TZnMatch& match = MyLastMatch();
    const bool atHome = MyLastMatchAtHome();
    static constexpr std::array<TZnMessageId, 3> ids = {
        TZnMessageId::MatchWon, TZnMessageId::MatchDrawn, TZnMessageId::MatchLost};
    const TZnMatchResult result = MyLastResult();
    AddMessage({ids.at(result),
                {Matchday, atHome ? 0 : 1},
                FClubs->ClubById(atHome ? match.AwayId : match.HomeId).Name});
    if (result == mrWin) {
        const int32_t bonus = FSetup.Rules().WinBonus;
        FCoach->Money = Saturate(int64_t{FCoach->Money} + bonus);
        FCoach->Experience = Saturate(int64_t{FCoach->Experience} + WinExperience);
        AddMessage({TZnMessageId::ExperienceGained, {WinExperience}});
        AddMessage({TZnMessageId::BonusGained, {bonus}});
    }
    if (Matchday == MatchdayCount)
        SeasonEnd();
}

void TZnGameGoalrun::SeasonEnd() {
    const TZnClub& club = MyClub();
    const int32_t prize = PrizeTable.at(static_cast<size_t>(club.Rank));
    FCoach->Money = Saturate(int64_t{FCoach->Money} + prize);
    AddMessage({TZnMessageId::FinalRank, {club.Rank + 1, prize}});
    Career.Append(SeasonRecordOf(Season, club, *FCoach));
    if (club.Rank != 0)
        return;
    AddMessage({TZnMessageId::Champion});
    if (club.Points == 3 * MatchdayCount)
        AddMessage({TZnMessageId::PerfectSeason});
    // The twenty-first season (index 20) has never had this line.
    if (Season != 20)
        AddMessage({TZnMessageId::ChampionSeason, {Season}});
    Finished = true;
}

void TZnGameGoalrun::NextSeason() {
    Require(CanNextSeason(), "NextSeason");
    Season = Saturate(int64_t{Season} + 1);
    Matchday = 0;
    FClubs->ResetRecords();
    FClubs->StorePrevRanks();
    // With a code the shuffle does not depend on how many draws the last matchday took, which
    // what the player invested changes.
    if (FSetup.Code)
        Random.Seed = FSetup.Code->ShuffleSeed(Season);
    FClubs->ShuffleIds(Random);
    FClubs->SortByStanding();
    FSchedule->PutClubFirst(MyClub().ClubId);
    FSchedule->ResetResults();
    SeasonLog.Start(FCoach->Money, FCoach->Level());
    MarkProgress();
    FMessageLog->Clear();
    AddMessage({TZnMessageId::SeasonStart, {Season}});
}

std::optional<int32_t> TZnGameGoalrun::InvestBuildUp(std::string_view boxText) {
    Require(CanInvestBuildUp(), "InvestBuildUp");
    const int32_t amount = ParseBuildUpAmount(boxText);
    if (amount <= 0) {
        AddMessage({TZnMessageId::BuildUpMissing});
        return std::nullopt;
    }
    if (!CanAfford(amount)) {
        AddMessage({TZnMessageId::BuildUpShort});
        return std::nullopt;
    }
    MyClub().BuildUp = Saturate(int64_t{MyClub().BuildUp} + amount);
    FCoach->Money -= amount;
    MarkProgress();
    AddMessage({TZnMessageId::BuildUpInvested, {amount}});
    return amount;
}

std::optional<int32_t> TZnGameGoalrun::AcceptedBuildUp(std::string_view boxText) const {
    const int32_t amount = ParseBuildUpAmount(boxText);
    if (amount <= 0 || !CanAfford(amount))
        return std::nullopt;
    return amount;
}

int32_t TZnGameGoalrun::StrengthBalance(int32_t homeId, int32_t awayId) const {
    const TZnClub& home = FClubs->ClubById(homeId);
    const TZnClub& away = FClubs->ClubById(awayId);
    const double balance = (static_cast<double>(home.Attack) + home.Defense) * HomeFactor -
                           (static_cast<double>(away.Attack) + away.Defense);
    // nearbyint in the default rounding mode rounds a half to the even neighbour.
    return Saturate(static_cast<int64_t>(std::nearbyint(balance)));
}

int32_t TZnGameGoalrun::WinPrediction() const {
    const TZnMatch& next = FSchedule->Matchdays(Matchday).Matches(0);
    int64_t balance = StrengthBalance(next.HomeId, next.AwayId);
    if (next.HomeId != MyClub().ClubId)
        balance = -balance;
    return Saturate(balance + int64_t{FCoach->Level()} * MyClub().BuildUp);
}

int32_t TZnGameGoalrun::MyClubIndex() const {
    return std::max(0, FClubs->IndexOfClubId(MyClub().ClubId));
}

const TZnMatch& TZnGameGoalrun::MyLastMatch() const {
    return FSchedule->Matchdays(Matchday - 1).Matches(0);
}

bool TZnGameGoalrun::MyLastMatchAtHome() const {
    return MyLastMatch().HomeId == MyClub().ClubId;
}

TZnMatchResult TZnGameGoalrun::MyLastResult() const {
    return MyLastMatch().ResultFor(MyClub().ClubId);
}

void TZnGameGoalrun::SaveToStream(TZnWriteStream& stream) const {
    stream.WriteBytes(SaveHeader());
    FClubs->WriteToStream(stream);
    FCoach->WriteToStream(stream);
    FSchedule->WriteToStream(stream);
    stream.WriteInt32(MyClub().ClubId);
    stream.WriteInt32(Season);
    stream.WriteInt32(Matchday);
    WriteRecords(stream, {Career, SeasonLog, Matchday, FSetup, Achievements}, FForeignSections);
}

void TZnGameGoalrun::LoadFromStream(std::span<const uint8_t> data) {
    TZnReadStream stream(data);
    auto clubs = std::make_unique<TZnClubList>();
    auto coach = std::make_unique<TZnCoach>();
    auto schedule = std::make_unique<TZnMatchListList>();
    int32_t myClubId = 0;
    int32_t season = 0;
    int32_t matchday = 0;
    // A file that differs from the header within its first bytes is another kind of file, however
    // short; one that only ends too soon is a cut save file.
    const auto headerPart = data.first(std::min(data.size(), SaveHeaderSize));
    if (!std::equal(headerPart.begin(), headerPart.end(), SaveHeader().begin()))
        throw EZnLoadError("not a save file of this game", TZnFileErrorReason::NotSaveFile);
    try {
        stream.ReadBytes(SaveHeaderSize);
        clubs->InitClubs();
        clubs->ReadFromStream(stream);
        coach->ReadFromStream(stream);
        schedule->ReadFromStream(stream);
        myClubId = stream.ReadInt32();
        season = stream.ReadInt32();
        matchday = stream.ReadInt32();
    } catch (const EZnReadError&) {
        throw EZnLoadError("the file is shorter than a save file", TZnFileErrorReason::TooShort);
    }
    ValidateSaveState(*clubs, *coach, *schedule, myClubId, season, matchday);
    TZnRecords records = ReadRecords(data.subspan(stream.Position()),
                                     {*clubs, *coach, *schedule, myClubId, season, matchday});

    // Accepted: swap the new state in; nothing below can fail.
    clubs->NameList = &TeamNames;
    clubs->ApplyNames();
    FClubs = std::move(clubs);
    FCoach = std::move(coach);
    FSchedule = std::move(schedule);
    LinkCoach(FClubs->ClubById(myClubId));
    // Files this game wrote have it already; others get the player's fixture first too.
    FSchedule->PutClubFirst(myClubId);
    Season = season;
    Matchday = matchday;
    Finished = false;
    Career = std::move(records.Career);
    SeasonLog = records.SeasonLog;
    FSetup = records.Setup;
    Achievements = std::move(records.Achievements);
    if (!records.AchievementsRead && AchievementsCount(FSetup.Difficulty))
        Achievements = AchievementsFromRecords(*this);
    FForeignSections = std::move(records.Foreign);
    FUnsavedProgress = false;
    FMessageLog->Clear();
    if (records.Lost.empty())
        return;
    int64_t lost = 0;
    for (const TZnRecordKind kind : records.Lost)
        lost |= int64_t{1} << static_cast<int>(kind);
    AddMessage({TZnMessageId::RecordsDamaged, {lost}});
}

void TZnGameGoalrun::SaveToFile(const std::string& path) {
    TZnWriteStream stream;
    SaveToStream(stream);
    WriteFileAtomically(path, stream.Bytes);
    FUnsavedProgress = false;
}

void TZnGameGoalrun::LoadFromFile(const std::string& path) {
    LoadFromStream(ReadSaveFile(path));
}

int32_t ParseBuildUpAmount(std::string_view text) {
    // Full-width forms U+FF10..U+FF19 (digits), U+FF0B (+) and U+FF0D (-) are EF BC 90..99, 8B, 8D.
    auto fullWidth = [&](size_t i, uint8_t last) {
        return i + 2 < text.size() && static_cast<uint8_t>(text[i]) == 0xEF &&
               static_cast<uint8_t>(text[i + 1]) == 0xBC &&
               static_cast<uint8_t>(text[i + 2]) == last;
    };
    auto isSpaceAt = [&](size_t i) -> size_t { // the length of the white space at i, or 0
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || (c >= '\t' && c <= '\r'))
            return 1;
        if (i + 2 < text.size() && c == 0xE3 && static_cast<uint8_t>(text[i + 1]) == 0x80 &&
            static_cast<uint8_t>(text[i + 2]) == 0x80)
            return 3;
        return 0;
    };
    size_t i = 0;
    while (i < text.size() && isSpaceAt(i) != 0)
        i += isSpaceAt(i);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        i += 1;
    } else if (fullWidth(i, 0x8B) || fullWidth(i, 0x8D)) {
        negative = static_cast<uint8_t>(text[i + 2]) == 0x8D;
        i += 3;
    }
    int64_t value = 0;
    int digits = 0;
    while (i < text.size()) {
        int digit = -1;
        size_t width = 1;
        if (text[i] >= '0' && text[i] <= '9') {
            digit = text[i] - '0';
        } else if (i + 2 < text.size() && static_cast<uint8_t>(text[i]) == 0xEF &&
                   static_cast<uint8_t>(text[i + 1]) == 0xBC) {
            const auto last = static_cast<uint8_t>(text[i + 2]);
            if (last >= 0x90 && last <= 0x99) {
                digit = last - 0x90;
                width = 3;
            }
        }
        if (digit < 0)
            break;
        value = value * 10 + digit;
        if (value > int64_t{1} << 31) // already too large for either sign
            return 0;
        ++digits;
        i += width;
    }
    while (i < text.size() && isSpaceAt(i) != 0)
        i += isSpaceAt(i);
    if (digits == 0 || i != text.size())
        return 0;
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return 0;
    return static_cast<int32_t>(value);
}
