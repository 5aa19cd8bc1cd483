#pragma once

// The window's hold on the autosaves of the game it plays (game/GameAutosave.h), in that game's
// own folder of the player's kept games (game/GameLibrary.h). Copies of the program on different
// displays each hold a single-copy lock of their own, so each game's folder has a lock of its own
// too: the copy that takes it writes that game's autosaves for as long as it plays it, and any
// other keeps none of them. A write of the game image the newest autosave already holds is
// skipped, so opening and closing the window never pushes the older ones out.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "GameAutosave.h"
#include "GameLibrary.h"
#include "GameSaveData.h"

class TZnLockFile;

class TAutosaveKeeper {
public:
    enum class TState {
        Unclaimed, // nothing tried yet, or no folder to continue from at the start
        Kept,      // this copy holds the folder and its last write, if any, succeeded
        Failed,    // the folder or the last write was refused; see Reason and Error
        Elsewhere, // another running copy holds the folder
    };

    // `games`: GamesFolder(), or any other in tests. Follows no game until told.
    explicit TAutosaveKeeper(const QString& games);
    ~TAutosaveKeeper();
    TAutosaveKeeper(const TAutosaveKeeper&) = delete;
    TAutosaveKeeper& operator=(const TAutosaveKeeper&) = delete;

    // The player's kept games.
    [[nodiscard]] const TZnGameLibrary& Library() const { return Games; }
    // Keeps the autosaves of game `id` from now on: the hold on another game's folder, and what
    // was known of it, are let go.
    void Follow(const TZnGameId& id);
    [[nodiscard]] const std::optional<TZnGameId>& Followed() const { return FollowedId; }
    // The followed game's autosaves, for loading them (Existing names those there).
    [[nodiscard]] const TZnAutosaveFolder& Autosaves() const { return Folder; }

    // Takes the folder for this copy: prepares it (TZnAutosaveFolder::Prepare) and takes its lock.
    // Without `make`, a folder that does not exist yet is left alone (Unclaimed): it is made at
    // the first write. Once Kept or Elsewhere, that stays for the run; a failure is tried again.
    TState Claim(bool make);
    [[nodiscard]] TState State() const;
    // Autosave `n`, 1 (the newest) to TZnAutosaveFolder::Count.
    [[nodiscard]] QString Path(int n) const;
    // The autosaves to continue from, newest first; none unless Kept.
    [[nodiscard]] std::vector<std::string> Existing() const;
    // The newest autosave holds `image` (the game was continued from it).
    void Continued(std::vector<uint8_t> image) { KeptImage = std::move(image); }
    // Keeps `image` as the newest autosave, claiming the folder first when needed. True when it
    // is kept (written now, or held already); false when this copy keeps none or the write
    // failed, which leaves every older autosave as it was.
    bool Keep(std::vector<uint8_t> image);

    // The last failure's reason and English description (for a tool tip); valid when Failed.
    [[nodiscard]] TZnFileErrorReason Reason() const { return FailureReason; }
    [[nodiscard]] const QString& Error() const { return FailureText; }

private:
    void Fail(TZnFileErrorReason reason, const QString& text);

    TZnGameLibrary Games;
    std::optional<TZnGameId> FollowedId;
    TZnAutosaveFolder Folder;
    std::unique_ptr<TZnLockFile> Lock;
    bool Elsewhere = false;
    bool Failing = false;
    TZnFileErrorReason FailureReason = TZnFileErrorReason::SystemError;
    QString FailureText;
    std::vector<uint8_t> KeptImage;
};
