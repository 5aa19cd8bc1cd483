#pragma once

// What a new game is started with beyond the names: an optional challenge code, which makes every
// draw of the game follow from it, and the difficulty, which sets the starting funds and the win
// bonus. A game with no code at 普通 is the game as it has always been.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ZnRandom.h"

// The characters a code is written with: digits and capital letters, without those that look
// like one another (0 and O, 1, I and L).
inline constexpr std::string_view ChallengeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr size_t ChallengeCodeLength = 8;

// A text that is not a challenge code; what() says why, in English, naming the alphabet.
class EZnChallengeCode : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Eight characters of ChallengeAlphabet, kept as the number they write in base 31 (the first
// character the most significant), below 31^8.
class TZnChallengeCode {
public:
    // Reads a code: ASCII white space around it ignored, letters in either case. Throws
    // EZnChallengeCode for anything else (another length, counted in UTF-8 characters, or a
    // character outside the alphabet, which the message shows).
    static TZnChallengeCode Parse(std::string_view text);
    // The code of the number `value` (taken modulo 31^8).
    static TZnChallengeCode FromValue(uint64_t value);
    // A code drawn from two answers of `source` (the clock by default).
    static TZnChallengeCode Draw(const TZnRandom::TZnSeedSource& source = ClockSeedSource());

    [[nodiscard]] uint64_t Value() const { return FValue; }
    // The eight characters, capital letters.
    [[nodiscard]] std::string Text() const;

    // The seed the matchday `matchday` (0-based) of season `season` is played with, and the one
    // the clubs' numbers of season `season` are shuffled with. Both depend on nothing but the
    // code and their arguments, so what the player invests in one matchday changes no draw of
    // another, and the same code gives the same draws on every machine.
    [[nodiscard]] uint32_t MatchdaySeed(int32_t season, int32_t matchday) const;
    [[nodiscard]] uint32_t ShuffleSeed(int32_t season) const;

    bool operator==(const TZnChallengeCode&) const = default;

private:
    explicit TZnChallengeCode(uint64_t value) : FValue(value) {}
    uint64_t FValue = 0;
};

enum class TZnDifficulty : uint8_t { Easy = 0, Normal = 1, Hard = 2 };
inline constexpr int32_t DifficultyCount = 3;

// The numbers a difficulty changes, in 万円.
struct TZnRules {
    int32_t StartingMoney = 0;
    int32_t WinBonus = 0;
};
// 普通 is the game's own rules: 2億円 to start, 100万円 a win.
TZnRules RulesOf(TZnDifficulty difficulty);
// "easy", "normal" or "hard", as goalrun-cli and the save's readers name them.
std::string_view DifficultyKey(TZnDifficulty difficulty);
std::optional<TZnDifficulty> DifficultyOfKey(std::string_view key);
// Achievements count only at a fair difficulty.
inline bool AchievementsCount(TZnDifficulty difficulty) {
    return difficulty != TZnDifficulty::Easy;
}

struct TZnGameSetup {
    std::optional<TZnChallengeCode> Code;
    TZnDifficulty Difficulty = TZnDifficulty::Normal;

    [[nodiscard]] TZnRules Rules() const { return RulesOf(Difficulty); }
    bool operator==(const TZnGameSetup&) const = default;
};
