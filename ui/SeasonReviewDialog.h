#pragma once

#include <QDialog>

class QTableWidget;
class TZnRankChart;
struct TZnSeasonReview;

// The season review: a window of its own beside the main window, never modal, so every key of
// the game still works while it is open (the main window hands it its actions). A table names
// what the season brought (rank, points, results, goals, prize, funds, investment, bonuses,
// level, best win, worst defeat, runs); what the game does not know, for a season loaded
// without its records, reads "不明". Below it the player's rank after each matchday in small.
class TSeasonReviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSeasonReviewDialog(QWidget* parent = nullptr);

    // Shows `review` of the player's club `clubName`.
    void ShowReview(const TZnSeasonReview& review, const QString& clubName);

private:
    QTableWidget* FTable;
    TZnRankChart* FChart;
};
