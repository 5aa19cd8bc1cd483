#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QHeaderView>
#include <QWidget>

#include "GameLiveMatchday.h"
#include "GameOdds.h"

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QScrollArea;
class QTableWidget;
class QTimer;
class TLiveAnnouncer;
class TZnGameGoalrun;

// The match centre: the replay of a matchday the engine has already decided, a quarter-hour at a
// time. It shows the player's fixture (clubs, venue, live score, the quarter with a progress
// mark, one line per chance or goal as it falls, the odds at kick-off), the other seven
// fixtures with their live scores, the player's live rank with its change since kick-off, on
// the last five matchdays the title race, and at the end the final score. It shows only the
// recorded rounds; pausing, stepping or skipping changes nothing but what is shown. One timer
// drives it, stopped while paused and after the end. Goals, the half-time score and the final
// score are announced to screen readers without moving the focus.
class TMatchCentre : public QWidget {
    Q_OBJECT
public:
    enum class TSpeed { Slow, Normal, Fast };
    // The time a quarter-hour stands: 2.0, 1.0 and 0.4 s.
    static int IntervalMs(TSpeed speed);

    explicit TMatchCentre(QWidget* parent = nullptr);

    // Starts the replay of `game`'s last matchday, shown at kick-off; false, and nothing started,
    // when the game has no rounds of it.
    bool Start(const TZnGameGoalrun& game);
    // Started and not yet at the final whistle.
    [[nodiscard]] bool IsRunning() const { return FLive.has_value() && FQuarter < Quarters; }
    [[nodiscard]] bool IsPaused() const { return FPaused; }
    // The quarter-hours shown, 0 (kick-off) .. 6 (the end).
    [[nodiscard]] int Quarter() const { return FQuarter; }
    // The replay shown, if any (kept after its end).
    [[nodiscard]] const std::optional<TZnLiveMatchday>& Live() const { return FLive; }
    // The player's place at kick-off and now, 0-based.
    [[nodiscard]] int RankAtKickOff() const { return FRankAtKickOff; }

    // Pauses a running replay, or resumes a paused one.
    void TogglePause();
    // Shows the next quarter-hour at once; the timer starts again from it.
    void StepQuarter();
    // Shows the rest at once: the final score.
    void SkipToEnd();

    [[nodiscard]] TSpeed Speed() const { return FSpeed; }
    void SetSpeed(TSpeed speed);
    [[nodiscard]] bool PausesAtHalfTime() const;
    void SetPauseAtHalfTime(bool pause);

    // The replay's commands, for the window to put in its menu and key map: pause, next
    // quarter-hour, skip, the three speeds and the half-time pause.
    [[nodiscard]] const std::vector<QAction*>& Actions() const { return FActions; }

    // The page whole, as the replay wants it.
    QSize sizeHint() const override;
    // Brings the heading, the score and the result's line into sight.
    void ScrollToTop();

signals:
    // Quarter-hour `quarter` (0..6) is on the screen.
    void QuarterShown(int quarter);
    // The final whistle has been shown (once per replay).
    void Ended();
    // The player changed the speed or the half-time pause.
    void SettingsChanged();

private:
    static constexpr int Quarters = TZnLiveMatchday::Quarters;
    void CreateActions();
    // The page's controls, made at the first replay: a window that is never watched in has none.
    void CreatePage();
    void PlaceInTabOrder();
    void Retranslate();
    // The texts of the page's controls.
    void RetranslatePage();
    void ShowQuarter(int quarter);
    void ShowLines();
    void Announce(const QString& text);
    // How the other fixtures' score and goal columns take their width.
    void SizeScoreColumns(QHeaderView::ResizeMode mode);
    void UpdateActions();
    QString ScoreLine(const TZnLiveScore& score) const;
    QString NameOf(int32_t clubId) const;

    std::optional<TZnLiveMatchday> FLive;
    std::array<QString, 16> FNames;
    std::optional<TZnMatchOdds> FOdds;
    bool FAtHome = true;
    int FQuarter = 0;
    bool FPaused = false;
    int FRankAtKickOff = 0;
    // The player's fixture's lines so far, worded when shown, so that they follow the language.
    struct TEvent {
        int Quarter;
        bool Away;
        bool Goal;
        TZnLiveScore Score; // after the goal
    };
    QString EventText(const TEvent& event) const;
    std::vector<TEvent> FEvents;
    TSpeed FSpeed = TSpeed::Normal;

    QTimer* FTimer;
    QScrollArea* FScroll = nullptr;
    QLabel* FHeading = nullptr;
    QLabel* FScore = nullptr;
    QLabel* FOddsLine = nullptr;
    QLabel* FQuarterLine = nullptr;
    QListWidget* FEventList = nullptr;
    QTableWidget* FOthers = nullptr;
    QLabel* FRankLine = nullptr;
    QLabel* FRaceLine = nullptr;
    QLabel* FEndLine = nullptr;
    TLiveAnnouncer* FAnnouncer = nullptr;
    std::vector<QAction*> FActions;
    QAction* FActPause;
    QAction* FActStep;
    QAction* FActSkip;
    std::array<QAction*, 3> FActSpeed{};
    QAction* FActHalfTime;
};
