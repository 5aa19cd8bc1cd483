#include "SeasonReviewDialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QTableWidget>
#include <QVBoxLayout>

#include "GameSeasonRecord.h"
#include "ReportWords.h"
#include "ZnTranslation.h"
#include "ZnClubList.h"
#include "ZnMatchesConsts.h"
#include "ZnRankChart.h"

namespace {

// "第1節 12位から第30節 3位まで、最高2位": the player's course in one line.
QString CourseLine(const std::vector<int32_t>& ranks) {
    if (ranks.empty())
        return TSeasonReviewDialog::tr("まだ試合がありません。");
    return TSeasonReviewDialog::tr("第1節 %1から第%2節 %3まで、最高%4")
        .arg(RankText(ranks.front()))
        .arg(ranks.size())
        .arg(RankText(ranks.back()), RankText(*std::min_element(ranks.begin(), ranks.end())));
}

} // namespace

TSeasonReviewDialog::TSeasonReviewDialog(QWidget* parent)
    : QDialog(parent), FChart(new TZnRankChart(this)) {
    setObjectName(QStringLiteral("SeasonReviewDialog"));
    setModal(false);
    FTable = NewReportTable(QStringLiteral("TableSeasonReview"), QString(), {QString(), QString()});
    FChart->setObjectName(QStringLiteral("ZReviewRankChart"));
    FChart->setFixedHeight(170);
    FTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FHeadline = new QLabel(this);
    FHeadline->setObjectName(QStringLiteral("LabelReviewHeadline"));
    FHeadline->setTextFormat(Qt::PlainText);
    FHeadline->setWordWrap(true);
    QFont big = FHeadline->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    FHeadline->setFont(big);
    FHeadline->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FHeadline);
    layout->addWidget(FTable);
    layout->addWidget(FChart);
    layout->addStretch(1);
    // An open review is worded anew in the new language.
    KeepTranslated(*this, [this] {
        FTable->setAccessibleName(tr("シーズンレビュー"));
        FTable->setHorizontalHeaderLabels({tr("項目"), tr("値")});
        FChart->setAccessibleName(tr("今季の順位推移"));
        if (FShown) {
            const auto shown = *FShown;
            ShowReview(shown.first, shown.second);
        }
    });
}

void TSeasonReviewDialog::ShowReview(const TZnSeasonReview& r, const QString& clubName) {
    FShown.emplace(r, clubName);
    const bool over = r.Played == MatchdayCount;
    const QString unknown = tr("不明");
    const auto known = [&unknown](bool isKnown, const QString& text) {
        return isKnown ? text : unknown;
    };
    const auto games = [](int32_t n) { return tr("%n試合", nullptr, n); };
    setWindowTitle(tr("シーズンレビュー %1季目").arg(int64_t{r.Season} + 1));
    // The title is the greatest moment of the game: it heads the review.
    const bool title = over && r.Rank == 0;
    FHeadline->setVisible(title);
    FHeadline->setText(title ? tr("優勝！ %1 %2 %3勝%4分%5敗 勝点%6")
                                   .arg(SeasonText(r.Season), clubName)
                                   .arg(r.Wins)
                                   .arg(r.Draws)
                                   .arg(r.Losses)
                                   .arg(r.Points)
                             : QString());
    FHeadline->setAccessibleName(FHeadline->text());
    FillCaptionValueRows(
        *FTable, {{QCoreApplication::translate("GameWords", "シーズン"),
                   over ? SeasonText(r.Season)
                        : tr("%1 (第%2節まで)").arg(SeasonText(r.Season)).arg(r.Played)},
                  {QCoreApplication::translate("GameWords", "チーム"), clubName},
                  {over ? tr("最終順位") : QCoreApplication::translate("GameWords", "順位"),
                   RankText(r.Rank)},
                  {QCoreApplication::translate("GameWords", "勝点"), QString::number(r.Points)},
                  {tr("成績"), tr("%1勝%2分%3敗").arg(r.Wins).arg(r.Draws).arg(r.Losses)},
                  {tr("得点・失点"), tr("得点%1 失点%2").arg(r.GoalsFor).arg(r.GoalsAgainst)},
                  {tr("賞金"), over ? YenText(r.Prize) : tr("シーズン終了後")},
                  {tr("開幕時の資金"), known(r.StartKnown, YenText(r.MoneyStart))},
                  {over ? tr("終了時の資金") : tr("今の資金"), YenText(r.MoneyNow)},
                  {tr("強化費の合計"), known(r.StartKnown, YenText(r.Invested))},
                  {tr("勝利給の合計"), YenText(r.Bonuses)},
                  {tr("開幕時のレベル"), known(r.StartKnown, QString::number(r.LevelStart))},
                  {over ? tr("終了時のレベル") : tr("今のレベル"), QString::number(r.LevelNow)},
                  {tr("最大の勝利"), known(r.ResultsKnown, ResultLineText(r.BestWin))},
                  {tr("最大の敗戦"), known(r.ResultsKnown, ResultLineText(r.WorstDefeat))},
                  {tr("最長無敗"), known(r.ResultsKnown, games(r.LongestUnbeaten))},
                  {tr("最長連勝"), known(r.ResultsKnown, games(r.LongestWinning))}});
    FitTableHeight(*FTable);
    // Wide enough for both columns' texts, never narrower than the player left it.
    const QMargins margins = layout()->contentsMargins();
    resize(std::max(width(), TableContentWidth(*FTable) + margins.left() + margins.right()),
           sizeHint().height());

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
