#include <QImage>
#include <QTest>
#include <QTextDocument>

#include "ChartImage.h"
#include "ZnChartColors.h"
#include "ZnRankChart.h"

class RankChartTests : public QObject {
    Q_OBJECT

private slots:
    void ShowsThePlayersCourseBoldAndFindsItsPoints();
    void EmptySeasonHasNoPoints();
    void TipShowsMarkupInClubNamesAsText();
    void LinesStandOutOfLightAndDarkBackgrounds_data();
    void LinesStandOutOfLightAndDarkBackgrounds();
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

void RankChartTests::LinesStandOutOfLightAndDarkBackgrounds_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light desktop") << QColor(0xef, 0xef, 0xef) << QColor(Qt::black);
    QTest::newRow("dark desktop") << QColor(0x24, 0x24, 0x24) << QColor(0xee, 0xee, 0xee);
    QTest::newRow("black desktop") << QColor(Qt::black) << QColor(Qt::white);
}

void RankChartTests::LinesStandOutOfLightAndDarkBackgrounds() {
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    // A palette as a desktop theme makes it: every role worked out from the window's colour.
    QPalette palette(window);
    for (const auto role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    TZnRankChart chart;
    chart.setPalette(palette);
    chart.setAutoFillBackground(true);
    chart.resize(380, 260);
    // Two clubs only, so that nothing else is drawn near their lines.
    TZnRankChartData two = Season(6);
    two.Series = {two.Series[0], two.Series[9]};
    chart.SetHistory(two);
    const QImage image = Render(chart);
    // The darkest or brightest pixel around a point of a line: the line's own colour there.
    const auto strongest = [&](QPointF at) {
        double best = 1;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                best = std::max(
                    best, ContrastRatio(image.pixelColor(at.toPoint() + QPoint(dx, dy)), window));
        return best;
    };
    const auto& series = chart.History().Series;
    // Another club's line between two of its points, and the player's club's points.
    const QPointF from = chart.PointPosition(2, series[0].Points[2].Rank);
    const QPointF to = chart.PointPosition(3, series[0].Points[3].Rank);
    QVERIFY2(
        strongest((from + to) / 2) >= 2.0,
        qPrintable(
            QStringLiteral("another club's line is seen: %1").arg(strongest((from + to) / 2))));
    QVERIFY2(strongest(chart.PointPosition(4, series[1].Points[4].Rank)) >= 3.0,
             "the player's line stands out");
}

QTEST_MAIN(RankChartTests)
#include "RankChartTests.moc"
