#include <QImage>
#include <QTest>
#include <QTextDocument>

#include "ChartImage.h"
#include "ZnRankChart.h"

class RankChartTests : public QObject {
    Q_OBJECT

private slots:
    void ShowsThePlayersCourseBoldAndFindsItsPoints();
    void EmptySeasonHasNoPoints();
    void TipShowsMarkupInClubNamesAsText();
};

namespace {

// Sixteen clubs over `days` matchdays; the player's club, "潮見町ＳＣ" at index 9, climbs one
// place each matchday from the last, with three points a win.
TZnRankChartData Season(int days) {
    TZnRankChartData data{30, 16, {}};
    for (int s = 0; s < 16; ++s) {
        TZnChartSeries series{QStringLiteral("Club %1").arg(s), s == 9, {}};
        for (int day = 0; day < days; ++day)
            series.Points.push_back({s == 9 ? 15 - day : (s + day) % 15, 3 * day});
        if (series.IsMine)
            series.Name = QStringLiteral("潮見町ＳＣ");
        data.Series.push_back(series);
    }
    return data;
}

} // namespace

void RankChartTests::ShowsThePlayersCourseBoldAndFindsItsPoints() {
    TZnRankChart chart;
    chart.resize(380, 260);
    chart.SetHistory(Season(6));

    const auto& history = chart.History().Series;
    const auto mine =
        std::find_if(history.begin(), history.end(), [](auto& s) { return s.IsMine; });
    QVERIFY(mine != history.end());
    const int mineIndex = static_cast<int>(mine - history.begin());
    const QImage image = Render(chart);
    for (int day = 0; day < 6; ++day) {
        const QPointF at = chart.PointPosition(day, mine->Points[static_cast<size_t>(day)].Rank);
        QVERIFY2(HasColourNear(image, at, TZnRankChart::MyClubColor),
                 qPrintable(QString::number(day)));
        const auto hit = chart.PointAt(at + QPointF(1, 1));
        QVERIFY(hit.has_value());
        QCOMPARE(hit->Series, mineIndex);
        QCOMPARE(hit->Day, day);
    }
    const QPointF last = chart.PointPosition(5, mine->Points[5].Rank);
    QCOMPARE(chart.ToolTipAt(last), QStringLiteral("潮見町ＳＣ\n第6節 11位 勝点15"));
    QVERIFY(chart.ToolTipAt(QPointF(-50, -50)).isEmpty());
}

void RankChartTests::EmptySeasonHasNoPoints() {
    TZnRankChart chart;
    chart.resize(380, 260);
    chart.SetHistory(Season(0));
    QCOMPARE(chart.History().Series.size(), size_t{16});
    const QImage image = Render(chart);
    QVERIFY(!HasColourNear(image, chart.PointPosition(0, 15), TZnRankChart::MyClubColor));
    QVERIFY(!chart.PointAt(chart.PointPosition(0, 15)).has_value());
    QVERIFY(chart.ToolTipAt(chart.PointPosition(0, 0)).isEmpty());
}

void RankChartTests::TipShowsMarkupInClubNamesAsText() {
    TZnRankChartData data = Season(1);
    for (size_t s = 0; s < data.Series.size(); ++s)
        data.Series[s].Name = QStringLiteral("<font color=red size=7>WARNING</font>%1").arg(s);
    TZnRankChart chart;
    chart.resize(380, 260);
    chart.SetHistory(data);
    const QPointF at = chart.PointPosition(0, chart.History().Series.front().Points.front().Rank);

    const QString plain = chart.ToolTipAt(at);
    QVERIFY(plain.startsWith(QStringLiteral("<font color=red size=7>WARNING</font>")));
    QVERIFY(Qt::mightBeRichText(chart.ToolTipMarkupAt(at)));
    QTextDocument shown;
    shown.setHtml(chart.ToolTipMarkupAt(at));
    QCOMPARE(shown.toPlainText(), plain);
}

QTEST_MAIN(RankChartTests)
#include "RankChartTests.moc"
