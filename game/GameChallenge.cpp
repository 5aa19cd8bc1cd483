#include "GameChallenge.h"

#include <array>

#include "ConstsGoalrun.h"
#include "ZnCoach.h"

namespace {

constexpr uint64_t Base = ChallengeAlphabet.size();

constexpr uint64_t CodeCount() {
    uint64_t count = 1;
    for (size_t i = 0; i < ChallengeCodeLength; ++i)
        count *= Base;
    return count;
}

// splitmix64's finaliser: every bit of the result depends on every bit of `z`, with the same
// 64-bit arithmetic on every machine.
uint64_t Mix(uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The seeds of one code: the code, then the season, then what the seed is for, each mixed in
// whole, so no two (season, purpose) pairs share a stream.
uint32_t SeedOf(uint64_t code, int32_t season, uint32_t purpose) {
    const uint64_t z = Mix(Mix(Mix(code) ^ static_cast<uint32_t>(season)) ^ purpose);
    return static_cast<uint32_t>(z ^ (z >> 32));
}

// The purpose of the shuffle's seed: after the thirty matchdays' own.
constexpr uint32_t ShufflePurpose = 0x100;

bool IsAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The bytes of the UTF-8 character `text` begins with; 1 for a byte that begins none, which then
// counts as one character of its own.
size_t CharacterSize(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const size_t size = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 1;
    if (size == 1 || text.size() < size)
        return 1;
    // No overlong form, surrogate or value beyond U+10FFFF.
    const unsigned second = byte(1);
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high)
        return 1;
    for (size_t i = 2; i < size; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 1;
    return size;
}

} // namespace

TZnChallengeCode TZnChallengeCode::Parse(std::string_view text) {
    while (!text.empty() && IsAsciiSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsAsciiSpace(text.back()))
        text.remove_suffix(1);
    const std::string rule = "a challenge code is " + std::to_string(ChallengeCodeLength) +
                             " characters of " + std::string(ChallengeAlphabet);
    // Counted as the player sees them: "SAKURA2Ö" is eight characters, one of them wrong.
    size_t characters = 0;
    for (size_t at = 0; at < text.size(); at += CharacterSize(text.substr(at)))
        ++characters;
    if (characters != ChallengeCodeLength)
        throw EZnChallengeCode(rule + ", not " + std::to_string(characters));
    uint64_t value = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        const size_t digit = ChallengeAlphabet.find(upper);
        if (digit == std::string_view::npos) {
            const auto byte = static_cast<unsigned char>(c);
            const size_t size = CharacterSize(text.substr(at));
            const std::string shown = size > 1 || (byte >= 0x21 && byte < 0x7F)
                                          ? "'" + std::string(text.substr(at, size)) + "'"
                                          : "byte " + std::to_string(byte);
            throw EZnChallengeCode(rule + " (0, 1, I, L and O are never used), not " + shown);
        }
        value = value * Base + digit;
    }
    return TZnChallengeCode(value);
}

TZnChallengeCode TZnChallengeCode::FromValue(uint64_t value) {
    return TZnChallengeCode(value % CodeCount());
}

TZnChallengeCode TZnChallengeCode::Draw(const TZnRandom::TZnSeedSource& source) {
    const uint64_t high = source(0);
    return FromValue(Mix((high << 32) | source(static_cast<uint32_t>(high))));
}

std::string TZnChallengeCode::Text() const {
    std::string text(ChallengeCodeLength, ' ');
    uint64_t value = FValue;
    for (size_t i = ChallengeCodeLength; i-- > 0; value /= Base)
        text[i] = ChallengeAlphabet[value % Base];
    return text;
}

uint32_t TZnChallengeCode::MatchdaySeed(int32_t season, int32_t matchday) const {
    return SeedOf(FValue, season, static_cast<uint32_t>(matchday));
}

uint32_t TZnChallengeCode::ShuffleSeed(int32_t season) const {
    return SeedOf(FValue, season, ShufflePurpose);
}

TZnRules RulesOf(TZnDifficulty difficulty) {
    switch (difficulty) {
    case TZnDifficulty::Easy:
        return {30000, 150};
    case TZnDifficulty::Hard:
        return {10000, 50};
    case TZnDifficulty::Normal:
        break;
    }
    return {StartingMoney, WinBonus};
}

namespace {
constexpr std::array<std::string_view, DifficultyCount> DifficultyKeys = {"easy", "normal", "hard"};
} // namespace

std::string_view DifficultyKey(TZnDifficulty difficulty) {
    return DifficultyKeys.at(static_cast<size_t>(difficulty));
}

std::optional<TZnDifficulty> DifficultyOfKey(std::string_view key) {
    for (size_t i = 0; i < DifficultyKeys.size(); ++i)
        if (DifficultyKeys[i] == key)
            return static_cast<TZnDifficulty>(i);
    return std::nullopt;
}
