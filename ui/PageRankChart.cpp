#include "PageRankChart.h"

#include <QBoxLayout>

#include "GameGoalrun.h"
#include "GamePage.h"
#include "GameRankHistory.h"
#include "GameSeasonRecord.h"
#include "FundsChart.h"
#include "ReportWords.h"
#include "ZnRankChart.h"

TPageRankChart::TPageRankChart(const TZnGameGoalrun& game, QWidget* parent)
    : QWidget(parent), Game(game) {
    ZRankChart = new TZnRankChart;
    ZRankChart->setObjectName(QStringLiteral("ZRankChart"));
    ZRankChart->setAccessibleName(QStringLiteral("順位推移のグラフ"));
    // The coach's funds after each matchday, in small under the ranks.
    ZFundsChart = new TFundsChart;
    ZFundsChart->setObjectName(QStringLiteral("ZFundsChart"));
    ZFundsChart->setAccessibleName(QStringLiteral("資金の推移のグラフ"));
    ZFundsChart->SetMoneyFormat([](int64_t money) { return YenText(money); });
    StackOnPage(*this, {ZRankChart, ZFundsChart});
    if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
        box->setStretchFactor(ZRankChart, 3);
        box->setStretchFactor(ZFundsChart, 1);
    }
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

// The player's line in one sentence, for a screen reader: where the club stands after the last
// matchday played.
QString PlayersLine(const TZnRankChartData& data) {
    for (const TZnChartSeries& series : data.Series) {
        if (!series.IsMine)
            continue;
        if (series.Points.empty())
            return series.Name + QStringLiteral(": まだ試合がありません。");
        const TZnChartPoint& last = series.Points.back();
        return QStringLiteral("%1: 第%2節 %3位 勝点%4")
            .arg(series.Name)
            .arg(series.Points.size())
            .arg(last.Rank + 1)
            .arg(last.Points);
    }
    return {};
}

} // namespace

void TPageRankChart::Refresh() {
    TZnRankChartData data = ChartData(Game);
    ZRankChart->setAccessibleDescription(PlayersLine(data));
    ZRankChart->SetHistory(std::move(data));
    const TZnSeasonReview review = CurrentSeasonReview(Game);
    std::vector<std::optional<int64_t>> funds{
        review.StartKnown ? std::optional<int64_t>(review.MoneyStart) : std::nullopt};
    for (const auto& after : review.Funds)
        funds.push_back(after ? std::optional<int64_t>(*after) : std::nullopt);
    ZFundsChart->SetFunds(std::move(funds), MatchdayCount);
}
