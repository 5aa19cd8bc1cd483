#pragma once

#include <vector>

#include <QWidget>

#include "CareerModel.h"
#include "ZnCareerChart.h"

class QHBoxLayout;
class QLabel;
class QTableView;
class TCareerModel;
class TRecordsBookView;
class TZnCareer;
class TZnGameGoalrun;

// The chart's data for a career: one point per completed season, oldest first, each with the
// season's whole line as its tool tip.
std::vector<TZnCareerPoint> CareerChartSeries(const TZnCareer& career);

// The "監督経歴" page: the career chart and the career's records book beside it above, the table
// of the completed seasons below, newest first. An empty career shows only the chart's
// "まだ終えたシーズンはありません。". Double-click or Enter on a season asks for its review.
class TCareerPage : public QWidget {
    Q_OBJECT

public:
    explicit TCareerPage(QWidget* parent = nullptr);

    // Shows the game's career and its records book as they stand now.
    void Refresh(const TZnGameGoalrun& game);
    void Refresh(const TZnCareer& career);

    QSize sizeHint() const override;

signals:
    // The player opened the season at `index` of the career (0 = the oldest kept).
    void SeasonActivated(size_t index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    // Builds the table's columns and the records book, which only a career with seasons shows.
    void BuildSeasonParts();
    [[nodiscard]] int ColumnWidth(TCareerColumn column, qint64 largest) const;

    TZnCareerChart* FChart;
    QTableView* FTable;
    TCareerModel* FModel;
    QHBoxLayout* FTop = nullptr; // the chart, and the records book beside it
    TRecordsBookView* FRecords = nullptr;
    QLabel* FChallenge; // the game's code and difficulty, when it has either
};
