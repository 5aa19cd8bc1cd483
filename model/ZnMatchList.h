#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class TZnReadStream;
class TZnWriteStream;

// The result of a match seen from one club.
enum TZnMatchResult : uint8_t { mrWin = 0, mrDraw = 1, mrLose = 2 };

// One fixture; it names its clubs by ClubId.
class TZnMatch {
public:
    int32_t AwayId = 0;
    int32_t HomeId = 0;
    bool Played = false;
    int32_t AwayGoals = 0;
    int32_t HomeGoals = 0;

    // Clears the result; the ids stay.
    void Reset();
    // The result for `id`; any id other than HomeId is taken as the away side. An unplayed
    // match reads as a draw.
    TZnMatchResult ResultFor(int32_t id) const;

    // Persisted record: AwayId, HomeId, Played (one byte), AwayGoals, HomeGoals.
    void ReadFromStream(TZnReadStream& stream);
    void WriteToStream(TZnWriteStream& stream) const;
};

// The eight fixtures of one matchday; after PutClubFirst the player's fixture stands first.
class TZnMatchList {
public:
    int32_t Count() const { return static_cast<int32_t>(Items.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    TZnMatch& Matches(int32_t position) { return Items.at(static_cast<size_t>(position)); }
    const TZnMatch& Matches(int32_t position) const {
        return Items.at(static_cast<size_t>(position));
    }

    void Append(const TZnMatch& match) { Items.push_back(match); }
    void Exchange(int32_t a, int32_t b);

    void ReadFromStream(TZnReadStream& stream);
    void WriteToStream(TZnWriteStream& stream) const;

private:
    std::vector<TZnMatch> Items;
};
