// The rank chart page and investing with Enter in the strengthening box.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "WindowRig.h"
#include "ZnRankChart.h"

class ChartAndKeyboardTests : public QObject {
    Q_OBJECT
private slots:
    void ChartPageFollowsThePlayedMatchdays();
    void EnterInTheBoxInvestsOnlyWhileTheCommandIsEnabled();
};

void ChartAndKeyboardTests::ChartPageFollowsThePlayedMatchdays() {
    TWindowRig rig;
    QTabWidget& pages = rig.Find<QTabWidget>("PageControl1");
    QCOMPARE(pages.count(), 4);
    QCOMPARE(pages.tabText(3), QStringLiteral("順位推移"));

    pages.setCurrentIndex(3);
    const auto& empty = rig.Find<TZnRankChart>("ZRankChart").History().Series;
    QCOMPARE(empty.size(), size_t{16});
    QVERIFY(empty.front().Points.empty());

    // Commands redraw the visible page, the chart included.
    rig.Play(5);
    const auto& history = rig.Find<TZnRankChart>("ZRankChart").History().Series;
    for (size_t p = 0; p < history.size(); ++p) {
        const TZnClub& club = rig.Game.Clubs().Items(static_cast<int32_t>(p));
        QCOMPARE(history[p].Points.size(), size_t{5});
        QCOMPARE(history[p].Points.back().Rank, club.Rank);
        QCOMPARE(history[p].Name, QString::fromStdString(club.Name));
        QCOMPARE(history[p].IsMine, &club == &rig.Game.MyClub());
    }
}

void ChartAndKeyboardTests::EnterInTheBoxInvestsOnlyWhileTheCommandIsEnabled() {
    TWindowRig rig;
    // Keys reach the box as they do from the keyboard: through the combo box.
    QComboBox& combo = rig.Find<QComboBox>("ComboBoxBuildUp");
    QLineEdit& box = *combo.lineEdit();
    box.setText(QStringLiteral("１００"));
    QTest::keyClick(&combo, Qt::Key_Return);
    QCOMPARE(rig.Game.Coach().Money, 19900);
    QCOMPARE(rig.Game.MyClub().BuildUp, 100);
    QCOMPARE(box.text(), QStringLiteral("100"));
    QCOMPARE(rig.LogLines().back(), QStringLiteral("強化費を100万円投入しました。"));
    QCOMPARE(rig.Panel(5), QStringLiteral("100万円"));

    rig.Play(30);
    QVERIFY(!rig.Action("ActBuildUp").isEnabled());
    const int32_t money = rig.Game.Coach().Money;
    const int lines = static_cast<int>(rig.LogLines().size());
    box.setText(QStringLiteral("50"));
    QTest::keyClick(&combo, Qt::Key_Enter);
    QCOMPARE(rig.Game.Coach().Money, money);
    QCOMPARE(static_cast<int>(rig.LogLines().size()), lines);
}

QTEST_MAIN(ChartAndKeyboardTests)
#include "ChartAndKeyboardTests.moc"
