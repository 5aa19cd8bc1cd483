#pragma once

#include <optional>
#include <utility>

#include <QDialog>
#include <QString>

#include "GameSeasonRecord.h"

class QLabel;
class QTableWidget;
class TZnRankChart;

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
    QLabel* FHeadline; // the title, above everything else, in a season that won it
    QTableWidget* FTable;
    TZnRankChart* FChart;
    // What is shown, worded anew when the language changes.
    std::optional<std::pair<TZnSeasonReview, QString>> FShown;
};
