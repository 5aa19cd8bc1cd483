// The match report under the command buttons, the season review and the records book, each
// against what the engine hands over.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "ConstsGoalrun.h"
#include "FundsChart.h"
#include "GameMatchRecord.h"
#include "GameRecords.h"
#include "GameSeasonRecord.h"
#include "MatchdayStrip.h"
#include "SeasonReviewDialog.h"
#include "WindowRig.h"
#include "ZnWording.h"

namespace {

// The value column of the caption-value row captioned `caption`.
QString ValueOf(const QTableWidget& table, const QString& caption) {
    for (int r = 0; r < table.rowCount(); ++r)
        if (table.item(r, 0)->text() == caption)
            return table.item(r, 1)->text();
    return QStringLiteral("<no row %1>").arg(caption);
}

// A double-click on row `row` as the window system delivers it: the second press comes before
// the double-click event.
void DoubleClick(QAbstractItemView& view, int row) {
    QCoreApplication::processEvents(); // the page just shown is laid out
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
}

void PressEnter(QAbstractItemView& view, int row) {
    view.setCurrentIndex(view.model()->index(row, 0));
    QTest::keyClick(&view, Qt::Key_Return);
}

} // namespace

class ReportViewsTests : public QObject {
    Q_OBJECT
private slots:
    void ReportShowsTheEngineRoundsAndFixturesOpenTheirDay();
    void SeasonEndOpensReviewOnceKeysWorkAndCareerShowsRecords();
    void HeadingLaysOutTheReportOnlyWhenItsHeightChanges();
};

void ReportViewsTests::ReportShowsTheEngineRoundsAndFixturesOpenTheirDay() {
    TWindowRig rig(7);
    // A page made after the window (賞金一覧) stands in the focus chain before the details of the
    // player's match, which are made with its first report.
    rig.ShowPage("TabSheet3");
    rig.Play(1);
    rig.Game.Coach().Experience = 25; // level 3
    rig.Game.MyClub().Defense -= 7;   // as a file may hold it: apart from the attack
    (void)rig.Game.InvestBuildUp("300");
    rig.Play(1);
    auto& rounds = rig.Find<QTableWidget>(QStringLiteral("TableReportRounds"));
    auto& heading = rig.Find<QLabel>(QStringLiteral("LabelReportHeading"));
    const auto checkFixture = [&](int matchday, int fixture) {
        const TZnFixtureReport f =
            MatchdayReport(rig.Game, matchday)->Fixtures[static_cast<size_t>(fixture)];
        QCOMPARE(heading.text(), QStringLiteral("第%1節 %2 %3 - %4 %5")
                                     .arg(matchday)
                                     .arg(QString::fromStdString(f.HomeName))
                                     .arg(f.HomeGoals)
                                     .arg(f.AwayGoals)
                                     .arg(QString::fromStdString(f.AwayName)));
        // A goal in the rounds of each side for every goal of the score; chances at least goals.
        for (int side = 1; side <= 2; ++side) {
            int goals = 0;
            for (int k = 0; k < AttackRounds; ++k) {
                const auto expected = (side == 1 ? f.HomeRounds : f.AwayRounds)[size_t(k)];
                goals += rounds.item(k, side)->text() == QStringLiteral("ゴール");
                QCOMPARE(rounds.item(k, side)->text() == QStringLiteral("－"),
                         expected == TZnRound::NoChance);
            }
            QCOMPARE(goals, side == 1 ? f.HomeGoals : f.AwayGoals);
            QCOMPARE(rounds.item(AttackRounds + 1, side)->text().toInt(), goals);
            QCOMPARE(rounds.item(AttackRounds, side)->text().toInt(),
                     side == 1 ? f.HomeChances : f.AwayChances);
        }
    };
    checkFixture(2, 0);
    // Tab reaches the report after the command buttons and the prices of a win.
    rig.W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.W()));
    rig.Button(QStringLiteral("BtnMesClear")).setFocus();
    for (int i = 0; i < 4 && QApplication::focusWidget() != &rounds; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &rounds);
    // The details of the player's match, made with its first report, come next.
    auto& details = rig.Find<QTableWidget>(QStringLiteral("TableReportDetails"));
    QTest::keyClick(&rounds, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &details);
    const auto mine = *MatchdayReport(rig.Game, 2)->Mine;
    QCOMPARE(ValueOf(details, QStringLiteral("試合前の予想")),
             QString::fromStdString(OddsText(Japanese(), mine.Odds)));
    QCOMPARE(ValueOf(details, QStringLiteral("順位")),
             QStringLiteral("%1位 → %2位").arg(mine.RankBefore + 1).arg(mine.RankAfter + 1));
    QCOMPARE(ValueOf(details, QStringLiteral("強化の効果")), QStringLiteral("攻守+900 (レベル3)"));
    QCOMPARE(ValueOf(details, QStringLiteral("戦力")) +
                 ValueOf(details, QStringLiteral("相手の戦力")),
             QStringLiteral("攻%1 守%2攻%3 守%4")
                 .arg(mine.MyAttack)
                 .arg(mine.MyDefense)
                 .arg(mine.OppAttack)
                 .arg(mine.OppDefense));
    QCOMPARE(rounds.item(0, 0)->text() + rounds.item(5, 0)->text(),
             QStringLiteral("1–15分76–90分"));
    // The funds line: the start and each matchday, the last as the report has it.
    const auto& funds = rig.Find<TFundsChart>(QStringLiteral("ZFundsChart"));
    rig.ShowPage("TabSheet4");
    QCOMPARE(funds.Funds().size(), size_t{3});
    QCOMPARE(funds.Funds().back(), std::optional<int64_t>(mine.MoneyAfter));

    // Another club's fixture of the first matchday, from the fixtures page.
    rig.ShowPage("TabSheet2");
    rig.Find<TMatchdayStrip>(QStringLiteral("TabControl1")).SetTabIndex(0);
    DoubleClick(rig.List(QStringLiteral("ZLVMatches")), 3);
    checkFixture(1, 3);
    QVERIFY(!details.isVisibleTo(&rig.W()));

    // A fixture the game kept no rounds of shows the score alone.
    rig.Game.SeasonLog.Clear();
    PressEnter(rig.List(QStringLiteral("ZLVMatches")), 0);
    QVERIFY(!rounds.isVisibleTo(&rig.W()));
    QVERIFY(rig.Find<QLabel>(QStringLiteral("LabelReportNote")).isVisibleTo(&rig.W()));
}

void ReportViewsTests::SeasonEndOpensReviewOnceKeysWorkAndCareerShowsRecords() {
    TWindowRig rig(3);
    rig.Play(5);
    // Ctrl+R shows the season so far, at one width however often it is pressed.
    rig.Action("ActSeasonReview").trigger();
    auto* review = rig.W().findChild<TSeasonReviewDialog*>();
    QVERIFY(review != nullptr && review->isVisible());
    auto& table = *review->findChild<QTableWidget*>(QStringLiteral("TableSeasonReview"));
    QCOMPARE(ValueOf(table, QStringLiteral("シーズン")), QStringLiteral("1季目 (第5節まで)"));
    const int width = review->width();
    for (int i = 0; i < 3; ++i)
        rig.Action("ActSeasonReview").trigger();
    QCOMPARE(review->width(), width);
    // With the review's keyboard: Ctrl+B and an amount reach the box, F5 asks to invest it,
    // and the review follows the matchday played.
    QVERIFY(QTest::qWaitForWindowActive(review));
    QTest::keyClick(&table, Qt::Key_B, Qt::ControlModifier);
    auto& box = rig.Find<QComboBox>(QStringLiteral("ComboBoxBuildUp"));
    QCOMPARE(rig.W().focusWidget(), &box);
    QTest::keyClicks(&table, QStringLiteral("25"));
    QCOMPARE(box.currentText(), QStringLiteral("25"));
    rig.Dialogs.Choices = {0}; // invest and play
    const int32_t money = rig.Game.Coach().Money;
    QTest::keyClick(&table, Qt::Key_F5);
    QCOMPARE(rig.Game.Matchday, 6);
    QVERIFY(rig.Game.Coach().Money <= money - 25 + WinBonus);
    QCOMPARE(ValueOf(table, QStringLiteral("シーズン")), QStringLiteral("1季目 (第6節まで)"));
    review->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(review));
    QTest::keyClicks(&table, QStringLiteral("70")); // a typed amount, without Ctrl+B first
    QCOMPARE(box.currentText(), QStringLiteral("70"));
    QTest::keyClick(&table, Qt::Key_N, Qt::ControlModifier); // ニューゲーム, cancelled
    QVERIFY(rig.Dialogs.Shown.back().Text.startsWith(QStringLiteral("新しくゲームを始めます")));
    box.setEditText(QStringLiteral("0"));
    review->hide();

    rig.Play(MatchdayCount - 7);
    QVERIFY(review->isHidden());
    rig.Play(1);
    QVERIFY(review->isVisible());
    // The bonus is named as the log names it; each language titles the review its own way.
    QVERIFY(rig.LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("勝利給")));
    QVERIFY(!ValueOf(table, QStringLiteral("勝利給の合計")).startsWith(QStringLiteral("<no row")));
    QCOMPARE(review->windowTitle(), QStringLiteral("シーズンレビュー 1季目"));
    {
        const auto switchTo = [&rig](const char* code) {
            rig.Action(QStringLiteral("MenuLanguage_") + QLatin1String(code)).trigger();
            QCoreApplication::processEvents();
        };
        const auto back = qScopeGuard([&switchTo] { switchTo("ja"); });
        switchTo("en");
        QCOMPARE(review->windowTitle(), QStringLiteral("Season review: season 1"));
        QVERIFY(!ValueOf(table, QStringLiteral("Total win bonuses"))
                     .startsWith(QStringLiteral("<no row")));
    }
    QCOMPARE(review->windowTitle(), QStringLiteral("シーズンレビュー 1季目"));
    const TZnSeasonReview expected = CurrentSeasonReview(rig.Game);
    QCOMPARE(ValueOf(table, QStringLiteral("勝点")), QString::number(expected.Points));
    QCOMPARE(ValueOf(table, QStringLiteral("最長無敗")),
             QStringLiteral("%1試合").arg(expected.LongestUnbeaten));
    QCOMPARE(
        ValueOf(table, QStringLiteral("成績")),
        QStringLiteral("%1勝%2分%3敗").arg(expected.Wins).arg(expected.Draws).arg(expected.Losses));
    const auto& ranks = expected.Ranks;
    QCOMPARE(
        review->findChild<QWidget*>(QStringLiteral("ZReviewRankChart"))->accessibleDescription(),
        QStringLiteral("第1節 %1位から第30節 %2位まで、最高%3位")
            .arg(ranks.front() + 1)
            .arg(ranks.back() + 1)
            .arg(*std::min_element(ranks.begin(), ranks.end()) + 1));

    // F6 from the review starts the next season; a new season's matchday opens nothing.
    review->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(review));
    QTest::keyClick(&table, Qt::Key_F6);
    QCOMPARE(rig.Game.Season, 1);
    QVERIFY(review->isHidden()); // the season it showed is over
    rig.Play(1);
    QVERIFY(review->isHidden());

    // The completed season from the career page, and its records.
    rig.ShowPage("TabSheet5");
    auto& career = rig.Find<QTableView>(QStringLiteral("ListViewCareer"));
    PressEnter(career, 0);
    QVERIFY(review->isVisible());
    QCOMPARE(ValueOf(table, QStringLiteral("最終順位")),
             QStringLiteral("%1位").arg(rig.Game.Career.Seasons[0].Rank + 1));
    const TZnRecordsBook book = RecordsBook(rig.Game);
    auto& records = rig.Find<QTableWidget>(QStringLiteral("TableRecords"));
    QCOMPARE(ValueOf(records, QStringLiteral("最多勝点")),
             QStringLiteral("%1 (1季目)").arg(book.MostPoints->Value));
    QCOMPARE(ValueOf(records, QStringLiteral("最長無敗")),
             QStringLiteral("%1試合 (1季目)").arg(book.LongestUnbeaten->Value));

    // A new game leaves no review of the game before it on screen.
    rig.Dialogs.Answers = {QMessageBox::Ok, QMessageBox::Ok};
    rig.Action("N9").trigger();
    QCOMPARE(rig.Game.Season, 0);
    QVERIFY(review->isHidden());
}

void ReportViewsTests::HeadingLaysOutTheReportOnlyWhenItsHeightChanges() {
    TWindowRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.W()));
    rig.Play(1);
    auto& heading = rig.Find<QLabel>(QStringLiteral("LabelReportHeading"));
    QWidget& frame = *heading.parentWidget();
    QWidget& report = *frame.parentWidget();
    TLayoutRequests requests(report);
    const auto settle = &TLayoutRequests::Settle;
    heading.setText(QStringLiteral("第2節 Ajax 2 - 1 Leeds"));
    settle();
    requests.Count = 0;
    const int oneLine = frame.height();
    const auto fits = [&] {
        return heading.geometry() == frame.rect() &&
               frame.height() == heading.heightForWidth(frame.width());
    };
    QVERIFY(fits());

    // Another heading of one line, its longest word as long: the report is not laid out again.
    heading.setText(QStringLiteral("第2節 Leeds 1 - 2 Ajax"));
    settle();
    QCOMPARE(requests.Count, 0);
    QVERIFY(fits());

    // One that needs more lines: the report makes room.
    heading.setText(QStringLiteral("第3節 ") + QString(60, QChar(u'潮')) +
                    QStringLiteral(" 0 - 0"));
    settle();
    QVERIFY(requests.Count > 0);
    QVERIFY(frame.height() > oneLine);
    QVERIFY(fits());

    // One set while the report was hidden fits when it shows again.
    report.hide();
    heading.setText(QStringLiteral("第4節 Ajax 0 - 3 Leeds"));
    settle();
    report.show();
    settle();
    QCOMPARE(frame.height(), oneLine);
    QVERIFY(fits());
}

QTEST_MAIN(ReportViewsTests)
#include "ReportViewsTests.moc"
