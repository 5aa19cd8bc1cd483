// The rank chart and career pages, investing with Enter in the strengthening box and the odds
// line and the prices of a win beside it.

#include <algorithm>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "GameOdds.h"
#include "GamePrice.h"
#include "WindowRig.h"
#include "ZnMoneyText.h"
#include "ZnCareerChart.h"
#include "ZnRankChart.h"
#include "ZnWording.h"

class ChartAndKeyboardTests : public QObject {
    Q_OBJECT
private slots:
    void ChartPageFollowsThePlayedMatchdays();
    void EnterInTheBoxInvestsOnlyWhileTheCommandIsEnabled();
    void CareerPageIsTheFifthAndFollowsTheSeasons();
    void OddsLineFollowsTheTypedAmount();
    void APriceFillsTheBoxWithoutInvesting();
    void PricesAskTheColumnForRoomOnlyWhenTheirsChanges();
};

void ChartAndKeyboardTests::ChartPageFollowsThePlayedMatchdays() {
    TWindowRig rig;
    QTabWidget& pages = rig.Find<QTabWidget>("PageControl1");
    QCOMPARE(pages.count(), 5);
    QCOMPARE(pages.tabText(3), QStringLiteral("順位推移"));

    rig.ShowPage("TabSheet4");
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
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("100万円"));

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
    rig.ShowPage("TabSheet5");
    auto& chart = rig.Find<TZnCareerChart>("ZCareerChart");
    QCOMPARE(chart.accessibleDescription(), TZnCareerChart::EmptyText());
    QCOMPARE(TZnCareerChart::EmptyText(), QStringLiteral("まだ終えたシーズンはありません。"));
    // The seasons' parts are built with the first season, not at the start.
    auto& seasons = rig.Find<QTableView>("ListViewCareer");
    QCOMPARE(seasons.model(), nullptr);
    QCOMPARE(rig.W().findChild<QTableWidget*>(QStringLiteral("TableRecords")), nullptr);

    for (int season = 0; season < 2; ++season) {
        rig.Play(30);
        rig.Button("BtnNextSeason").click();
    }
    QCOMPARE(chart.Seasons().size(), size_t{2});
    QCOMPARE(seasons.model()->rowCount(), 2);
    // The records book, made then, shows beside the chart and Tab reaches it after the seasons.
    auto& records = rig.Find<QTableWidget>("TableRecords");
    QVERIFY(records.isVisible() && seasons.isVisible());
    QWidget* next = seasons.nextInFocusChain();
    while ((next->focusPolicy() & Qt::TabFocus) == 0)
        next = next->nextInFocusChain();
    QCOMPARE(next, &records);
}

void ChartAndKeyboardTests::OddsLineFollowsTheTypedAmount() {
    TWindowRig rig;
    QLineEdit& box = *rig.Find<QComboBox>("ComboBoxBuildUp").lineEdit();
    QLabel& line = rig.Find<QLabel>("LabelBuildUpOdds");
    auto oddsWith = [&rig](int32_t amount) {
        return QStringLiteral("この額なら ") +
               QString::fromStdString(OddsText(Japanese(), *NextMatchOdds(rig.Game, amount)));
    };
    QCOMPARE(line.text(), QString()); // "0" is no amount to invest
    QTest::keyClicks(&box, QStringLiteral("5"));
    QCOMPARE(line.text(), oddsWith(5)); // "05", read as the box reads it
    // Full-width digits as an input method hands them over; refused texts clear the line.
    for (const auto& [typed, amount] : {std::pair{"１００", 100}, {"abc", 0}, {"20001", 0}}) {
        box.clear();
        box.insert(QString::fromUtf8(typed));
        QCOMPARE(line.text(), amount == 0 ? QString() : oddsWith(amount));
    }
    rig.Play(30);
    box.setText(QStringLiteral("100"));
    QCOMPARE(line.text(), QString()); // nothing to invest in
}

void ChartAndKeyboardTests::APriceFillsTheBoxWithoutInvesting() {
    TWindowRig rig;
    QComboBox& box = rig.Find<QComboBox>("ComboBoxBuildUp");
    QPushButton& seventy = rig.Button("BtnPrice70");
    const int32_t price = WinPrice(rig.Game, 70).value();
    QCOMPARE(seventy.text(), QStringLiteral("70%: ") + QString::fromStdString(MoneyText(price)) +
                                 QStringLiteral("円"));
    QCOMPARE(rig.List("ZLVMyClub").toolTip(), QStringLiteral("1万円で攻撃・守備 +1"));
    // The price with the keyboard is marked; a price chosen hands the keyboard to the box,
    // where Enter invests it.
    rig.W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.W()));
    const QImage unfocused = seventy.grab().toImage();
    seventy.setFocus(Qt::TabFocusReason);
    QVERIFY(seventy.grab().toImage() != unfocused);
    QTest::keyClick(&seventy, Qt::Key_Return);
    QCOMPARE(box.currentText(), QString::number(price));
    QVERIFY(box.lineEdit()->hasFocus());
    QCOMPARE(rig.Game.Coach().Money, 20000);
    box.setEditText(QStringLiteral("0"));
    QTest::mouseClick(&seventy, Qt::LeftButton);
    QCOMPARE(box.currentText(), QString::number(price));
    QVERIFY(box.lineEdit()->hasFocus());
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(rig.Game.Coach().Money, 20000 - price);
    QCOMPARE(seventy.text(), QStringLiteral("70%: 不要"));
    rig.Game.Coach().Money = 0;
    rig.Action("ActZLVMyClubData").trigger();
    QCOMPARE(rig.Button("BtnPrice90").text(), QStringLiteral("90%: 資金不足"));
    QVERIFY(!rig.Button("BtnPrice90").isEnabled());
}

void ChartAndKeyboardTests::PricesAskTheColumnForRoomOnlyWhenTheirsChanges() {
    TWindowRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.W()));
    QWidget& prices = rig.Find<QWidget>("PriceLinks");
    QWidget& column = *prices.parentWidget();
    TLayoutRequests requests(column);
    // Every price inside the prices' room, each row's prices side by side from the left.
    const auto showsWhole = [&prices] {
        int right = -1;
        int top = -1;
        for (const QPushButton* button : prices.findChildren<QPushButton*>()) {
            const QRect item = button->parentWidget()->geometry();
            if (!prices.rect().contains(QRect(button->mapTo(&prices, QPoint()), button->size())))
                return false;
            if (item.left() != (item.top() == top ? right + 1 : 0))
                return false;
            right = item.right();
            top = item.top();
        }
        return true;
    };
    const auto settle = &TLayoutRequests::Settle;
    settle();
    requests.Count = 0;

    // New amounts in the room of the old ones: the prices are placed anew, nothing above them.
    QPushButton& seventy = rig.Button("BtnPrice70");
    const QString original = seventy.text();
    const int height = prices.height();
    const QSize before = seventy.sizeHint();
    QString text = seventy.text();
    std::reverse(text.end() - 4, text.end() - 2); // the digits before 万円, the other way round
    seventy.setText(text);
    QCOMPARE(seventy.sizeHint(), before);
    settle();
    QCOMPARE(requests.Count, 0);
    QVERIFY(showsWhole());

    // A price that needs more room than the column gives: the column makes it.
    seventy.setText(QStringLiteral("70%: ") + QString(40, QChar(u'８')) + QStringLiteral("万円"));
    settle();
    QVERIFY(requests.Count > 0);
    QVERIFY(showsWhole());
    QVERIFY(prices.height() > height); // wrapped onto a row of its own

    // Prices that changed while they were hidden show whole when they come back.
    seventy.setText(original);
    settle();
    QCOMPARE(prices.height(), height); // the room it took is given back
    prices.hide();
    rig.Button("BtnPrice50").setText(QStringLiteral("勝率50%: 不要"));
    settle();
    prices.show();
    settle();
    QVERIFY(showsWhole());
}

QTEST_MAIN(ChartAndKeyboardTests)
#include "ChartAndKeyboardTests.moc"
