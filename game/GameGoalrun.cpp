#include "GameGoalrun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "ConstsGoalrun.h"
#include "GameAchievements.h"
#include "GameMatchRecord.h"
#include "GameSaveData.h"
#include "GameSaveFile.h"
#include "GameSaveSections.h"
#include "GameSeasonRecord.h"
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

// Before the window hands over the names, the clubs are A to P.
TZnGameGoalrun::TZnGameGoalrun(TZnRandom::TZnSeedSource seedSource)
    : SeedSource(std::move(seedSource)), FMessageLog(&NullLog) {}

TZnGameGoalrun::~TZnGameGoalrun() = default;

void TZnGameGoalrun::SetMessageLog(TZnMessageLog* log) {
    FMessageLog = log != nullptr ? log : &NullLog;
}

void TZnGameGoalrun::AddMessage(const TZnMessage& message) {
    FMessageLog->Add(message);
}

void TZnGameGoalrun::NewGame(const TZnGameSetup& setup) {
    // The player always takes the club created last, the weakest; the season not yet started.
    TZnLeague::operator=(TZnLeague(&TeamNames, setup));
    // A code fixes even the generator's state before the first matchday, which `state` shows.
    if (setup.Code)
        Random.Seed = setup.Code->MatchdaySeed(0, 0);
    FForeignSections.clear();
    Identity = GameIdSource();
    SeasonLog.Start(Coach().Money, Coach().Level());
    FUnsavedProgress = false;
    FMessageLog->Clear();
    AddMessage({TZnMessageId::Welcome});
    AddMessage({TZnMessageId::StartingFunds, {Setup().Rules().StartingMoney}});
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
        Setup().Code ? Setup().Code->MatchdaySeed(Season, Matchday) : SeedSource(Random.Seed);
    TZnPlayerMatchRecord kickOff;
    auto& rounds = SeasonLog.Rounds.at(static_cast<size_t>(Matchday));
    TZnMatchList& day = Schedule().Matchdays(Matchday);
    const auto clubs = Clubs().ClubsById();
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
    Clubs().SortByStanding();
    ReportMyResult();
    RecordMatchday(kickOff);
    if (AchievementsCount(Setup().Difficulty))
        EarnMatchdayAchievements(*this, Achievements);
}

void TZnGameGoalrun::RecordMatchday(TZnPlayerMatchRecord kickOff) {
    kickOff.RankAfter = MyClub().Rank;
    kickOff.MoneyAfter = Coach().Money;
    SeasonLog.Mine.at(static_cast<size_t>(Matchday - 1)) = kickOff;
    if (Matchday == MatchdayCount && !Career.Details.empty())
        Career.Details.back() = CurrentSeasonDetail(*this);
}

void TZnGameGoalrun::MarkProgress() {
    FUnsavedProgress = true;
    Progress = Progress < INT64_MAX ? Progress + 1 : Progress;
    // Sections of a later release that are not safe to copy would no longer agree with the game.
    std::erase_if(FForeignSections, [](const TZnSection& s) { return !s.SafeToCopy(); });
}

void TZnGameGoalrun::ReportMyResult() {
    const TZnMatch& match = MyLastMatch();
    const bool atHome = MyLastMatchAtHome();
    static constexpr std::array<TZnMessageId, 3> ids = {
        TZnMessageId::MatchWon, TZnMessageId::MatchDrawn, TZnMessageId::MatchLost};
    const TZnMatchResult result = MyLastResult();
    FResultMessage.Id = ids.at(result);
    FResultMessage.Numbers = {Matchday, atHome ? 0 : 1};
    FResultMessage.Name = Clubs().ClubById(atHome ? match.AwayId : match.HomeId).Name;
    AddMessage(FResultMessage);
    if (result == mrWin) {
        const int32_t bonus = Setup().Rules().WinBonus;
        Coach().Money = Saturate(int64_t{Coach().Money} + bonus);
        Coach().Experience = Saturate(int64_t{Coach().Experience} + WinExperience);
        AddMessage({TZnMessageId::ExperienceGained, {WinExperience}});
        AddMessage({TZnMessageId::BonusGained, {bonus}});
    }
    if (Matchday == MatchdayCount)
        SeasonEnd();
}

void TZnGameGoalrun::SeasonEnd() {
    const TZnClub& club = MyClub();
    const int32_t prize = PrizeTable.at(static_cast<size_t>(club.Rank));
    Coach().Money = Saturate(int64_t{Coach().Money} + prize);
    AddMessage({TZnMessageId::FinalRank, {club.Rank + 1, prize}});
    Career.Append(SeasonRecordOf(Season, club, Coach()));
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
    Clubs().ResetRecords();
    Clubs().StorePrevRanks();
    // With a code the shuffle does not depend on how many draws the last matchday took, which
    // what the player invested changes.
    if (Setup().Code)
        Random.Seed = Setup().Code->ShuffleSeed(Season);
    Clubs().ShuffleIds(Random);
    Clubs().SortByStanding();
    Schedule().PutClubFirst(MyClub().ClubId);
    Schedule().ResetResults();
    // Money still invested for the first match (a file can carry it over the season's end) is
    // part of the funds the season begins with, as a load before the first matchday counts it.
    SeasonLog.Start(Saturate(int64_t{Coach().Money} + MyClub().BuildUp), Coach().Level());
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
    Coach().Money -= amount;
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

void TZnGameGoalrun::SaveToStream(TZnWriteStream& stream) const {
    SaveImageToStream(stream);
    WriteRecords(stream, *this, FForeignSections);
}

void TZnGameGoalrun::SaveImageToStream(TZnWriteStream& stream) const {
    stream.WriteBytes(SaveHeader());
    Clubs().WriteToStream(stream);
    Coach().WriteToStream(stream);
    Schedule().WriteToStream(stream);
    stream.WriteInt32(MyClub().ClubId);
    stream.WriteInt32(Season);
    stream.WriteInt32(Matchday);
}

void TZnGameGoalrun::LoadFromStream(std::span<const uint8_t> data, TZnImageCheck imageCheck) {
    TZnReadStream stream(data);
    TZnLeague loaded;
    int32_t myClubId = 0;
    // A file that differs from the header within its first bytes is another kind of file, however
    // short; one that only ends too soon is a cut save file.
    const auto headerPart = data.first(std::min(data.size(), SaveHeaderSize));
    if (!std::equal(headerPart.begin(), headerPart.end(), SaveHeader().begin()))
        throw EZnLoadError("not a save file of this game", TZnFileErrorReason::NotSaveFile);
    try {
        stream.ReadBytes(SaveHeaderSize);
        loaded.Clubs().ReadFromStream(stream);
        loaded.Coach().ReadFromStream(stream);
        loaded.Schedule().ReadFromStream(stream);
        myClubId = stream.ReadInt32();
        loaded.Season = stream.ReadInt32();
        loaded.Matchday = stream.ReadInt32();
    } catch (const EZnReadError&) {
        throw EZnLoadError("the file is shorter than a save file", TZnFileErrorReason::TooShort);
    }
    ValidateSaveState(loaded, myClubId);
    loaded.LinkCoach(loaded.Clubs().ClubById(myClubId));
    TZnRecords records =
        ReadRecords(data.subspan(stream.Position()), loaded, data.first(stream.Position()));
    if (records.ImageChanged && imageCheck == TZnImageCheck::Required)
        throw EZnLoadError("the game disagrees with its check", TZnFileErrorReason::Damaged);

    // Accepted: take the new state; nothing below can fail.
    loaded.Clubs().NameList = &TeamNames;
    loaded.Clubs().ApplyNames();
    // Files this game wrote have it already; others get the player's fixture first too.
    loaded.Schedule().PutClubFirst(myClubId);
    loaded.Career = std::move(records.Career);
    loaded.SeasonLog = records.SeasonLog;
    loaded.SetSetup(records.Setup);
    loaded.Achievements = std::move(records.Achievements);
    if (records.Game) {
        loaded.Identity = records.Game->Id;
        loaded.Progress = records.Game->Progress;
    }
    if (!records.AchievementsRead && AchievementsCount(records.Setup.Difficulty))
        loaded.Achievements = AchievementsFromRecords(loaded);
    TZnLeague::operator=(std::move(loaded));
    FForeignSections = std::move(records.Foreign);
    FUnsavedProgress = false;
    FMessageLog->Clear();
    if (records.ImageChanged)
        AddMessage({TZnMessageId::ImageChanged});
    if (records.WrongCount)
        AddMessage({TZnMessageId::RecordsCountWrong,
                    {(*records.WrongCount)[0], (*records.WrongCount)[1]}});
    int64_t lost = 0;
    for (const TZnRecordKind kind : records.Lost)
        lost |= int64_t{1} << static_cast<int>(kind);
    // Records are never lost without a word: what broke off with the frame cannot be named.
    if (records.Broken)
        AddMessage({TZnMessageId::RecordsBroken, {lost}});
    else if (lost != 0)
        AddMessage({TZnMessageId::RecordsDamaged, {lost}});
}

void TZnGameGoalrun::SaveToFile(const std::string& path) {
    TZnWriteStream stream;
    SaveToStream(stream);
    WriteFileAtomically(path, stream.Bytes);
    FUnsavedProgress = false;
}

void TZnGameGoalrun::LoadFromFile(const std::string& path, TZnImageCheck imageCheck) {
    LoadFromStream(ReadSaveFile(path), imageCheck);
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
