#include "ZnClubList.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "ZnCoach.h"
#include "ZnRandom.h"
#include "ZnSaturate.h"
#include "ZnStream.h"

void TZnClub::ResetRecord() {
    Points = Wins = Draws = Losses = Played = GoalsFor = GoalsAgainst = 0;
}

void TZnClub::RecordMatch(int32_t goalsFor, int32_t goalsAgainst) {
    if (goalsFor > goalsAgainst) {
        Points = Saturate(int64_t{Points} + 3);
        Wins = Saturate(int64_t{Wins} + 1);
    } else if (goalsFor == goalsAgainst) {
        Points = Saturate(int64_t{Points} + 1);
        Draws = Saturate(int64_t{Draws} + 1);
    } else {
        Losses = Saturate(int64_t{Losses} + 1);
    }
    GoalsFor = Saturate(int64_t{GoalsFor} + goalsFor);
    GoalsAgainst = Saturate(int64_t{GoalsAgainst} + goalsAgainst);
    Played = Saturate(int64_t{Played} + 1);
    BuildUp = 0;
}

int32_t TZnClub::BuildUpBonus() const {
    if (Coach == nullptr)
        return 0;
    return Saturate(int64_t{Coach->Level()} * BuildUp);
}

int32_t TZnClub::EffectiveAttack() const {
    return Saturate(int64_t{Attack} + BuildUpBonus());
}

int32_t TZnClub::EffectiveDefense() const {
    return Saturate(int64_t{Defense} + BuildUpBonus());
}

int32_t TZnClub::GoalDifference() const {
    return Saturate(int64_t{GoalsFor} - GoalsAgainst);
}

int32_t TZnClub::CompareStanding(const TZnClub& other) const {
    // Compared in 64 bits so that no pair of values can overflow; the sign is what counts.
    int64_t d = int64_t{Points} - other.Points;
    if (d == 0)
        d = int64_t{GoalsFor} - GoalsAgainst - (int64_t{other.GoalsFor} - other.GoalsAgainst);
    if (d == 0)
        d = int64_t{GoalsFor} - other.GoalsFor;
    if (d != 0)
        return d > 0 ? -1 : 1;
    return PrevRank < other.PrevRank ? -1 : (PrevRank > other.PrevRank ? 1 : 0);
}

void TZnClub::ReadFromStream(TZnReadStream& stream) {
    Defense = stream.ReadInt32();
    Attack = stream.ReadInt32();
    BuildUp = stream.ReadInt32();
    NameIndex = stream.ReadInt32();
    Draws = stream.ReadInt32();
    Played = stream.ReadInt32();
    GoalsAgainst = stream.ReadInt32();
    GoalsFor = stream.ReadInt32();
    ClubId = stream.ReadInt32();
    Losses = stream.ReadInt32();
    Points = stream.ReadInt32();
    PrevRank = stream.ReadInt32();
    Rank = stream.ReadInt32();
    Wins = stream.ReadInt32();
}

void TZnClub::WriteToStream(TZnWriteStream& stream) const {
    for (int32_t value : {Defense, Attack, BuildUp, NameIndex, Draws, Played, GoalsAgainst,
                          GoalsFor, ClubId, Losses, Points, PrevRank, Rank, Wins})
        stream.WriteInt32(value);
}

TZnClub& TZnClubList::Items(int32_t position) {
    return *Clubs.at(static_cast<size_t>(position));
}

const TZnClub& TZnClubList::Items(int32_t position) const {
    return *Clubs.at(static_cast<size_t>(position));
}

int32_t TZnClubList::IndexOfClubId(int32_t id) const {
    for (int32_t p = 0; p < Count(); ++p)
        if (Clubs[p]->ClubId == id)
            return p;
    return -1;
}

void TZnClubList::IndexIds() const {
    FById.fill(nullptr);
    for (const auto& club : Clubs) {
        const int32_t id = club->ClubId;
        if (id >= 0 && id < ClubCount && FById[static_cast<size_t>(id)] == nullptr)
            FById[static_cast<size_t>(id)] = club.get();
    }
}

TZnClub& TZnClubList::FindById(int32_t id) const {
    const auto at = static_cast<size_t>(id);
    if (id >= 0 && id < ClubCount && (FById[at] == nullptr || FById[at]->ClubId != id))
        IndexIds();
    if (id < 0 || id >= ClubCount || FById[at] == nullptr)
        throw std::out_of_range("no club has id " + std::to_string(id));
    return *FById[at];
}

TZnClub& TZnClubList::ClubById(int32_t id) {
    return FindById(id);
}

const TZnClub& TZnClubList::ClubById(int32_t id) const {
    return FindById(id);
}

std::array<TZnClub*, ClubCount> TZnClubList::ClubsById() {
    std::array<TZnClub*, ClubCount> byId{};
    for (auto& club : Clubs) {
        if (club->ClubId < 0 || club->ClubId >= ClubCount || byId[club->ClubId] != nullptr)
            throw std::out_of_range("club ids are not 0..15");
        byId[club->ClubId] = club.get();
    }
    if (Count() != ClubCount)
        throw std::out_of_range("the league does not have sixteen clubs");
    return byId;
}

void TZnClubList::InitClubs() {
    Clubs.clear();
    for (int32_t i = 0; i < ClubCount; ++i) {
        auto club = std::make_unique<TZnClub>();
        club->ClubId = club->NameIndex = club->Rank = club->PrevRank = i;
        club->Attack = club->Defense = 6000 - 300 * i;
        Clubs.push_back(std::move(club));
    }
    IndexIds();
    ApplyNames();
}

void TZnClubList::SortByStanding() {
    // CompareStanding is a strict total order (PrevRank values are distinct), so any sort
    // gives the same table.
    std::sort(Clubs.begin(), Clubs.end(),
              [](const auto& a, const auto& b) { return a->CompareStanding(*b) < 0; });
    for (int32_t p = 0; p < Count(); ++p)
        Clubs[p]->Rank = p;
}

void TZnClubList::ResetRecords() {
    for (auto& club : Clubs)
        club->ResetRecord();
}

void TZnClubList::ShuffleIds(TZnRandom& random) {
    for (int32_t p = Count() - 1; p >= 1; --p)
        std::swap(Clubs[p], Clubs[random.Below(p + 1)]);
    for (int32_t p = 0; p < Count(); ++p)
        Clubs[p]->ClubId = p;
    IndexIds();
}

void TZnClubList::StorePrevRanks() {
    for (auto& club : Clubs)
        club->PrevRank = club->Rank;
}

namespace {

// "A" for the strongest club of a new league down to "P" for the weakest.
std::string LetterName(int32_t nameIndex) {
    if (nameIndex < 0 || nameIndex >= 26)
        return "?";
    return std::string(1, static_cast<char>('A' + nameIndex));
}

} // namespace

void TZnClubList::ApplyNames() {
    const bool fromList = NameList != nullptr && NameList->size() >= Clubs.size();
    for (auto& club : Clubs) {
        if (fromList)
            club->Name = NameList->at(static_cast<size_t>(club->NameIndex));
        else
            club->Name = LetterName(club->NameIndex);
    }
}

void TZnClubList::ClearCoaches() {
    for (auto& club : Clubs)
        club->Coach = nullptr;
}

void TZnClubList::ReadFromStream(TZnReadStream& stream) {
    for (auto& club : Clubs)
        club->ReadFromStream(stream);
    IndexIds();
    ApplyNames();
}

void TZnClubList::WriteToStream(TZnWriteStream& stream) const {
    for (const auto& club : Clubs)
        club->WriteToStream(stream);
}
