#pragma once

// The player's achievements over all games, kept per user in one small text file that the
// window reads and writes (goalrun-cli writes none). Each achievement stands once, as the first
// game that earned it earned it, one line each, fields separated by tabs:
//
//   <id> <date YYYY-MM-DD> <season, counted from 1> <difficulty: normal or hard> <code or ->
//
// The file follows the save files' rules: read without blocking, only a regular file, at most
// AchievementsFileMaxSize bytes; written whole or not at all (WriteFileAtomically). A line that
// is not such a line is skipped, and a file too large is not read at all: a damaged file costs
// what it holds, never the game.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "GameAchievements.h"
#include "GameChallenge.h"
#include "GameSaveData.h"

inline constexpr size_t AchievementsFileMaxSize = 16 * 1024;

struct TZnEarnedAchievement {
    TZnAchievementId Id = TZnAchievementId::FirstWin;
    std::string Date;   // YYYY-MM-DD
    int32_t Season = 0; // 0-based
    TZnDifficulty Difficulty = TZnDifficulty::Normal;
    std::optional<TZnChallengeCode> Code;

    bool operator==(const TZnEarnedAchievement&) const = default;
};

enum class TZnAchievementsFileState {
    Missing, // no file yet
    Read,    // every line read
    Damaged, // lines skipped, or too large to read
    Refused, // not a regular file, or not readable
};

struct TZnAchievementsFile {
    TZnAchievementsFileState State = TZnAchievementsFileState::Missing;
    std::vector<TZnEarnedAchievement> Earned;                // in the file's order, each id once
    TZnFileErrorReason Reason = TZnFileErrorReason::Damaged; // why it was Refused
};

// The achievements `bytes` hold; `damaged` is set when a line had to be skipped.
std::vector<TZnEarnedAchievement> ParseAchievements(std::span<const uint8_t> bytes, bool& damaged);
std::vector<uint8_t> AchievementsBytes(std::span<const TZnEarnedAchievement> earned);

// Never throws: whatever is wrong with the file is told by State.
TZnAchievementsFile ReadAchievementsFile(const std::string& path);

// Adds to the file at `path` the achievements of `earned` it does not hold yet and writes it
// when that adds any; a damaged file is written anew with what could be read of it, a refused
// one never. Returns those added. Throws EZnSaveError when the file is refused or cannot be
// written (a folder or a FIFO in its place included); the file is then as it was.
std::vector<TZnEarnedAchievement> RecordAchievements(const std::string& path,
                                                     std::span<const TZnEarnedAchievement> earned);
