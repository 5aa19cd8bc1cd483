#include <QDataStream>
#include <QtEndian>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>
#include <QToolTip>

#include "ChartImage.h"
#include "TimeBound.h"
#include "ZnCareerChart.h"

class CareerChartTests : public QObject {
    Q_OBJECT

private slots:
    void EmptyCareerShowsOnlyTheMessage();
    void TitleSeasonsAreStarredAndEachColumnShowsItsLine();
    void TenThousandSeasonsDrawFastAndKeepTheirExtremes();
};

namespace {

std::vector<TZnCareerPoint> Career(int seasons) {
    std::vector<TZnCareerPoint> career;
    for (int s = 0; s < seasons; ++s)
        career.push_back(
            {s, 15 - s % 16, 20000 + s * 10, false, QStringLiteral("%1季").arg(s + 1)});
    return career;
}

// Whether the chart draws a run of text that begins with `text`: painted into a picture, which
// records each run (a change of font or script starts a new one) after its length in bytes.
bool DrawsRunStarting(TZnCareerChart& chart, const QString& text) {
    QPicture picture;
    chart.render(&picture);
    const QByteArray data(picture.data(), picture.size());
    QByteArray chars;
    QDataStream stream(&chars, QIODevice::WriteOnly);
    stream << text;
    chars.remove(0, 4); // its own length
    for (qsizetype at = data.indexOf(chars); at >= 4; at = data.indexOf(chars, at + 1))
        if (qFromBigEndian<quint32>(data.constData() + at - 4) <= 1024)
            return true;
    return false;
}

} // namespace

void CareerChartTests::EmptyCareerShowsOnlyTheMessage() {
    TZnCareerChart chart;
    chart.resize(400, 240);
    chart.SetSeasons(Career(3));
    chart.SetSeasons({});
    QImage expected(chart.size(), QImage::Format_ARGB32);
    expected.fill(chart.palette().color(QPalette::Base));
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(chart.font());
        painter.setPen(chart.palette().color(QPalette::Text));
        painter.drawText(expected.rect(), Qt::AlignCenter,
                         QStringLiteral("まだ終えたシーズンはありません。"));
    }
    QCOMPARE(Render(chart), expected);
    QVERIFY(!chart.PointAt(QPointF(200, 120)).has_value());
}

void CareerChartTests::TitleSeasonsAreStarredAndEachColumnShowsItsLine() {
    TZnCareerChart chart;
    chart.resize(400, 240);
    auto career = Career(5);
    career[2].Title = true;
    career[2].Rank = 0;
    career[3].Line = QStringLiteral("<b>4季</b>");
    chart.SetSeasons(career);
    const QImage image = Render(chart);
    QVERIFY(HasColourNear(image, chart.RankPosition(2), TZnCareerChart::TitleColor));
    QVERIFY(!HasColourNear(image, chart.RankPosition(1), TZnCareerChart::TitleColor));
    QVERIFY(HasColourNear(image, chart.RankPosition(1), TZnCareerChart::RankColor));
    QVERIFY(HasColourNear(image, chart.MoneyPosition(4), TZnCareerChart::MoneyColor));

    QCOMPARE(chart.ToolTipAt(chart.RankPosition(2)), QStringLiteral("3季"));
    QCOMPARE(chart.ToolTipAt(chart.MoneyPosition(0) + QPointF(3, 0)), QStringLiteral("1季"));
    QVERIFY(chart.ToolTipAt(QPointF(1, 1)).isEmpty());
    // The last season a save can hold is labelled beyond 32 bits.
    chart.SetSeasons({{std::numeric_limits<int>::max(), 0, 100, false, QString()}});
    QVERIFY(DrawsRunStarting(chart, QStringLiteral("2147483648")));
    chart.SetSeasons(career);

    // A line that looks like markup is shown as the text it is.
    chart.show();
    const QPoint at = chart.RankPosition(3).toPoint();
    QHelpEvent help(QEvent::ToolTip, at, chart.mapToGlobal(at));
    QApplication::sendEvent(&chart, &help);
    QVERIFY2(QToolTip::text().contains(QStringLiteral("&lt;b&gt;4季&lt;/b&gt;")),
             qPrintable(QToolTip::text()));
}

void CareerChartTests::TenThousandSeasonsDrawFastAndKeepTheirExtremes() {
    TZnCareerChart chart;
    chart.resize(800, 300);
    // The first half as restless as a career can be, the second calm but for one bad season.
    std::vector<TZnCareerPoint> career(10000);
    for (int s = 0; s < 10000; ++s)
        career[static_cast<size_t>(s)] = {s, s < 5000 ? s % 16 : 3, s < 5000 ? s % 7 * 9000 : 50000,
                                          s < 5000 && s % 16 == 0, QString()};
    career[7001].Rank = 15;
    career[8000].Title = true;
    chart.SetSeasons(std::move(career));
    chart.grab(); // fonts and caches warm

    // The best of three, so a busy machine does not decide the figure.
    qint64 ns = std::numeric_limits<qint64>::max();
    QImage image;
    for (int i = 0; i < 3; ++i) {
        TCpuTimer timer;
        timer.start();
        image = chart.grab().toImage();
        ns = std::min(ns, timer.nsecsElapsed());
    }
    qInfo("10,000 seasons, 800x300: %.2f ms", static_cast<double>(ns) / 1e6);
    // The aim is 50 ms on a quiet machine (the README's figure); tests share the machine with
    // others, so this bound only catches a slowdown of a different order.
    QVERIFY2(ns < 250'000'000, qPrintable(QString::number(ns)));
    QVERIFY(HasColourNear(image, chart.RankPosition(7001), TZnCareerChart::RankColor));
    QVERIFY(HasColourNear(image, chart.RankPosition(8000), TZnCareerChart::TitleColor));
    QVERIFY(!HasColourNear(image, chart.RankPosition(6000) + QPointF(0, 30),
                           TZnCareerChart::RankColor));
}

QTEST_MAIN(CareerChartTests)
#include "CareerChartTests.moc"
