#pragma once

// Save slots and files in the window: the ten slots of the ロード and セーブ menus, opening and
// saving through the file dialogs, dropped files and files handed over by a second copy, the one
// question before unsaved progress is discarded, and what the file commands know of the current
// game. Every way into a load (slot, dialog, drop, hand-over, autosave) ends in Load and its one
// error box.

#include <array>
#include <deque>
#include <functional>
#include <memory>

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QTimer;
class TGameSession;
class TZnDialogs;

// The save slots of the ロード and セーブ menus, "00savedata.sav" to "09savedata.sav".
inline constexpr int SlotCount = 10;

// What the file commands know of the current game; read by tests, changed only by the window.
struct TFormMainFileState {
    // Whether 開く asks to save first: set at the start and by 新規, cleared by a load, a save
    // or a new game. It does not follow play: progress since the last load or save is the game's
    // UnsavedProgress, which the close and every load ask about.
    bool Modified = true;
    bool Untitled = true; // no file name belongs to the current game yet
    // The current file of the open and save dialogs: the last file loaded or saved.
    QString OpenDialogFileName;
    QString SaveDialogFileName;
};

class TFilesPart : public QObject {
    Q_OBJECT
public:
    // How the window runs a command and redraws the game.
    using TRun = std::function<void(QAction*, const std::function<void()>&)>;

    // `appFolder` is where the save folder is looked for.
    TFilesPart(TGameSession& session, TZnDialogs& dialogs, QMainWindow& window,
               const QString& appFolder, TRun run, std::function<void()> refresh);

    [[nodiscard]] const TFormMainFileState& State() const { return Files; }
    // 新規: the open command asks to save first from now on.
    void MarkModified() { Files.Modified = true; }

    // Load and save report a failure in an error box and return false; a failed load leaves the
    // game, the views, the state and the dialogs' file names as they were.
    bool Load(const QString& fileName);
    // A load that leaves the game no file of the player's (an autosave): saving it asks for a
    // name, and the dialogs stay where they were.
    bool LoadUntitled(const QString& fileName);
    bool Save(const QString& fileName);
    bool LoadWithDialog();
    bool SaveWithDialog();
    // Loads the file at `path`; a folder or a missing path is ignored.
    void OpenPath(const QString& path);
    // OpenPath, at once when the window is idle, else once the running command and every box
    // have ended (a file opened under an open box would be what the box's OK then acts on).
    // `keepAlive` is held until the path has been opened.
    void OpenWhenIdle(const QString& path, std::shared_ptr<void> keepAlive = {});
    // The window's commands begin and end here, so that a path handed over waits for them; once
    // a command has ended, the paths that waited are opened.
    void BeginCommand() { ++CommandDepth; }
    void EndCommand() { --CommandDepth; }
    // Opens the paths OpenWhenIdle has kept, when no command runs and no box is open.
    void OpenPending();

    // With unsaved progress, asks whether it may be discarded, `note` on a line of its own below
    // the question; true when there is none or the player answers OK.
    bool UnsavedProgressMayGo(const QString& note = {});
    // The question before a file command replaces a changed game. Yes saves through the dialog
    // and goes on only when that succeeds; No goes on; Cancel stops.
    bool SaveQuestionLetsGoOn();

    // "00savedata.sav" … "09savedata.sav" in the save folder.
    [[nodiscard]] QString SlotPath(int slot) const;
    // Captions and tips of the slot entries: the file's name and a summary of its game, or
    // "<empty>" and "空き".
    void ShowSlots(const std::array<QAction*, SlotCount>& entries, bool enableMissing);
    // The slot entry `sender` (its data is the slot number) loads or saves its slot.
    void LoadSlot(QObject* sender);
    void SaveSlot(QObject* sender);

private:
    bool Succeeded(const QString& fileName, const QString& report);
    bool Failed(const QString& fileName, const QString& message, const QString& reason);

    TGameSession& Session;
    TZnDialogs& Dialogs;
    QMainWindow& Window;
    QString AppFolder;
    TRun Run;
    std::function<void()> Refresh;
    TFormMainFileState Files;
    struct TPendingOpen {
        QString Path;
        std::shared_ptr<void> KeepAlive;
    };
    std::deque<TPendingOpen> PendingOpens;
    int CommandDepth = 0; // commands running, nested ones included
    bool OpeningPending = false;
    QTimer* PendingOpenRetry; // while a box outside any command is open
};
