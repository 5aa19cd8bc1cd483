#include "PageRankChart.h"

#include "GameGoalrun.h"
#include "GamePage.h"
#include "GameRankHistory.h"
#include "ZnRankChart.h"

TPageRankChart::TPageRankChart(const TZnGameGoalrun& game, QWidget* parent)
    : QWidget(parent), Game(game) {
    ZRankChart = new TZnRankChart;
    ZRankChart->setObjectName(QStringLiteral("ZRankChart"));
    StackOnPage(*this, {ZRankChart});
}

namespace {

// The game's side of the chart: every club's course, in the current table order.
TZnRankChartData ChartData(const TZnGameGoalrun& game) {
    TZnRankChartData data{MatchdayCount, ClubCount, {}};
    for (const TZnRankSeries& club : RankHistory(game)) {
        TZnChartSeries series{QString::fromStdString(club.Name), club.IsMine, {}};
        for (const TZnRankPoint& point : club.Points)
            series.Points.push_back({point.Rank, point.Points});
        data.Series.push_back(std::move(series));
    }
    return data;
}

} // namespace

void TPageRankChart::Refresh() {
    ZRankChart->SetHistory(ChartData(Game));
}
