#pragma once

// The player's kept games: one folder a game under the library's root (the window's is
// $XDG_DATA_HOME/goalrun/games), named after the game's identity (GameIdentity.h), each holding
// that game's rotating autosaves (GameAutosave.h). A game's autosaves are written only into its
// own folder, so nothing one game does removes or overwrites another's.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "GameChallenge.h"
#include "GameFileError.h"
#include "GameIdentity.h"

class TZnGameGoalrun;
class TZnAutosaveFolder;

// One kept game as its newest autosave that loads tells it.
struct TZnKeptGame {
    TZnGameId Id;
    std::string Folder;
    bool Readable = false; // an autosave loaded; else Reason and Error say why none did
    TZnFileErrorReason Reason = TZnFileErrorReason::NotFound;
    std::string Error;                   // English, for the CLI and a tool tip
    std::string Source;                  // the autosave the figures come from
    std::vector<std::string> PassedOver; // newer autosaves that could not be loaded
    std::optional<TZnChallengeCode> Code;
    TZnDifficulty Difficulty = TZnDifficulty::Normal;
    int32_t Season = 0;   // 0-based
    int32_t Matchday = 0; // matchdays played
    int32_t Rank = 0;     // 0-based
    int32_t Titles = 0;
    int32_t Money = 0; // the coach's funds, 万円
    int64_t Progress = 0;
    uint32_t ImageCrc = 0;    // of the source's image
    int64_t LastPlayedNs = 0; // the source's time of change, nanoseconds since 1970 (UTC)
};

// Loads into `game` the newest autosave of `folder` whose image agrees with its check; the
// paths of newer ones that could not be loaded are appended to `passedOver`, and `lastError`,
// when given, takes why the last of them failed. Returns the path loaded, or nothing when none
// loads (the game is then as it was).
std::optional<std::string> LoadNewestAutosave(TZnGameGoalrun& game, const TZnAutosaveFolder& folder,
                                              std::vector<std::string>& passedOver,
                                              EZnLoadError* lastError = nullptr);

// Whether a game opened from a file, at `progress` with an image of CRC `imageCrc`, carries on
// the kept game of its identity: when that game holds no newer state. An older state, or another
// one as far on, begins a lineage of its own, so that no newer autosave is rotated away.
bool ContinuesKeptGame(const TZnKeptGame& kept, int64_t progress, uint32_t imageCrc);

// The CRC-32 of the image `game` saves as, as TZnKeptGame::ImageCrc holds it.
uint32_t ImageCrcOf(const TZnGameGoalrun& game);

class TZnGameLibrary {
public:
    // `root`: the folder of the games' folders, with or without a trailing '/'.
    explicit TZnGameLibrary(std::string root);

    [[nodiscard]] const std::string& Root() const { return FRoot; }
    [[nodiscard]] std::string FolderOf(const TZnGameId& id) const;

    // Every kept game, the one played last first; folders not named as a game are passed by.
    // A missing root holds none.
    [[nodiscard]] std::vector<TZnKeptGame> Games() const;
    // The games with an autosave, the one played last first, told by the times their autosaves
    // were written alone, without reading any.
    [[nodiscard]] std::vector<TZnGameId> PlayedLast() const;
    // The kept game `id`, read now; nothing when it has no folder.
    [[nodiscard]] std::optional<TZnKeptGame> Game(const TZnGameId& id) const;

    // Brings the autosave folder of earlier releases, `folder`, in as the lineage of game `id`
    // by one rename, so that nothing of it is lost. A folder without an autosave is left alone.
    // True when it moved; throws EZnSaveError when it holds autosaves and cannot move.
    bool Adopt(const std::string& folder, const TZnGameId& id) const;

private:
    // The games' folders, in no order.
    [[nodiscard]] std::vector<TZnGameId> Ids() const;

    std::string FRoot; // without a trailing '/'
};
