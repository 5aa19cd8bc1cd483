#pragma once

#include <cstdint>

#include <QWidget>

class QLabel;
class QScrollArea;
class QTableWidget;
class TZnGameGoalrun;
struct TZnFixtureReport;
struct TZnPlayerMatchReport;

// The match report: one fixture of a played matchday. Its heading names the matchday, the clubs
// and the score; a table gives the six rounds (a quarter of an hour each) with the chances and
// goals of each side and their totals; for the player's fixture a second table tells what stood
// behind it: the investment and what it added, the strengths and odds at kick-off, the outcome,
// bonus, experience, rank and funds. A fixture the game has no rounds of shows the score alone.
// Everything is plain text in tables, read row by row by a screen reader.
class TMatchReportView : public QWidget {
    Q_OBJECT
public:
    explicit TMatchReportView(QWidget* parent = nullptr);

    // The player's fixture of the last matchday played, or a line saying none was played yet.
    void ShowLatest(const TZnGameGoalrun& game);
    // Fixture `fixture` (list position, the player's first) of played matchday `matchday`
    // (1-based); false, and the view unchanged, when that matchday has not been played.
    bool ShowFixture(const TZnGameGoalrun& game, int32_t matchday, int32_t fixture);

    // The wrapped heading fits whatever width the view is given; the window's size is never
    // asked to grow for it.
    bool hasHeightForWidth() const override { return false; }
    // The heading and the six quarter-hours: what the window's initial size shows whole.
    QSize sizeHint() const override;

private:
    // The captions, names and the rounds' times in the application's language.
    void Retranslate();
    void ShowRounds(const TZnFixtureReport& fixture);
    void ShowMine(const TZnPlayerMatchReport& mine);
    // The table of the player's own match, made when first shown.
    QTableWidget& Details();
    void RetranslateDetails();

    QLabel* FHeading;
    QTableWidget* FRounds;
    QTableWidget* FDetails = nullptr;
    QLabel* FNote;
    QScrollArea* FScroll;
};
