#pragma once

// The player's achievements over all games, kept per user in one small text file that the
// window reads and writes (goalrun-cli writes none). Each achievement stands once, as the first
// game that earned it earned it, one line each, fields separated by tabs:
//
//   <id> <date YYYY-MM-DD> <season, counted from 1> <difficulty: normal or hard> <code or ->
//
// A line may end in LF or CR LF (a file saved by an editor of another system); the game writes LF.
//
// The file follows the save files' rules: read without blocking, only a regular file, at most its
// first AchievementsFileMaxSize bytes; written whole or not at all (WriteFileAtomically). A line
// that is not such a line is skipped, and so is the rest of a file too large, cut where the bound
// falls: a damaged file costs what is damaged, never the good lines before it, nor the game.
//
// Several copies of the game (one a display) may earn at the same moment. A writer takes an
// exclusive flock on "<file>.lock" beside the file, reads the file again under it and adds its
// lines to what it finds, so no copy's line is ever written over by another's.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "GameAchievements.h"
#include "GameChallenge.h"
#include "GameFileError.h"

// The longest line the game writes: the longest id, a date, the season 2147483648, "normal" and a
// code, with four tabs and a CR LF, as an editor may have turned the LF into.
inline constexpr size_t AchievementLineMaxSize =
    15 + 1 + 10 + 1 + 10 + 1 + 6 + 1 + ChallengeCodeLength + 2;
// Every file the game writes, each id once, is read whole, with room to spare for lines an
// editor or another tool put around them.
inline constexpr size_t AchievementsFileMaxSize = 16 * 1024;
static_assert(AchievementsFileMaxSize >= 16 * AchievementCount * AchievementLineMaxSize);
// How long a writer waits for another copy that holds the lock: that copy holds it only to read
// and write a file of a few hundred bytes.
inline constexpr std::chrono::milliseconds AchievementsLockWait{3000};

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
// when that adds any; a damaged file is written anew with every line that could be read of it, a
// refused one never. The file is read and written under the lock "<path>.lock", waited for at
// most `lockWait` (one try when zero). Returns those added. Throws EZnSaveError when the file is
// refused or cannot be written (a folder or a FIFO in its place included), or the lock is not a
// regular file or stays held by another copy; the file is then as it was.
std::vector<TZnEarnedAchievement>
RecordAchievements(const std::string& path, std::span<const TZnEarnedAchievement> earned,
                   std::chrono::milliseconds lockWait = AchievementsLockWait);
