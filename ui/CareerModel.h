#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "GameCareer.h"

// The columns of the career table, left to right.
enum class TCareerColumn {
    Season,
    Rank,
    Points,
    Wins,
    Draws,
    Losses,
    GoalsFor,
    GoalsAgainst,
    Prize,
    Money,
    Level,
    Title,
    Count
};

// The caption of a column and the text of one season's cell, shared by the table and the chart's
// tool tips so both show a season alike. Money reads as the rest of the window shows it
// ("1億2000万円"); a title is "★", any other season an empty text.
QString CareerColumnCaption(TCareerColumn column);
QString CareerCellText(const TZnSeasonRecord& season, TCareerColumn column);
// The number behind a cell (1-based season and rank, 万円, 1 for a title) and its text.
qint64 CareerCellValue(const TZnSeasonRecord& season, TCareerColumn column);
QString CareerValueText(qint64 value, TCareerColumn column);
// The whole of a season in one tool tip: "3季 2位 勝点45 …" and, for a title, "優勝".
QString CareerSeasonLine(const TZnSeasonRecord& season);

// The completed seasons of a career as table rows, newest first. Holds its own copy (at most
// 10,000 records of 48 bytes), so no career it was shown has to outlive it.
class TCareerModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void Reset(const TZnCareer& career);
    // The season a row shows; row 0 is the newest.
    [[nodiscard]] const TZnSeasonRecord& Season(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TZnSeasonRecord> FSeasons; // oldest first, as the career keeps them
};
