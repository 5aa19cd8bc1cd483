#pragma once

// The one writer of the game in the window: every command that changes the game runs here, and
// each change is announced once, when it happened, to the parts that follow the game (the
// autosaves, the achievements, the reports, the files). The window's views read the game and are
// redrawn by the window itself after each command, in the order its commands fix.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "GameGoalrun.h"

class TZnAutosaveFolder;
class TZnMessageLog;

class TGameSession : public QObject {
    Q_OBJECT
public:
    // `game` is not owned and outlives the session.
    explicit TGameSession(TZnGameGoalrun& game, QObject* parent = nullptr);

    [[nodiscard]] const TZnGameGoalrun& Game() const { return FGame; }

    // The commands, each the engine's own (GameGoalrun.h) followed by its announcements.
    void PlayMatchday();
    std::optional<int32_t> InvestBuildUp(const QString& boxText);
    void NextSeason();
    void NewGame(const TZnGameSetup& setup);
    // Throws EZnLoadError as the engine does; a refused file changes and announces nothing.
    void Load(const std::string& path);
    // Loads the newest autosave of `folder` that holds (GameLibrary.h); false when none does.
    bool LoadNewestAutosave(const TZnAutosaveFolder& folder, std::vector<std::string>& passedOver);
    // Throws EZnSaveError as the engine does.
    void Save(const std::string& path);

    // The game is, from now on, the one named `id` (a game of its own, or the kept game its
    // folder names): no change of its play, so nothing is announced.
    void SetIdentity(const TZnGameId& id);
    // A new identity from the game's source.
    void NewIdentity();

    // Where the engine's messages go while the session stands (the log, or a replay's holder).
    void SetMessageLog(TZnMessageLog* log);
    void SetTeamNames(std::vector<std::string> names);

    [[nodiscard]] bool UnsavedProgress() const { return FGame.UnsavedProgress(); }

signals:
    // The game changed by a command of its own (a matchday, an investment, a season).
    void StateChanged();
    // A matchday was played; StateChanged follows.
    void MatchdayPlayed();
    // Another game took the place of the one before (a new game, a load).
    void GameReplaced();
    // Whether closing or loading would lose progress, each time that changes.
    void UnsavedProgressChanged(bool unsaved);

private:
    void Changed();
    void Replaced();
    void AnnounceUnsaved();

    TZnGameGoalrun& FGame;
    bool Unsaved = false;
};
