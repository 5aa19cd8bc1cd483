#pragma once

// The match report under the command buttons and the season review beside the window: the report
// of the player's latest match (or of any played fixture the fixtures page opens), the review of
// the current season (Ctrl+R, and at a season's end) or of any completed one (from the career
// page), following the game while it shows the current season. Digits typed into the review go on
// into the strengthening box, as Ctrl+B does.

#include <cstdint>
#include <functional>
#include <optional>

#include <QKeySequence>
#include <QObject>

class QAction;
class QComboBox;
class QMainWindow;
class TGameSession;
class TMatchReportView;
class TSeasonReviewDialog;

class TReportsPart : public QObject {
    Q_OBJECT
public:
    // `showReport` ends a running replay and gives the report its place back.
    TReportsPart(TGameSession& session, QMainWindow& window,
                 std::function<void(QAction*, const std::function<void()>&)> run,
                 std::function<void()> showReport);

    [[nodiscard]] TMatchReportView* Report() const { return MatchReport; }
    // Ctrl+R: the current season's review; for the ゲーム menu.
    [[nodiscard]] QAction* ReviewAction() const { return ActSeasonReview; }
    // The strengthening box that Ctrl+B, and digits typed into the review, reach.
    void SetBuildUpBox(QComboBox& box);

    // After a command: the latest match, and an open review of the current season as the game now
    // stands (closed once the next season has begun).
    void ShowLatest();
    // The report of fixture `fixture` of matchday `matchday`, or a word that it is not played.
    void ShowFixture(int32_t matchday, int32_t fixture);
    // The review of the completed season at `careerIndex` of the career, or without it of the
    // current season, which it then follows; `activate` gives it the keyboard.
    void ShowSeason(std::optional<size_t> careerIndex, bool activate);
    // Ctrl+B: the box takes the keyboard, its text selected, from any window.
    [[nodiscard]] static QKeySequence FocusBoxKey();
    void FocusBuildUpBox();
    // A command ran: the next digit typed into the review starts a new amount.
    void CommandRan() { TypingIntoBox = false; }
    void Retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CloseSeasonReview();
    void FollowSeasonReview();

    TGameSession& Session;
    QMainWindow& Window;
    std::function<void()> ShowReport;
    TMatchReportView* MatchReport;
    QAction* ActSeasonReview;
    QComboBox* BuildUpBox = nullptr;
    TSeasonReviewDialog* ReviewDialog = nullptr;
    // The season whose review follows the game; none while the review shows a completed season.
    std::optional<int32_t> ReviewFollowsSeason;
    // Set by Ctrl+B: digits typed in the review go on with the box's amount, until a command
    // runs or the review takes the keyboard again; else the first one starts a new amount.
    bool TypingIntoBox = false;
};
