#pragma once

// The save file: one fixed image of 5122 bytes, every number a little-endian two's complement
// int32 except the fixture's one-byte flag, packed without padding or counts.
//
//   offset  size  section
//        0   126  header: "Vomera" zero-padded to 20 bytes, the title "ゴールラン" in code page 932
//                 (10 bytes) zero-padded to 100, "1.00" zero-padded to 6; must match exactly
//      126   896  16 club records of 56 bytes, in the club list's order:
//                 Defense, Attack, BuildUp, NameIndex, Draws, Played, GoalsAgainst, GoalsFor,
//                 ClubId, Losses, Points, PrevRank, Rank, Wins
//     1022     8  coach: Experience, Money
//     1030  4080  240 fixture records of 17 bytes, matchday 0..29, each in list order:
//                 AwayId, HomeId, Played (1 byte, non-zero is true), AwayGoals, HomeGoals
//     5110     4  the player's ClubId
//     5114     4  Season
//     5118     4  Matchday
//
// Names, the message log and the finished flag are not stored. Bytes after 5122 are ignored by
// the image's reader; the game's records may follow there (GameSaveSections.h).

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "GameSaveSections.h"

class TZnLeague;

inline constexpr size_t SaveHeaderSize = 126;
inline constexpr size_t ClubRecordSize = 56;
inline constexpr size_t CoachRecordSize = 8;
inline constexpr size_t MatchRecordSize = 17;
inline constexpr size_t SaveImageSize = 5122;
// The image and the largest records that may follow it (GameSaveSections.h, GameCareer.h).
size_t SaveFileMaxSize();

// Why a file could not be loaded or saved, for a front end that words it for the player.
enum class TZnFileErrorReason {
    BadName,        // empty, or holding a NUL byte
    NotFound,       // the file, or a folder on its path, does not exist
    NoPermission,   // the user may not read or write it
    ReadOnly,       // it lies on a read-only file system
    NoSpace,        // the disk or the user's quota is full
    NotRegularFile, // a folder, FIFO, device or socket
    NotFolder,      // a file, FIFO, device or socket where a folder should be
    NotSaveFile,    // the header is not this game's
    TooShort,       // shorter than the save image
    Damaged,        // a value or a state the game could not have produced
    SystemError,    // any other failure of the system
};

// The reason an errno value stands for.
TZnFileErrorReason FileErrorReason(int error);

// A file that could not be loaded or saved; what() says why in English (for logs and the CLI),
// Reason() in a form a front end can word itself.
class EZnFileError : public std::runtime_error {
public:
    EZnFileError(const std::string& what, TZnFileErrorReason reason)
        : std::runtime_error(what), FReason(reason) {}
    [[nodiscard]] TZnFileErrorReason Reason() const { return FReason; }

private:
    TZnFileErrorReason FReason;
};

// A save file that cannot be read or that the loader refuses; a refusal of its contents is
// Damaged unless the thrower says otherwise.
class EZnLoadError : public EZnFileError {
public:
    explicit EZnLoadError(const std::string& what,
                          TZnFileErrorReason reason = TZnFileErrorReason::Damaged)
        : EZnFileError(what, reason) {}
};

// A save file that could not be written.
class EZnSaveError : public EZnFileError {
public:
    EZnSaveError(const std::string& what, TZnFileErrorReason reason) : EZnFileError(what, reason) {}
};

// The 126 header bytes every save file begins with.
const std::array<uint8_t, SaveHeaderSize>& SaveHeader();

// Throws EZnLoadError naming the first value of a league read from a file, its player's club
// `myClubId`, that a game could not have produced: ids, name indexes,
// ranks and previous ranks not a permutation of 0..15, a fixture id outside 0..15 or a matchday
// without every club once, goals outside 0..6, a negative BuildUp or one on a club other than the
// player's, Matchday outside 0..30, a negative Season, negative funds or experience of the coach.
// It also refuses a state the game could not carry on from: a fixture before Matchday not played,
// one from Matchday on played or holding goals, a club whose Played, Wins, Draws, Losses, Points,
// GoalsFor or GoalsAgainst differs from what its played fixtures give. Every save the game writes
// passes.
void ValidateSaveState(const TZnLeague& league, int32_t myClubId);

// Reads the first `limit` bytes of a regular file (fewer when it is shorter). The file is opened
// without blocking and checked on the open descriptor, so a FIFO, device, socket or folder is
// refused at once. Throws EZnLoadError when it cannot be opened or read (a missing file:
// NotFound), is not a regular file (NotRegularFile), or the path is empty or holds a NUL byte.
std::vector<uint8_t> ReadRegularFile(const std::string& path, size_t limit);
// ReadRegularFile of the first SaveFileMaxSize() bytes.
std::vector<uint8_t> ReadSaveFile(const std::string& path);

// Whether WriteFileAtomically waits for the folder to reach the disk after its rename.
enum class TZnFolderSync { Wait, Later };

// Replaces the file at `path` with `bytes`, whole or not at all:
// - a symbolic link is followed to the file it names (a dangling one creates it); the link stays;
// - a target that is not a regular file, or an existing file without any write permission bit
//   (for root too) or that access(W_OK) refuses, is refused before anything is written, and
//   nothing at the path changes;
// - an existing file keeps its permission bits and, where the user may set it, its group; a new
//   file gets 0666 less the umask the process started with;
// - the bytes go to an unnamed temporary file (O_TMPFILE) in the target's folder, or a named one
//   where the file system has none, which is flushed, named and renamed over the target, and the
//   folder is flushed after the rename. A kill at any moment leaves the old or the new file. Only
//   a kill between naming and renaming (or, without O_TMPFILE, during the write) leaves a
//   temporary file; its name carries the writer's process id, and the next save in the folder
//   removes those of processes that have ended.
// With TZnFolderSync::Later the folder is not flushed: a power loss soon after may keep the old
// file, never a damaged one (the autosaves, written often, take that for speed).
// Throws EZnSaveError naming the path, after removing any temporary file.
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         TZnFolderSync folderSync = TZnFolderSync::Wait);
