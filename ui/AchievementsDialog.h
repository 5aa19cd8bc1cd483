#pragma once

#include <span>

#include <QDialog>

#include "GameAchievementsFile.h"

class QTableWidget;

// Every achievement, earned or not: its name, its condition and, once earned, the date, the
// season, the difficulty and the code of the game that earned it first. A table of plain text.
class TAchievementsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TAchievementsDialog(std::span<const TZnEarnedAchievement> earned,
                                 QWidget* parent = nullptr);

private:
    // Fills the table, one row an achievement in the listed order; returns how many are earned.
    int Fill(std::span<const TZnEarnedAchievement> earned);

    QTableWidget* FTable;
};
