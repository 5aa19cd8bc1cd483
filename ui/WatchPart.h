#pragma once

// Watching a matchday: the choice (試合を観る, in the ゲーム menu and beside 試合開始), the match
// centre that replays the recorded rounds where the match report stands, the live league table
// and fixtures, and the messages held back until the final whistle. The matchday is decided by
// the same engine call as without watching; watching, skipping or pausing never change a result.

#include <vector>

#include <QList>
#include <QObject>

#include "GameMessage.h"

class QAction;
class QCheckBox;
class QMenu;
class QWidget;
class TGameSession;
class TMatchCentre;
class TMessageLogEdit;
class TPageFixtures;
class TPageRankTable;
class TWindowSettings;

class TWatchPart : public QObject {
    Q_OBJECT
public:
    // `window` owns the part's actions and widgets; `log` is where the held messages go.
    TWatchPart(TGameSession& session, QWidget& window, TMessageLogEdit& log);

    // 試合を観る, for the ゲーム menu; the 観戦 submenu with the replay's commands, whose keys the
    // window takes too; the check box beside 試合開始; the centre, for the report's place.
    [[nodiscard]] QAction* WatchAction() const { return ActWatch; }
    [[nodiscard]] QList<QAction*> ReplayActions() const;
    [[nodiscard]] QMenu* Menu() const { return MenuWatch; }
    [[nodiscard]] QCheckBox* CheckBox() const { return CheckWatch; }
    [[nodiscard]] TMatchCentre* Centre() const { return MatchCentre; }

    [[nodiscard]] bool Watching() const;
    [[nodiscard]] bool Running() const;
    // Plays the matchday through the session, then replays it; the views keep the state before
    // kick-off plus what the replay shows.
    void Play();
    // Skips a running replay to its end, so that a command finds the views, the log and the
    // review as after an unwatched matchday. True when a replay was running.
    bool Finish();
    // The pages that move live during a replay; each is told again what the replay shows now.
    void Follow(TPageRankTable& table);
    void Follow(TPageFixtures& fixtures);
    void ShowAgain();

    void ApplyRemembered(TWindowSettings& settings);
    void Retranslate();

signals:
    // The replay begins; it shows the scores after `quarter` (0 at kick-off, 6 at the whistle);
    // the live views end; the replay has ended and the held messages are in the log.
    void Started();
    void LiveQuarter(int quarter);
    void LiveEnded();
    void Ended();

private:
    void Remember();
    void ReplayEnded();

    TGameSession& Session;
    TMessageLogEdit& Log;
    QAction* ActWatch;
    QMenu* MenuWatch;
    QCheckBox* CheckWatch;
    TMatchCentre* MatchCentre;
    // The messages of a watched matchday, until its final whistle.
    std::vector<TZnMessage> HeldMessages;
};
