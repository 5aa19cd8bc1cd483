// What the window's lists show: the table, the fixtures of a chosen matchday, the prizes and the
// club panel, each read from the game state when drawn.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "GameViewText.h"
#include "MatchdayStrip.h"
#include "WindowRig.h"

namespace {

// Every row of `list` as its cells joined by blanks.
QStringList Lines(const TZnListView& list) {
    QStringList lines;
    for (int row = 0; row < list.RowCount(); ++row) {
        QStringList cells;
        for (int p = 0; p < list.ColumnCount(); ++p)
            cells << list.CellText(row, p);
        lines << cells.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace

class FrmGoalrunViewsTests : public QObject {
    Q_OBJECT
private slots:
    void RankTableShowsEveryClubFieldByTagWithNegativeGoalDifference();
    void FixturesBeforeTheFirstMatchdayShowDashesAndSelectThePlayersRow();
    void FixturesOfAChosenMatchdayShowScoresOnlyOncePlayed();
    void PageChangeSelectsLastPlayedMatchday();
    void TypedAmountIsInvestedOrNotAsThePlayerChooses();
    void PrizeListIsFixedAndSelectsThePlayersRank();
    void ClubPanelFollowsInvestmentAndMatch();
    void RefusedInvestmentLeavesPanelAndResetsBox();
    void MatchdayStripShowsAllThirtyMatchdaysAtOnce();
    void MatchdaysPaintedOneByOneShowWhatAWholePaintShows();
};

void FrmGoalrunViewsTests::RankTableShowsEveryClubFieldByTagWithNegativeGoalDifference() {
    TWindowRig rig;
    rig.Play(6);
    TZnListView& table = rig.List("ZLVRankTable");
    const QStringList captions = {QStringLiteral("チーム"), QStringLiteral("順位"),
                                  QStringLiteral("勝点"),   QStringLiteral("試合数"),
                                  QStringLiteral("勝"),     QStringLiteral("分"),
                                  QStringLiteral("負"),     QStringLiteral("得点"),
                                  QStringLiteral("失点"),   QStringLiteral("得失差")};
    for (int p = 0; p < table.ColumnCount(); ++p) {
        QCOMPARE(table.Column(p).Tag, p);
        QCOMPARE(table.model()->headerData(p, Qt::Horizontal).toString(), captions[p]);
    }
    // Seed 1, six matchdays: every cell as shown, negative goal differences included.
    QCOMPARE(
        Lines(table),
        QStringList(
            {QStringLiteral("E 1 16 6 5 1 0 12 3 9"), QStringLiteral("C 2 16 6 5 1 0 14 7 7"),
             QStringLiteral("K 3 13 6 4 1 1 12 8 4"), QStringLiteral("B 4 13 6 4 1 1 11 7 4"),
             QStringLiteral("D 5 12 6 4 0 2 16 9 7"), QStringLiteral("A 6 12 6 3 3 0 11 4 7"),
             QStringLiteral("H 7 9 6 3 0 3 7 8 -1"), QStringLiteral("F 8 8 6 2 2 2 8 7 1"),
             QStringLiteral("O 9 7 6 2 1 3 5 8 -3"), QStringLiteral("I 10 6 6 2 0 4 10 12 -2"),
             QStringLiteral("L 11 5 6 1 2 3 7 10 -3"), QStringLiteral("J 12 4 6 1 1 4 5 8 -3"),
             QStringLiteral("G 13 4 6 0 4 2 4 8 -4"), QStringLiteral("M 14 4 6 1 1 4 4 8 -4"),
             QStringLiteral("P 15 4 6 1 1 4 6 14 -8"), QStringLiteral("N 16 1 6 0 1 5 5 16 -11")}));
    QCOMPARE(table.SelectedRow(), rig.Game.MyClubIndex());
}

void FrmGoalrunViewsTests::FixturesBeforeTheFirstMatchdayShowDashesAndSelectThePlayersRow() {
    TWindowRig rig;
    rig.ShowPage("TabSheet2");
    TZnListView& fixtures = rig.List("ZLVMatches");
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 0);
    QCOMPARE(fixtures.RowCount(), 8);
    QCOMPARE(fixtures.ColumnCount(), 3);
    QCOMPARE(fixtures.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Home"));
    QCOMPARE(fixtures.model()->headerData(1, Qt::Horizontal).toString(), QString());
    QCOMPARE(fixtures.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Away"));
    for (int row = 0; row < 8; ++row)
        QCOMPARE(rig.FixtureCell(row, TZnFixtureColumn::Score), QStringLiteral("-"));
    QCOMPARE(fixtures.SelectedRow(), 0);
    const QString me = QString::fromStdString(rig.Game.MyClub().Name);
    QVERIFY(rig.FixtureCell(0, TZnFixtureColumn::Home) == me ||
            rig.FixtureCell(0, TZnFixtureColumn::Away) == me);
}

void FrmGoalrunViewsTests::FixturesOfAChosenMatchdayShowScoresOnlyOncePlayed() {
    TWindowRig rig;
    rig.Play(3);
    rig.ShowPage("TabSheet2");
    auto& strip = rig.Find<TMatchdayStrip>("TabControl1");
    const TZnListView& fixtures = rig.List("ZLVMatches");
    // Seed 1 after three matchdays; the player's fixture stands first.
    const std::pair<int, QStringList> days[] = {
        {4,
         {QStringLiteral("D - P"), QStringLiteral("C - I"), QStringLiteral("A - G"),
          QStringLiteral("E - N"), QStringLiteral("H - B"), QStringLiteral("J - L"),
          QStringLiteral("K - F"), QStringLiteral("O - M")}},
        {0,
         {QStringLiteral("P 3 - 2 K"), QStringLiteral("B 3 - 2 D"), QStringLiteral("G 2 - 2 L"),
          QStringLiteral("H 1 - 0 O"), QStringLiteral("I 1 - 0 J"), QStringLiteral("M 0 - 1 E"),
          QStringLiteral("N 0 - 2 F"), QStringLiteral("A 2 - 2 C")}},
        {29,
         {QStringLiteral("K - P"), QStringLiteral("D - B"), QStringLiteral("E - M"),
          QStringLiteral("F - N"), QStringLiteral("J - I"), QStringLiteral("C - A"),
          QStringLiteral("L - G"), QStringLiteral("O - H")}}};
    for (const auto& [index, expected] : days) {
        strip.Button(index)->click();
        QCOMPARE(strip.TabIndex(), index);
        QCOMPARE(Lines(fixtures), expected);
    }
}

void FrmGoalrunViewsTests::PageChangeSelectsLastPlayedMatchday() {
    TWindowRig rig;
    rig.ShowPage("TabSheet2");
    rig.Find<TMatchdayStrip>("TabControl1").Button(9)->click();
    rig.Play(5);
    // The command redraws the visible page, which turns the strip to the matchday just played.
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 4);
    QCOMPARE(rig.List("ZLVMatches").SelectedRow(), 0);
    // Investing redraws the club panel and the odds line only: the chosen matchday stays.
    rig.Find<TMatchdayStrip>("TabControl1").Button(2)->click();
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("100"));
    const QString odds = rig.Find<QLabel>("LabelBuildUpOdds").text();
    rig.Button("BtnBuildUp").click();
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 2);
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("100万円"));
    QVERIFY(rig.Find<QLabel>("LabelBuildUpOdds").text() != odds);
    rig.Play(25);
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 29);
    QVERIFY(rig.FixtureCell(0, TZnFixtureColumn::Score) != QStringLiteral("-"));
}

void FrmGoalrunViewsTests::TypedAmountIsInvestedOrNotAsThePlayerChooses() {
    // Choice: invest and play, play without it, cancel.
    const struct {
        int Choice;
        int Matchday;
        bool Invested;
    } cases[] = {{0, 1, true}, {1, 1, false}, {2, 0, false}};
    for (const auto& c : cases) {
        TWindowRig rig;
        rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("3000"));
        rig.Dialogs.Choices = {c.Choice};
        rig.Button("BtnGame").click();
        QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
        const auto& shown = rig.Dialogs.Shown[0];
        QCOMPARE(shown.Text, QStringLiteral("強化費3000万円がまだ投入されていません。"));
        QCOMPARE(shown.Caption, QStringLiteral("確認"));
        QCOMPARE(shown.ButtonTexts,
                 (QStringList{QStringLiteral("投入して試合開始"),
                              QStringLiteral("投入せずに試合開始"), QStringLiteral("キャンセル")}));
        QCOMPARE(rig.Game.Matchday, c.Matchday);
        QCOMPARE(rig.LogLines().contains(QStringLiteral("強化費を3000万円投入しました。")),
                 c.Invested);
    }
    // The written-back amount is not asked about.
    TWindowRig rig;
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("100"));
    rig.Button("BtnBuildUp").click();
    rig.Play(2);
    QVERIFY(rig.Dialogs.Shown.empty());
    QCOMPARE(rig.Game.Matchday, 2);
}

void FrmGoalrunViewsTests::PrizeListIsFixedAndSelectsThePlayersRank() {
    TWindowRig rig;
    TZnListView& prizes = rig.List("ZLVPrizes");
    QCOMPARE(prizes.RowCount(), 16);
    QCOMPARE(prizes.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("最終順位"));
    QCOMPARE(prizes.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("賞金"));
    QCOMPARE(prizes.CellText(0, 0), QStringLiteral("1"));
    QCOMPARE(prizes.CellText(0, 1), QStringLiteral("8億1920万円"));
    QCOMPARE(prizes.CellText(4, 1), QStringLiteral("5120万円"));
    QCOMPARE(prizes.CellText(15, 0), QStringLiteral("16"));
    QCOMPARE(prizes.CellText(15, 1), QStringLiteral("1万円"));
    rig.ShowPage("TabSheet3");
    QCOMPARE(prizes.SelectedRow(), 15);
    rig.Play(8);
    rig.ShowPage("TabSheet1");
    rig.ShowPage("TabSheet3");
    QCOMPARE(prizes.SelectedRow(), rig.Game.MyClub().Rank);
    QCOMPARE(prizes.CellText(0, 1), QStringLiteral("8億1920万円"));
}

void FrmGoalrunViewsTests::ClubPanelFollowsInvestmentAndMatch() {
    TWindowRig rig;
    const auto before = MyClubRows(Japanese(), rig.Game);
    QCOMPARE(rig.List("ZLVMyClub").RowCount(), static_cast<int>(before.size()));
    for (const auto& row : before)
        QCOMPARE(rig.PanelCaption(row.Id),
                 QString::fromUtf8(row.Caption.data(), static_cast<qsizetype>(row.Caption.size())));
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("100"));
    rig.Button("BtnBuildUp").click();
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").currentText(), QStringLiteral("100"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("100万円"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Money), QStringLiteral("1億9900万円"));
    QCOMPARE(rig.LogLines().back(), QStringLiteral("強化費を100万円投入しました。"));
    for (const auto& row : MyClubRows(Japanese(), rig.Game))
        QCOMPARE(rig.PanelValue(row.Id), QString::fromStdString(row.Value));

    rig.Play(1);
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("0円"));
    QVERIFY(rig.PanelValue(TZnMyClubRow::LastResult).startsWith(QStringLiteral("第1節 ")));
    QVERIFY(rig.PanelValue(TZnMyClubRow::Next).startsWith(QStringLiteral("第2節 ")));
    const QStringList words = {QStringLiteral("勝ち"), QStringLiteral("引き分け"),
                               QStringLiteral("負け")};
    QVERIFY(words.contains(rig.PanelValue(TZnMyClubRow::LastOutcome)));
}

void FrmGoalrunViewsTests::RefusedInvestmentLeavesPanelAndResetsBox() {
    TWindowRig rig;
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("abc"));
    rig.Button("BtnBuildUp").click();
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").currentText(), QStringLiteral("0"));
    QCOMPARE(rig.LogLines().back(), QStringLiteral("強化費を指定してください。"));
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("30000"));
    rig.Button("BtnBuildUp").click();
    QCOMPARE(rig.LogLines().back(), QStringLiteral("強化費が足りません。"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("0円"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Money), QStringLiteral("2億円"));
}

void FrmGoalrunViewsTests::MatchdayStripShowsAllThirtyMatchdaysAtOnce() {
    TWindowRig rig;
    rig.W().resize(800, 600);
    rig.ShowPage("TabSheet2");
    QVERIFY(QTest::qWaitForWindowExposed(rig.Window.get()));
    TMatchdayStrip& strip = rig.Find<TMatchdayStrip>("TabControl1");
    QCOMPARE(strip.Count(), 30);
    const QRect visible = strip.rect();
    for (int i = 0; i < 30; ++i) {
        QToolButton* button = strip.Button(i);
        QCOMPARE(button->toolTip(), QStringLiteral("第%1節").arg(i + 1));
        QCOMPARE(button->text(), QString::number(i + 1));
        QVERIFY(button->isVisible());
        QVERIFY2(visible.contains(button->geometry()), qPrintable(button->text()));
    }
    // Exclusive: choosing one matchday releases the other.
    strip.Button(7)->click();
    QVERIFY(!strip.Button(0)->isChecked());
    QCOMPARE(strip.TabIndex(), 7);
    // A button's measure follows its font.
    const QSize before = strip.Button(29)->sizeHint();
    QFont larger = strip.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    strip.setFont(larger);
    QVERIFY(strip.Button(29)->sizeHint().width() > before.width());
    QVERIFY(strip.Button(29)->sizeHint().height() > before.height());
}

void FrmGoalrunViewsTests::MatchdaysPaintedOneByOneShowWhatAWholePaintShows() {
    // Each matchday repaints only what changed, partly from kept cell pictures; what stays on
    // the screen must be what painting the whole window afresh gives.
    TWindowRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.W()));
    auto& play = rig.Find<QPushButton>(QStringLiteral("BtnGame"));
    for (int matchday = 1; matchday <= 8; ++matchday) {
        play.click();
        QCoreApplication::processEvents();
    }
    const auto shown = [&rig] { return rig.W().screen()->grabWindow(rig.W().winId()).toImage(); };
    QTRY_COMPARE(shown(), rig.W().grab().toImage());
}

QTEST_MAIN(FrmGoalrunViewsTests)
#include "FrmGoalrunViewsTests.moc"
