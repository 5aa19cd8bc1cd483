// What the window's lists show: the table, the fixtures of a chosen matchday, the prizes and the
// club panel, each read from the game state when drawn.

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "GameViewText.h"
#include "MatchdayStrip.h"
#include "WindowRig.h"

class FrmGoalrunViewsTests : public QObject {
    Q_OBJECT
private slots:
    void RankTableShowsEveryClubFieldByTagWithNegativeGoalDifference();
    void FixturesBeforeTheFirstMatchdayShowDashesAndSelectThePlayersRow();
    void FixturesOfAChosenMatchdayShowScoresOnlyOncePlayed();
    void PageChangeSelectsLastPlayedMatchday();
    void PrizeListIsFixedAndSelectsThePlayersRank();
    void ClubPanelFollowsInvestmentAndMatch();
    void RefusedInvestmentLeavesPanelAndResetsBox();
    void MatchdayStripShowsAllThirtyMatchdaysAtOnce();
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
    bool negativeSeen = false;
    for (int row = 0; row < 16; ++row) {
        const TZnClub& club = rig.Game.Clubs().Items(row);
        const QStringList expected = {
            QString::fromStdString(club.Name),  QString::number(row + 1),
            QString::number(club.Points),       QString::number(club.Played),
            QString::number(club.Wins),         QString::number(club.Draws),
            QString::number(club.Losses),       QString::number(club.GoalsFor),
            QString::number(club.GoalsAgainst), QString::number(club.GoalsFor - club.GoalsAgainst)};
        for (int p = 0; p < 10; ++p)
            QCOMPARE(table.CellText(row, p), expected[p]);
        if (club.GoalsFor < club.GoalsAgainst) {
            negativeSeen = true;
            QVERIFY(table.CellText(row, 9).startsWith(QLatin1Char('-')));
        }
    }
    QVERIFY2(negativeSeen, "six matchdays leave some club with more goals against than for");
    QCOMPARE(table.SelectedRow(), rig.Game.MyClubIndex());
}

void FrmGoalrunViewsTests::FixturesBeforeTheFirstMatchdayShowDashesAndSelectThePlayersRow() {
    TWindowRig rig;
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(1);
    TZnListView& fixtures = rig.List("ZLVMatches");
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 0);
    QCOMPARE(fixtures.RowCount(), 8);
    QCOMPARE(fixtures.ColumnCount(), 3);
    QCOMPARE(fixtures.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Home"));
    QCOMPARE(fixtures.model()->headerData(1, Qt::Horizontal).toString(), QString());
    QCOMPARE(fixtures.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Away"));
    for (int row = 0; row < 8; ++row)
        QCOMPARE(fixtures.CellText(row, 1), QStringLiteral("-"));
    QCOMPARE(fixtures.SelectedRow(), 0);
    const QString me = QString::fromStdString(rig.Game.MyClub().Name);
    QVERIFY(fixtures.CellText(0, 0) == me || fixtures.CellText(0, 2) == me);
}

void FrmGoalrunViewsTests::FixturesOfAChosenMatchdayShowScoresOnlyOncePlayed() {
    TWindowRig rig;
    rig.Play(3);
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(1);
    TZnListView& fixtures = rig.List("ZLVMatches");
    const QRegularExpression score(QStringLiteral("^[0-6] - [0-6]$"));
    const auto check = [&](int matchdayIndex) {
        rig.Find<TMatchdayStrip>("TabControl1").Button(matchdayIndex)->click();
        QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), matchdayIndex);
        const TZnMatchList& day = rig.Game.Schedule().Matchdays(matchdayIndex);
        for (int row = 0; row < 8; ++row) {
            const TZnMatch& match = day.Matches(row);
            QCOMPARE(fixtures.CellText(row, 0),
                     QString::fromStdString(rig.Game.Clubs().ClubById(match.HomeId).Name));
            QCOMPARE(fixtures.CellText(row, 2),
                     QString::fromStdString(rig.Game.Clubs().ClubById(match.AwayId).Name));
            if (matchdayIndex < 3)
                QCOMPARE(fixtures.CellText(row, 1),
                         QStringLiteral("%1 - %2").arg(match.HomeGoals).arg(match.AwayGoals));
            else
                QCOMPARE(fixtures.CellText(row, 1), QStringLiteral("-"));
        }
    };
    check(4);
    check(0);
    QVERIFY(score.match(fixtures.CellText(0, 1)).hasMatch());
    check(29);
    QCOMPARE(fixtures.RowCount(), 8);
}

void FrmGoalrunViewsTests::PageChangeSelectsLastPlayedMatchday() {
    TWindowRig rig;
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(1);
    rig.Find<TMatchdayStrip>("TabControl1").Button(9)->click();
    rig.Play(5);
    // The command redraws the visible page, which turns the strip to the matchday just played.
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 4);
    QCOMPARE(rig.List("ZLVMatches").SelectedRow(), 0);
    rig.Play(25);
    QCOMPARE(rig.Find<TMatchdayStrip>("TabControl1").TabIndex(), 29);
    QVERIFY(rig.List("ZLVMatches").CellText(0, 1) != QStringLiteral("-"));
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
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(2);
    QCOMPARE(prizes.SelectedRow(), 15);
    rig.Play(8);
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(0);
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(2);
    QCOMPARE(prizes.SelectedRow(), rig.Game.MyClub().Rank);
    QCOMPARE(prizes.CellText(0, 1), QStringLiteral("8億1920万円"));
}

void FrmGoalrunViewsTests::ClubPanelFollowsInvestmentAndMatch() {
    TWindowRig rig;
    const auto before = MyClubRows(rig.Game);
    QCOMPARE(rig.List("ZLVMyClub").RowCount(), static_cast<int>(before.size()));
    for (const auto& row : before)
        QCOMPARE(rig.List("ZLVMyClub").CellText(static_cast<int>(ViewIndex(row.Id)), 0),
                 QString::fromUtf8(row.Caption.data(), static_cast<qsizetype>(row.Caption.size())));
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("100"));
    rig.Button("BtnBuildUp").click();
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").currentText(), QStringLiteral("100"));
    QCOMPARE(rig.Panel(5), QStringLiteral("100万円"));
    QCOMPARE(rig.Panel(9), QStringLiteral("1億9900万円"));
    QCOMPARE(rig.LogLines().back(), QStringLiteral("強化費を100万円投入しました。"));
    for (const auto& row : MyClubRows(rig.Game))
        QCOMPARE(rig.Panel(static_cast<int>(ViewIndex(row.Id))), QString::fromStdString(row.Value));

    rig.Play(1);
    QCOMPARE(rig.Panel(5), QStringLiteral("0円"));
    QVERIFY(rig.Panel(1).startsWith(QStringLiteral("第1節 ")));
    QVERIFY(rig.Panel(3).startsWith(QStringLiteral("第2節 ")));
    const QStringList words = {QStringLiteral("勝ち"), QStringLiteral("引き分け"),
                               QStringLiteral("負け")};
    QVERIFY(words.contains(rig.Panel(2)));
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
    QCOMPARE(rig.Panel(5), QStringLiteral("0円"));
    QCOMPARE(rig.Panel(9), QStringLiteral("2億円"));
}

void FrmGoalrunViewsTests::MatchdayStripShowsAllThirtyMatchdaysAtOnce() {
    TWindowRig rig;
    rig.W().resize(800, 600);
    rig.Find<QTabWidget>("PageControl1").setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(rig.Window.get()));
    TMatchdayStrip& strip = rig.Find<TMatchdayStrip>("TabControl1");
    QCOMPARE(strip.Count(), 30);
    const QRect visible = strip.rect();
    for (int i = 0; i < 30; ++i) {
        QToolButton* button = strip.Button(i);
        QCOMPARE(button->text(), QStringLiteral("第%1節").arg(i + 1));
        QVERIFY(button->isVisible());
        QVERIFY2(visible.contains(button->geometry()), qPrintable(button->text()));
    }
    // Exclusive: choosing one matchday releases the other.
    strip.Button(7)->click();
    QVERIFY(!strip.Button(0)->isChecked());
    QCOMPARE(strip.TabIndex(), 7);
}

QTEST_MAIN(FrmGoalrunViewsTests)
#include "FrmGoalrunViewsTests.moc"
