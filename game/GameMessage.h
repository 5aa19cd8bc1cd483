#pragma once

// The messages the game writes into its log, as values: what happened and its numbers, never a
// sentence. The wording of each language (words/) turns them into the lines the player reads.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

// One per kind of log line. The comment names what Numbers (and Name) hold.
enum class TZnMessageId : int32_t {
    Welcome,          // the first line of a new game
    StartingFunds,    // [0] the coach's starting funds, 万円
    GoodLuck,         // the last line of a new game
    MatchWon,         // [0] matchday (1-based), [1] venue (0 home, 1 away); Name the opponent
    MatchDrawn,       // as MatchWon
    MatchLost,        // as MatchWon
    ExperienceGained, // [0] experience points
    BonusGained,      // [0] the win bonus, 万円
    FinalRank,        // [0] final rank (1-based), [1] the prize, 万円
    Champion,         // the title was won
    PerfectSeason,    // ... with thirty wins
    ChampionSeason,   // [0] the season (0-based) of the title
    SeasonStart,      // [0] the season (0-based) that begins
    BuildUpMissing,   // the strengthening box held no positive amount
    BuildUpShort,     // the funds do not reach the amount
    BuildUpInvested,  // [0] the amount invested, 万円
    RecordsDamaged,   // [0] bit k set when records of TZnRecordKind k could not be read
    ImageChanged,     // the image disagrees with its check: the records were left out
    // [0] as RecordsDamaged, the kinds that can be named: the records break off part-way, and
    // whatever stood after the break was lost too
    RecordsBroken,
    RecordsCountWrong, // [0] the count of sections the records give, [1] the sections found
    Count
};

inline constexpr size_t MessageCount = static_cast<size_t>(TZnMessageId::Count);

struct TZnMessage {
    TZnMessage() = default;
    TZnMessage(TZnMessageId id, std::array<int64_t, 4> numbers = {}, std::string name = {})
        : Id(id), Numbers(numbers), Name(std::move(name)) {}

    TZnMessageId Id = TZnMessageId::Welcome;
    std::array<int64_t, 4> Numbers{};
    std::string Name; // a club's name, when the message names one
};
