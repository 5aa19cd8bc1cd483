#pragma once

// Challenge codes, difficulties and achievements in the window: the new game's box, the code and
// difficulty in the status bar (the club panel's tip is the window's), the command that copies
// the code, the player's achievements over all games and the note of an achievement just earned.
// What a matchday earns is written to the player's file as soon as the matchday is played, and
// told in the status bar (spoken by screen readers) only when it has been shown, never before
// the final whistle of a watched one.

#include <functional>
#include <optional>
#include <vector>

#include <QList>
#include <QObject>
#include <QString>

#include "GameAchievementsFile.h"

class QAction;
class QLabel;
class QMainWindow;
class QTimer;
class TGameSession;
class TLiveAnnouncer;
class TZnDialogs;

class TChallengePart : public QObject {
    Q_OBJECT
public:
    // How the window runs a command: `action` (or none) gates it by the enabling rule.
    using TRunCommand = std::function<void(QAction* action, const std::function<void()>&)>;

    TChallengePart(TGameSession& session, TZnDialogs& dialogs, QMainWindow& window,
                   TRunCommand run);

    // The ゲーム menu's entries of the part: 実績 and 挑戦コードをコピー.
    [[nodiscard]] QList<QAction*> Actions() const;
    // Keeps the player's achievements in the file at `path` and reads what it holds; without
    // one they are kept for this run only.
    void SetAchievementsFile(const QString& path);
    // The small box after the new-game question: the code and difficulty chosen, or nothing
    // when the player cancels.
    std::optional<TZnGameSetup> AskNewGameSetup();
    // Once the matchday last played is shown: what it earned, in the status bar.
    void NoteNewAchievements();
    // Every text in the window's language.
    void Retranslate();

private:
    void RecordNewAchievements();
    void ShowChallenge();
    [[nodiscard]] QString EarnedNote() const;
    void CopyCode();

    TGameSession& Session;
    TZnDialogs& Dialogs;
    QMainWindow& Window;
    QAction* ActAchievements;
    QAction* ActCopyCode;
    QLabel* ChallengeNote;
    TLiveAnnouncer* AchievementNote;
    QTimer* AchievementNoteTimer; // hides the note a while after the last one
    QString AchievementsPath;     // empty: the achievements are kept for this run only
    std::vector<TZnEarnedAchievement> UserAchievements; // every game's, the first of each
    std::vector<TZnAchievementId> NotedAchievements;    // those of the status bar's note
    std::vector<TZnAchievementId> UnnotedAchievements;  // recorded, waiting for the whistle
    QString UnnotedError; // why those could not be written, told with their note
};
