// The rank chart and career pages, investing with Enter in the strengthening box and the odds
// line beside it.

#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "GameOdds.h"
#include "WindowRig.h"
#include "ZnCareerChart.h"
#include "ZnRankChart.h"

class ChartAndKeyboardTests : public QObject {
    Q_OBJECT
private slots:
    void ChartPageFollowsThePlayedMatchdays();
    void EnterInTheBoxInvestsOnlyWhileTheCommandIsEnabled();
    void CareerPageIsTheFifthAndFollowsTheSeasons();
    void OddsLineFollowsTheTypedAmount();
};

void ChartAndKeyboardTests::ChartPageFollowsThePlayedMatchdays() {
    TWindowRig rig;
    QTabWidget& pages = rig.Find<QTabWidget>("PageControl1");
    QCOMPARE(pages.count(), 5);
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

void ChartAndKeyboardTests::CareerPageIsTheFifthAndFollowsTheSeasons() {
    TWindowRig rig;
    QTabWidget& pages = rig.Find<QTabWidget>("PageControl1");
    QCOMPARE(pages.tabText(4), QStringLiteral("監督経歴"));
    pages.setCurrentIndex(4);
    auto& chart = rig.Find<TZnCareerChart>("ZCareerChart");
    QCOMPARE(chart.accessibleDescription(), TZnCareerChart::EmptyText);
    QCOMPARE(TZnCareerChart::EmptyText, QStringLiteral("まだ終えたシーズンはありません。"));

    for (int season = 0; season < 2; ++season) {
        rig.Play(30);
        rig.Button("BtnNextSeason").click();
    }
    QCOMPARE(chart.Seasons().size(), size_t{2});
    QCOMPARE(rig.Find<QTableView>("ListViewCareer").model()->rowCount(), 2);
}

void ChartAndKeyboardTests::OddsLineFollowsTheTypedAmount() {
    TWindowRig rig;
    QComboBox& combo = rig.Find<QComboBox>("ComboBoxBuildUp");
    QLabel& line = rig.Find<QLabel>("LabelBuildUpOdds");
    QCOMPARE(line.text(), QString()); // "0" is no amount to invest
    const struct {
        const char* Typed;
        int32_t Amount; // 0: no line
    } cases[] = {{"5000", 5000}, {"１００", 100}, {"abc", 0}, {"-5", 0}, {"20001", 0}};
    QTest::keyClicks(combo.lineEdit(), QStringLiteral("0")); // "00" is no amount either
    QCOMPARE(line.text(), QString());
    for (const auto& typed : cases) {
        // Typed in, as an input method hands over full-width digits.
        combo.lineEdit()->clear();
        combo.lineEdit()->insert(QString::fromUtf8(typed.Typed));
        const QString expected =
            typed.Amount == 0
                ? QString()
                : QStringLiteral("この額なら ") +
                      QString::fromStdString(OddsText(*NextMatchOdds(rig.Game, typed.Amount)));
        QCOMPARE(line.text(), expected);
    }
    // Investing changes the odds the line adds to; the end of the season clears it.
    combo.lineEdit()->setText(QStringLiteral("100"));
    rig.Button("BtnBuildUp").click();
    QCOMPARE(line.text(), QStringLiteral("この額なら ") +
                              QString::fromStdString(OddsText(*NextMatchOdds(rig.Game, 100))));
    rig.Play(30);
    QCOMPARE(line.text(), QString());
}

QTEST_MAIN(ChartAndKeyboardTests)
#include "ChartAndKeyboardTests.moc"
