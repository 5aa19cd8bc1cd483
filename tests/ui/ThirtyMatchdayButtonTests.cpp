// The thirty-matchday button plays a whole season with every redraw, and so do thirty single
// clicks after a new game. (How long that takes is measured in bench/ui.)

#include <QPushButton>
#include <QTest>

#include "WindowRig.h"

class ThirtyMatchdayButtonTests : public QObject {
    Q_OBJECT
private slots:
    void ThirtyClicksPlayTheSeasonWithEveryRedraw();
};

void ThirtyMatchdayButtonTests::ThirtyClicksPlayTheSeasonWithEveryRedraw() {
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        TWindowRig rig(seed);
        QVERIFY(QTest::qWaitForWindowExposed(rig.Window.get()));
        rig.Button("BtnGame30").click();
        rig.W().repaint();
        QCOMPARE(rig.Game.Matchday, 30);
        QCOMPARE(rig.TableCell(0, TZnRankColumn::Played), QStringLiteral("30"));
        QCOMPARE(rig.PanelValue(TZnMyClubRow::Next), QStringLiteral("なし"));
        QVERIFY(rig.Button("BtnNextSeason").isEnabled());

        rig.Dialogs.Answers = {QMessageBox::Ok};
        rig.Action("N9").trigger();
        // The focus goes from the button switched off to the next step, never to the
        // message-clear button.
        rig.Button("BtnGame").setFocus();
        for (int i = 0; i < 30; ++i) {
            rig.Button("BtnGame").click();
            QCoreApplication::processEvents();
        }
        QCOMPARE(rig.Game.Matchday, 30);
        QCOMPARE(rig.W().focusWidget(), &rig.Button("BtnNextSeason"));
        rig.Button("BtnNextSeason").click();
        QCOMPARE(rig.W().focusWidget(), &rig.Button("BtnGame"));
    }
}

QTEST_MAIN(ThirtyMatchdayButtonTests)
#include "ThirtyMatchdayButtonTests.moc"
