#include <QImage>
#include <QTest>
#include <QTextDocument>

#include "GameGoalrun.h"
#include "ZnRankChart.h"

class RankChartTests : public QObject {
    Q_OBJECT

private slots:
    void ShowsThePlayersCourseBoldAndFindsItsPoints();
    void EmptySeasonHasNoPoints();
    void TipShowsMarkupInClubNamesAsText();
};

namespace {

QImage Render(TZnRankChart& chart) {
    QImage image(chart.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    chart.render(&image);
    return image;
}

bool HasColourNear(const QImage& image, QPointF at, const QColor& colour) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor pixel = image.pixelColor(at.toPoint() + QPoint(dx, dy));
            if (qAbs(pixel.red() - colour.red()) < 30 &&
                qAbs(pixel.green() - colour.green()) < 30 &&
                qAbs(pixel.blue() - colour.blue()) < 30)
                return true;
        }
    return false;
}

} // namespace

void RankChartTests::ShowsThePlayersCourseBoldAndFindsItsPoints() {
    TZnGameGoalrun game(KeepSeedSource());
    game.Random.Seed = 3;
    game.NewGame();
    for (int i = 0; i < 6; ++i)
        game.PlayMatchday();
    TZnRankChart chart;
    chart.resize(380, 260);
    chart.SetHistory(RankHistory(game));

    const auto& history = chart.History();
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
    QCOMPARE(chart.ToolTipAt(last), QStringLiteral("%1\n第6節 %2位 勝点%3")
                                        .arg(QString::fromStdString(game.MyClub().Name))
                                        .arg(game.MyClub().Rank + 1)
                                        .arg(game.MyClub().Points));
    QVERIFY(chart.ToolTipAt(QPointF(-50, -50)).isEmpty());
}

void RankChartTests::EmptySeasonHasNoPoints() {
    TZnGameGoalrun game(KeepSeedSource());
    game.NewGame();
    TZnRankChart chart;
    chart.resize(380, 260);
    chart.SetHistory(RankHistory(game));
    QCOMPARE(chart.History().size(), size_t{16});
    const QImage image = Render(chart);
    QVERIFY(!HasColourNear(image, chart.PointPosition(0, 15), TZnRankChart::MyClubColor));
    QVERIFY(!chart.PointAt(chart.PointPosition(0, 15)).has_value());
    QVERIFY(chart.ToolTipAt(chart.PointPosition(0, 0)).isEmpty());
}

void RankChartTests::TipShowsMarkupInClubNamesAsText() {
    TZnGameGoalrun game(KeepSeedSource());
    for (int i = 0; i < 16; ++i)
        game.TeamNames.push_back("<font color=red size=7>WARNING</font>" + std::to_string(i));
    game.NewGame();
    game.PlayMatchday();
    TZnRankChart chart;
    chart.resize(380, 260);
    chart.SetHistory(RankHistory(game));
    const QPointF at = chart.PointPosition(0, chart.History().front().Points.front().Rank);

    const QString plain = chart.ToolTipAt(at);
    QVERIFY(plain.startsWith(QStringLiteral("<font color=red size=7>WARNING</font>")));
    QVERIFY(Qt::mightBeRichText(chart.ToolTipMarkupAt(at)));
    QTextDocument shown;
    shown.setHtml(chart.ToolTipMarkupAt(at));
    QCOMPARE(shown.toPlainText(), plain);
}

QTEST_MAIN(RankChartTests)
#include "RankChartTests.moc"
