#pragma once

// The player's games, kept without being asked: after every matchday, after 次季へ and at the
// close the game goes to the newest of three rotating autosaves in its own folder of the kept
// games (AutosaveKeeper.h, GameLibrary.h), and the next start continues the game played last. A
// new game, a load or another copy never touches another game's autosaves; a failed write leaves
// the game playing and says why in the status bar. The ゲーム menu holds the choice, the ロード
// menu the list of games and the followed game's autosaves.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QList>
#include <QObject>
#include <QString>

#include "GameIdentity.h"

class QAction;
class QEvent;
class QLabel;
class QMainWindow;
class TAutosaveKeeper;
class TGameSession;
class TWindowSettings;
class TZnDialogs;

class TGameKeeper : public QObject {
    Q_OBJECT
public:
    // What the part asks of the window: to run a command (by the enabling rule when `action` is
    // given), to redraw the game, to load an autosave as the files' commands load a file but as
    // no file of the player's (true when loaded), and whether unsaved progress may go.
    struct THooks {
        std::function<void(QAction* action, const std::function<void()>&)> Run;
        std::function<void()> Refresh;
        std::function<bool(const QString& path)> LoadFile;
        std::function<bool()> UnsavedProgressMayGo;
    };

    TGameKeeper(TGameSession& session, TZnDialogs& dialogs, QMainWindow& window, THooks hooks);
    ~TGameKeeper() override;

    // The part's commands: the ゲーム menu's (終了時に続きを保存) and the ロード menu's
    // (ゲーム一覧…); then the ロード menu's entries of the followed game's autosaves (自動保存1–3).
    [[nodiscard]] QList<QAction*> Actions() const;
    [[nodiscard]] QList<QAction*> LoadActions() const;
    [[nodiscard]] QList<QAction*> AutosaveEntries() const;

    // Only a copy that holds the single-copy lock (`lockHeld`) writes autosaves and continues
    // from them at the start, unless `startNew` (goalrun --new-game) asks for a new game. A
    // part never told keeps nothing, as before autosaves existed.
    void SetRole(bool lockHeld, bool startNew);
    void ApplyRemembered(TWindowSettings& settings);
    // At the first activation: brings the autosaves of earlier releases in as one game and,
    // unless `withFile` or --new-game, continues the game played last from its newest autosave
    // that loads.
    void Start(bool withFile);
    // The game as it stands, written at once: true when it is kept, so the window may close
    // without a question.
    bool KeepAtClose();
    // What the status bar says of the autosaves: why none is kept, or nothing.
    [[nodiscard]] QString NoteText() const;
    // The captions and tips of the autosave entries, as the ロード menu opens.
    void ShowCaptions();
    void Retranslate();

protected:
    // The write KeepLater posts.
    bool event(QEvent* event) override;

private:
    [[nodiscard]] bool KeepsPlace() const;
    bool ContinueKeptGame(const TZnGameId& id);
    void FollowGame();
    void FollowReplacedGame();
    void StateChanged();
    void KeepLater();
    bool KeepNow();
    void ShowNote();
    void LoadAutosave(int n);
    void ShowGames();

    TGameSession& Session;
    TZnDialogs& Dialogs;
    QMainWindow& Window;
    THooks Hooks;
    enum class TRole { Untold, NotLockHolder, LockHolder };
    TRole Role = TRole::Untold;
    bool StartNew = false;
    std::unique_ptr<TAutosaveKeeper> Autosaves;
    std::optional<std::vector<uint8_t>> PendingPlace; // the game image to write next
    bool PlacePosted = false;
    bool Continuing = false;                 // a kept game is being continued
    std::pair<int32_t, int32_t> Kept{-1, 0}; // the season and matchday last taken
    QAction* ActKeepPlace;
    QAction* ActGames;
    std::array<QAction*, 3> MIAutosaveLoad{};
    QLabel* AutosaveNote;
};
