// The thirty-matchday button plays a whole season with every redraw; the test also reports how
// long that takes (a figure for the benchmark script, not a timed assertion).

#include <algorithm>
#include <vector>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include "WindowRig.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

class ThirtyMatchdayButtonTests : public QObject {
    Q_OBJECT
private slots:
    void ThirtyClicksPlayTheSeasonWithEveryRedraw();
};

void ThirtyMatchdayButtonTests::ThirtyClicksPlayTheSeasonWithEveryRedraw() {
    constexpr int runs = 7;
    std::vector<double> oneClick;
    std::vector<double> paintedEach;
    std::vector<double> wholeEach;
    for (int run = 0; run < runs; ++run) {
        TWindowRig rig(static_cast<uint32_t>(run + 1));
        QVERIFY(QTest::qWaitForWindowExposed(rig.Window.get()));
        // As the player does it: one click, the window painted once afterwards.
        QElapsedTimer timer;
        timer.start();
        rig.Button("BtnGame30").click();
        rig.W().repaint();
        oneClick.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QCOMPARE(rig.Game.Matchday, 30);
        QCOMPARE(rig.List("ZLVRankTable").CellText(0, 3), QStringLiteral("30"));
        QCOMPARE(rig.Panel(3), QStringLiteral("なし"));
        QVERIFY(rig.Button("BtnNextSeason").isEnabled());

        // Every matchday's redraw painted before the next one: what changed, as the event loop
        // paints it, and for comparison the whole window.
        for (auto* times : {&paintedEach, &wholeEach}) {
            rig.Dialogs.Answers = {QMessageBox::Ok};
            rig.Action("N9").trigger();
            QCoreApplication::processEvents();
            timer.restart();
            for (int i = 0; i < 30; ++i) {
                rig.Button("BtnGame").click();
                if (times == &paintedEach)
                    QCoreApplication::processEvents();
                else
                    rig.W().repaint();
            }
            times->push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            QCOMPARE(rig.Game.Matchday, 30);
        }
    }
    qInfo("thirty-matchday-ms %.2f, each-matchday-painted-ms %.2f, whole-window-repainted-each-ms "
          "%.2f (medians of %d runs)",
          Median(oneClick), Median(paintedEach), Median(wholeEach), runs);
}

QTEST_MAIN(ThirtyMatchdayButtonTests)
#include "ThirtyMatchdayButtonTests.moc"
