#include "SeasonReviewDialog.h"

#include <algorithm>

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "GameSeasonRecord.h"
#include "ReportWords.h"
#include "ZnClubList.h"
#include "ZnMatchesConsts.h"
#include "ZnRankChart.h"

namespace {

// "第1節 12位から第30節 3位まで、最高2位": the player's course in one line.
QString CourseLine(const std::vector<int32_t>& ranks) {
    if (ranks.empty())
        return QStringLiteral("まだ試合がありません。");
    return QStringLiteral("第1節 %1から第%2節 %3まで、最高%4")
        .arg(RankText(ranks.front()))
        .arg(ranks.size())
        .arg(RankText(ranks.back()), RankText(*std::min_element(ranks.begin(), ranks.end())));
}

} // namespace

TSeasonReviewDialog::TSeasonReviewDialog(QWidget* parent)
    : QDialog(parent), FChart(new TZnRankChart(this)) {
    setObjectName(QStringLiteral("SeasonReviewDialog"));
    setModal(false);
    FTable = NewReportTable(QStringLiteral("TableSeasonReview"), QStringLiteral("シーズンレビュー"),
                            {QStringLiteral("項目"), QStringLiteral("値")});
    FChart->setObjectName(QStringLiteral("ZReviewRankChart"));
    FChart->setAccessibleName(QStringLiteral("今季の順位推移"));
    FChart->setFixedHeight(170);
    FTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTable);
    layout->addWidget(FChart);
    layout->addStretch(1);
}

void TSeasonReviewDialog::ShowReview(const TZnSeasonReview& r, const QString& clubName) {
    const bool over = r.Played == MatchdayCount;
    const QString unknown = QStringLiteral("不明");
    const auto known = [&unknown](bool isKnown, const QString& text) {
        return isKnown ? text : unknown;
    };
    const auto games = [](int32_t n) { return QStringLiteral("%1試合").arg(n); };
    setWindowTitle(QStringLiteral("シーズンレビュー %1").arg(SeasonText(r.Season)));
    FillCaptionValueRows(
        *FTable,
        {{QStringLiteral("シーズン"),
          over ? SeasonText(r.Season)
               : QStringLiteral("%1 (第%2節まで)").arg(SeasonText(r.Season)).arg(r.Played)},
         {QStringLiteral("チーム"), clubName},
         {over ? QStringLiteral("最終順位") : QStringLiteral("順位"), RankText(r.Rank)},
         {QStringLiteral("勝点"), QString::number(r.Points)},
         {QStringLiteral("成績"),
          QStringLiteral("%1勝%2分%3敗").arg(r.Wins).arg(r.Draws).arg(r.Losses)},
         {QStringLiteral("得点・失点"),
          QStringLiteral("得点%1 失点%2").arg(r.GoalsFor).arg(r.GoalsAgainst)},
         {QStringLiteral("賞金"), over ? YenText(r.Prize) : QStringLiteral("シーズン終了後")},
         {QStringLiteral("開幕時の資金"), known(r.StartKnown, YenText(r.MoneyStart))},
         {over ? QStringLiteral("終了時の資金") : QStringLiteral("今の資金"), YenText(r.MoneyNow)},
         {QStringLiteral("強化費の合計"), known(r.StartKnown, YenText(r.Invested))},
         {QStringLiteral("勝利ボーナスの合計"), YenText(r.Bonuses)},
         {QStringLiteral("開幕時のレベル"), known(r.StartKnown, QString::number(r.LevelStart))},
         {over ? QStringLiteral("終了時のレベル") : QStringLiteral("今のレベル"),
          QString::number(r.LevelNow)},
         {QStringLiteral("最大の勝利"), known(r.ResultsKnown, ResultLineText(r.BestWin))},
         {QStringLiteral("最大の敗戦"), known(r.ResultsKnown, ResultLineText(r.WorstDefeat))},
         {QStringLiteral("最長無敗"), known(r.ResultsKnown, games(r.LongestUnbeaten))},
         {QStringLiteral("最長連勝"), known(r.ResultsKnown, games(r.LongestWinning))}});
    FitTableHeight(*FTable);
    FTable->resizeColumnToContents(1);
    resize(std::max(width(), FTable->horizontalHeader()->length() + 40), sizeHint().height());

    TZnRankChartData data{MatchdayCount, ClubCount, {}};
    TZnChartSeries series{clubName, true, {}};
    // The review keeps no points per matchday; the chart's tip then leaves them out.
    for (int32_t rank : r.Ranks)
        series.Points.push_back({rank, TZnChartPoint::UnknownPoints});
    data.Series.push_back(std::move(series));
    FChart->setVisible(!r.Ranks.empty() || r.ResultsKnown);
    FChart->setAccessibleDescription(CourseLine(r.Ranks));
    FChart->SetHistory(std::move(data));
}
