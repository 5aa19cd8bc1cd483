#pragma once

#include <cstdint>

// The funds of a new coach, in 万円 (2億円).
inline constexpr int32_t StartingMoney = 20000;

class TZnClub;
class TZnReadStream;
class TZnWriteStream;

// The player: manager of one club, with funds in 万円 and experience.
class TZnCoach {
public:
    TZnClub* Club = nullptr; // the player's club; not owned, linked back by TZnClub::Coach
    int32_t Experience = 0;
    int32_t Money = StartingMoney;

    // Experience 0..9 is level 1, 10..19 level 2, and so on.
    int32_t Level() const { return Experience / 10 + 1; }

    // Persisted record: Experience, then Money.
    void ReadFromStream(TZnReadStream& stream);
    void WriteToStream(TZnWriteStream& stream) const;
};
