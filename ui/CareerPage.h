#pragma once

#include <vector>

#include <QWidget>

#include "CareerModel.h"
#include "ZnCareerChart.h"

class QTableView;
class TCareerModel;
class TZnCareer;
class TZnGameGoalrun;

// The chart's data for a career: one point per completed season, oldest first, each with the
// season's whole line as its tool tip.
std::vector<TZnCareerPoint> CareerChartSeries(const TZnCareer& career);

// The "監督経歴" page: the career chart above, the table of the completed seasons below, newest
// first. An empty career shows only the chart's "まだ終えたシーズンはありません。".
class TCareerPage : public QWidget {
    Q_OBJECT

public:
    explicit TCareerPage(QWidget* parent = nullptr);

    // Shows the game's career as it stands now.
    void Refresh(const TZnGameGoalrun& game);
    void Refresh(const TZnCareer& career);

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    [[nodiscard]] int ColumnWidth(TCareerColumn column, qint64 largest) const;

    TZnCareerChart* FChart;
    QTableView* FTable;
    TCareerModel* FModel;
};
