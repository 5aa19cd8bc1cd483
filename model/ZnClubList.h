#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TZnCoach;
class TZnRandom;
class TZnReadStream;
class TZnWriteStream;

inline constexpr int32_t ClubCount = 16;

// One club of the league: base strengths, the season record and its place in table and fixtures.
class TZnClub {
public:
    int32_t Defense = 0;
    int32_t Attack = 0;
    int32_t BuildUp = 0; // 万円 invested for the next match; non-zero only on the player's club
    std::string Name;    // UTF-8, from the name list or a letter A..P
    int32_t Draws = 0;
    int32_t Played = 0;
    int32_t GoalsAgainst = 0;
    int32_t GoalsFor = 0;
    int32_t ClubId = 0; // the number the fixtures name the club by; renumbered every season
    int32_t Losses = 0;
    TZnCoach* Coach = nullptr; // set on the player's club only; not owned
    int32_t Points = 0;
    int32_t PrevRank = 0; // 0-based final rank of the previous season
    int32_t Rank = 0;     // 0-based current table rank
    int32_t Wins = 0;
    int32_t NameIndex = 0; // the club's lasting identity: its line in the name list

    // Clears the season record; ids, ranks, strengths, name and coach stay.
    void ResetRecord();
    // Adds one played match to the season record: 3 points for a win, 1 for a draw. The
    // strengthening money is spent by the match, whatever its result.
    void RecordMatch(int32_t goalsFor, int32_t goalsAgainst);

    // Coach level x BuildUp for the player's club, 0 for every other club.
    int32_t BuildUpBonus() const;
    int32_t EffectiveAttack() const;
    int32_t EffectiveDefense() const;
    int32_t GoalDifference() const;

    // Negative when this club stands above `other`: points, goal difference, goals scored,
    // then the previous season's rank. Never 0 for two clubs of one league.
    int32_t CompareStanding(const TZnClub& other) const;

    void ReadFromStream(TZnReadStream& stream);
    void WriteToStream(TZnWriteStream& stream) const;
};

// The sixteen clubs, in table order after SortByStanding. Owns its clubs; their addresses
// stay fixed while the list is sorted, so coach links survive.
class TZnClubList {
public:
    TZnClubList() = default;
    // Not copied nor moved: the index by id points into the clubs this list owns.
    TZnClubList(const TZnClubList&) = delete;
    TZnClubList& operator=(const TZnClubList&) = delete;

    const std::vector<std::string>* NameList = nullptr; // not owned

    int32_t Count() const { return static_cast<int32_t>(Clubs.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    TZnClub& Items(int32_t position);
    const TZnClub& Items(int32_t position) const;

    // The first position holding `id`, or -1.
    int32_t IndexOfClubId(int32_t id) const;
    // The club holding `id`, in constant time while the ids stay those the list last gave or
    // read; ids written from outside cost one scan, after which the look-up is constant again
    // (so even the const look-up may write the index: not for two threads at once). Throws
    // std::out_of_range when no club has `id`. Ids are 0..15 each once in every league a game
    // holds; were two clubs to share an id, the one at the first position when the list last
    // indexed its ids is taken.
    TZnClub& ClubById(int32_t id);
    const TZnClub& ClubById(int32_t id) const;
    // Every club at the index of its ClubId, for the many look-ups of one matchday. Throws
    // std::out_of_range unless the ids are 0..15, each once.
    std::array<TZnClub*, ClubCount> ClubsById();

    // The sixteen clubs of a new league, in creation order: club i has strength 6000 - 300 i.
    void InitClubs();
    void SortByStanding();
    void ResetRecords();
    // A Fisher-Yates shuffle drawn from `random`; then ClubId := position.
    void ShuffleIds(TZnRandom& random);
    void StorePrevRanks();
    // Names every club from NameList when it has at least Count() lines, else "A".."P".
    // Throws std::out_of_range for a NameIndex beyond the list.
    void ApplyNames();
    void ClearCoaches();

    // Reads into the clubs the list already holds, then ApplyNames.
    void ReadFromStream(TZnReadStream& stream);
    void WriteToStream(TZnWriteStream& stream) const;

private:
    // Points FById at the club of each id, the first position winning a shared id.
    void IndexIds() const;
    // The club holding `id`; throws std::out_of_range when none does.
    TZnClub& FindById(int32_t id) const;

    std::vector<std::unique_ptr<TZnClub>> Clubs;
    // The club of each id 0..15 as last indexed, or null; a look-up checks the club still holds
    // the id. Not owned.
    mutable std::array<TZnClub*, ClubCount> FById{};
};
