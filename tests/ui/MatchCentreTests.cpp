// Watching a matchday: the match centre replays exactly the recorded rounds, changes nothing
// the game keeps, answers every control, ends before any command and speaks to screen readers.

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "AtSpiListener.h"
#include "GameLiveMatchday.h"
#include "GameMatchRecord.h"
#include "WindowRig.h"
#include "ZnStream.h"

namespace {

// The rig's window with watching on and the replay at its fastest, so that a test waits little.
void WatchFast(TWindowRig& rig) {
    if (!rig.Action(QStringLiteral("ActWatch")).isChecked())
        rig.Action(QStringLiteral("ActWatch")).trigger();
    rig.Action(QStringLiteral("ActReplayFast")).trigger();
}

QTimer& ReplayTimer(TWindowRig& rig) {
    return rig.Find<QTimer>(QStringLiteral("TimerReplay"));
}

int Quarter(TWindowRig& rig) {
    // The progress mark: one ■ per quarter-hour shown.
    return static_cast<int>(
        rig.Find<QLabel>(QStringLiteral("LabelCentreQuarter")).text().count(QChar(0x25A0)));
}

QString Name(TWindowRig& rig, int32_t id) {
    return QString::fromStdString(rig.Game.Clubs().ClubById(id).Name);
}

// What an independent reading of the recorded rounds of the last matchday says after quarter
// `q`: the player's score line, the other fixtures' scores and the player's event lines.
struct TExpected {
    QString Score;
    QStringList Others;
    QStringList Events;
};

TExpected Expected(TWindowRig& rig, int q) {
    const int day = rig.Game.Matchday - 1;
    const TZnMatchList& fixtures = rig.Game.Schedule().Matchdays(day);
    TExpected e;
    for (int j = 0; j < 8; ++j) {
        const uint32_t bits = rig.Game.SeasonLog.Rounds[size_t(day)][size_t(j)];
        int home = 0;
        int away = 0;
        for (int k = 0; k < q; ++k) {
            for (bool isAway : {false, true}) {
                const TZnRound round = FixtureRounds::At(bits, isAway, k);
                const QString club =
                    Name(rig, isAway ? fixtures.Matches(j).AwayId : fixtures.Matches(j).HomeId);
                (isAway ? away : home) += round == TZnRound::Goal;
                if (j == 0 && round == TZnRound::Stopped)
                    e.Events << QStringLiteral("%1–%2分 %3 チャンス")
                                    .arg(15 * k + 1)
                                    .arg(15 * k + 15)
                                    .arg(club);
                if (j == 0 && round == TZnRound::Goal)
                    e.Events << QStringLiteral("ゴール！ %1 %2-%3").arg(club).arg(home).arg(away);
            }
        }
        if (j == 0)
            e.Score = QStringLiteral("%1 %2 - %3 %4")
                          .arg(Name(rig, fixtures.Matches(0).HomeId))
                          .arg(home)
                          .arg(away)
                          .arg(Name(rig, fixtures.Matches(0).AwayId));
        else
            e.Others << QStringLiteral("%1 - %2").arg(home).arg(away);
    }
    return e;
}

QStringList Others(TWindowRig& rig) {
    auto& table = rig.Find<QTableWidget>(QStringLiteral("TableCentreOthers"));
    QStringList scores;
    for (int r = 0; r < table.rowCount(); ++r)
        scores << table.item(r, 1)->text();
    return scores;
}

QStringList Events(TWindowRig& rig) {
    auto& list = rig.Find<QListWidget>(QStringLiteral("ListCentreEvents"));
    QStringList lines;
    for (int r = 0; r < list.count(); ++r)
        lines << list.item(r)->text();
    return lines;
}

QByteArray SaveBytes(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return QByteArray(reinterpret_cast<const char*>(stream.Bytes.data()),
                      static_cast<qsizetype>(stream.Bytes.size()));
}

// What a screen reader reads of the announcer: a notification whose name is the announcement.
QString Announcement(TWindowRig& rig) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(
        &rig.Find<QLabel>(QStringLiteral("LabelCentreAnnouncer")));
    if (iface == nullptr || iface->role() != QAccessible::Notification ||
        iface->textInterface() == nullptr)
        return QStringLiteral("<not a notification>");
    const int length = iface->textInterface()->characterCount();
    if (iface->textInterface()->text(0, length) != iface->text(QAccessible::Name))
        return QStringLiteral("<its text is not its name>");
    return iface->text(QAccessible::Name);
}

// Watches matchdays quarter by quarter until the player's fixture has a goal, and checks that a
// screen reader was told each goal, the half-time and the final score without the focus moving.
// `everything` receives every announcement of the matchdays watched, in order.
void WatchUntilTheFixtureScores(TWindowRig& rig, QStringList& everything) {
    rig.Play(1);
    WatchFast(rig);
    rig.Button(QStringLiteral("BtnGame")).setFocus();
    for (int guard = 0; guard < 30; ++guard) {
        rig.Button(QStringLiteral("BtnGame")).click();
        QWidget* focused = QApplication::focusWidget();
        QStringList announced;
        for (int q = 1; q <= 6; ++q) {
            const QString before = Announcement(rig);
            rig.Action(QStringLiteral("ActReplayStep")).trigger();
            if (Announcement(rig) != before)
                announced << Announcement(rig);
        }
        everything << announced;
        QCOMPARE(QApplication::focusWidget(), focused);
        const TExpected e = Expected(rig, 6);
        const QStringList goals = e.Events.filter(QStringLiteral("ゴール！"));
        if (goals.isEmpty())
            continue;
        // Each goal in the quarter-hour it falls, the half-time score, the final score.
        const QString all = announced.join(QLatin1Char('|'));
        for (const QString& goal : goals)
            QVERIFY2(all.contains(goal), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("ハーフタイム ") + Expected(rig, 3).Score),
                 qPrintable(all));
        QVERIFY2(announced.back().endsWith(QStringLiteral("試合終了 ") + e.Score), qPrintable(all));
        return;
    }
    QFAIL("no goal of the player's fixture in thirty matchdays");
}

// The event lines as the English window words them.
QStringList InEnglish(QStringList lines) {
    lines.replaceInStrings(QRegularExpression(QStringLiteral("^(\\d+)–(\\d+)分 (.*) チャンス$")),
                           QStringLiteral("\\1-\\2 min \\3 chance"));
    lines.replaceInStrings(QRegularExpression(QStringLiteral("^ゴール！ ")),
                           QStringLiteral("Goal! "));
    return lines;
}

} // namespace

class MatchCentreTests : public QObject {
    Q_OBJECT
private slots:
    void ReplayShowsExactlyTheRecordedRoundsAndHoldsTheResultBack();
    void WatchingOrNotLeavesTheSameGameUnderOneSeed();
    void EveryControlAndTheRememberedChoices();
    void CommandsFirstEndTheReplay();
    void TabReachesTheCentreUnderThePrices();
    void GoalsHalfTimeAndFinalScoreAreAnnouncedWithoutMovingFocus();
    void AnnouncementsReachTheAccessibilityBus();
    void TitleHeadsTheReviewAtTheFinalWhistle();
    void EachKickOffStartsClean();
    void EventLinesFollowTheLanguage();
    void LoadedGameShowsItsReportInsteadOfTheReplay();
    void TypedAmountsOddsWaitForTheFinalWhistle();
};

void MatchCentreTests::ReplayShowsExactlyTheRecordedRoundsAndHoldsTheResultBack() {
    TWindowRig rig(5);
    rig.Play(2); // unwatched: watching is off in a new settings file
    QVERIFY(!rig.Find<QCheckBox>(QStringLiteral("CheckWatch")).isChecked());
    WatchFast(rig);
    const QStringList logBefore = rig.LogLines();
    const QString panelBefore = rig.PanelValue(TZnMyClubRow::LastResult);
    rig.ShowPage("TabSheet1");
    rig.Button(QStringLiteral("BtnGame")).click();
    QCOMPARE(rig.Game.Matchday, 3); // decided at once
    QVERIFY(ReplayTimer(rig).isActive());
    // Kick-off: the state before it, nothing of the result.
    QCOMPARE(rig.LogLines(), logBefore);
    QCOMPARE(rig.PanelValue(TZnMyClubRow::LastResult), panelBefore);
    const auto live = LastMatchdayReplay(rig.Game);
    for (int q = 0; q <= 6; ++q) {
        if (q > 0)
            rig.Action(QStringLiteral("ActReplayStep")).trigger();
        QCOMPARE(Quarter(rig), q);
        const TExpected e = Expected(rig, q);
        QCOMPARE(rig.Find<QLabel>(QStringLiteral("LabelCentreScore")).text(), e.Score);
        QCOMPARE(Others(rig), e.Others);
        QCOMPARE(Events(rig), e.Events);
        // The table moves live: the player's row and its mark against kick-off.
        const int rank = live->RankAfter(q, rig.Game.MyClub().ClubId);
        const int before = live->RankAfter(0, rig.Game.MyClub().ClubId);
        // At the final whistle the views show the game itself, without marks.
        QCOMPARE(rig.TableCell(rank, TZnRankColumn::Name), Name(rig, rig.Game.MyClub().ClubId));
        const QString mark = q == 6 || rank == before ? QString()
                             : rank < before          ? QStringLiteral("↑")
                                                      : QStringLiteral("↓");
        QCOMPARE(rig.TableCell(rank, TZnRankColumn::Rank), QString::number(rank + 1) + mark);
        // The fixtures page stands on the matchday with the scores of the moment.
        if (q < 6) {
            rig.ShowPage("TabSheet2");
            for (int j = 1; j < 8; ++j)
                QCOMPARE(rig.FixtureCell(j, TZnFixtureColumn::Score),
                         q == 0 ? QStringLiteral("-") : e.Others[j - 1]);
            rig.ShowPage("TabSheet1");
            QCOMPARE(rig.LogLines(), logBefore);
        }
    }
    // The final whistle: the messages reach the log, the views show the game.
    QVERIFY(!ReplayTimer(rig).isActive());
    QCOMPARE(rig.LogLines().size(), logBefore.size() + (rig.Game.MyLastResult() == mrWin ? 3 : 1));
    QCOMPARE(rig.TableCell(rig.Game.MyClubIndex(), TZnRankColumn::Rank),
             QString::number(rig.Game.MyClubIndex() + 1));
    QVERIFY(rig.PanelValue(TZnMyClubRow::LastResult) != panelBefore);
    QVERIFY(rig.Button(QStringLiteral("BtnGame")).hasFocus() || !rig.W().isActiveWindow());
}

void MatchCentreTests::WatchingOrNotLeavesTheSameGameUnderOneSeed() {
    TWindowRig plain(11);
    TWindowRig watched(11, nullptr, plain.Folder.path() + QStringLiteral("/w"));
    WatchFast(watched);
    for (TWindowRig* rig : {&plain, &watched}) {
        for (int day = 0; day < 30; ++day) {
            if (day % 7 == 3) {
                rig->Find<QComboBox>(QStringLiteral("ComboBoxBuildUp"))
                    .setEditText(QStringLiteral("300"));
                rig->Button(QStringLiteral("BtnBuildUp")).click();
            }
            rig->Button(QStringLiteral("BtnGame")).click();
            if (rig == &watched && day % 2 == 0)
                rig->Action(QStringLiteral("ActReplaySkip")).trigger(); // Esc
            else if (rig == &watched)
                QTRY_VERIFY_WITH_TIMEOUT(!ReplayTimer(*rig).isActive(), 5000); // watched whole
        }
    }
    QCOMPARE(watched.Game.Matchday, 30);
    watched.Game.Identity = plain.Game.Identity; // two games, one play
    QCOMPARE(SaveBytes(watched.Game), SaveBytes(plain.Game));
    QCOMPARE(watched.LogLines(), plain.LogLines());
    QCOMPARE(watched.Game.Random.Seed, plain.Game.Random.Seed);
    // The hidden thirty-matchday button plays a whole season as one command, watching or not.
    watched.Dialogs.Answers = {QMessageBox::Ok};
    watched.Action(QStringLiteral("N9")).trigger();
    watched.Button(QStringLiteral("BtnGame30")).click();
    QCOMPARE(watched.Game.Matchday, 30);
    QVERIFY(watched.Action(QStringLiteral("ActWatch")).isChecked());
}

void MatchCentreTests::EveryControlAndTheRememberedChoices() {
    QTemporaryDir settings;
    {
        TWindowRig rig(3, nullptr, settings.path());
        TFormMain& window = rig.W();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Every control is an action with its key, tip and name.
        for (const char* name :
             {"ActWatch", "ActReplayPause", "ActReplayStep", "ActReplaySkip", "ActReplaySlow",
              "ActReplayNormal", "ActReplayFast", "ActReplayHalfTime"}) {
            QAction& action = rig.Action(QString::fromLatin1(name));
            QVERIFY2(!action.shortcut().isEmpty() && !action.statusTip().isEmpty() &&
                         !action.text().isEmpty(),
                     name);
        }
        QCOMPARE(rig.Action(QStringLiteral("ActReplayPause")).shortcut(),
                 QKeySequence(Qt::Key_Space));
        // As a screen reader's toggle does it (not a click): the choice follows, and is kept.
        rig.Find<QCheckBox>(QStringLiteral("CheckWatch")).toggle();
        QVERIFY(rig.Action(QStringLiteral("ActWatch")).isChecked());
        rig.Action(QStringLiteral("ActReplaySlow")).trigger();
        QCOMPARE(ReplayTimer(rig).interval(), 2000);
        rig.Action(QStringLiteral("ActReplayFast")).trigger();
        QCOMPARE(ReplayTimer(rig).interval(), 400);
        rig.Button(QStringLiteral("BtnGame")).setFocus();
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(rig.Game.Matchday, 1);
        QCOMPARE(Quarter(rig), 0);
        // Space pauses: the timer stops, nothing moves; Space again resumes.
        QTest::keyClick(window.focusWidget(), Qt::Key_Space);
        QVERIFY(!ReplayTimer(rig).isActive());
        QTest::qWait(600);
        QCOMPARE(Quarter(rig), 0);
        // → shows the next quarter-hour at once, paused or not.
        QTest::keyClick(window.focusWidget(), Qt::Key_Right);
        QCOMPARE(Quarter(rig), 1);
        QTest::keyClick(window.focusWidget(), Qt::Key_Space);
        QVERIFY(ReplayTimer(rig).isActive());
        QTRY_COMPARE_WITH_TIMEOUT(Quarter(rig), 2, 2000);
        // F5 (and Enter on 試合開始) during a replay shows the result, and plays nothing more.
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(Quarter(rig), 6);
        QCOMPARE(rig.Game.Matchday, 1);
        QVERIFY(rig.Button(QStringLiteral("BtnGame")).hasFocus());
        // Esc skips the next one.
        QTest::keyClick(&rig.Button(QStringLiteral("BtnGame")), Qt::Key_Return);
        QCOMPARE(rig.Game.Matchday, 2);
        QVERIFY(ReplayTimer(rig).isActive());
        QTest::keyClick(window.focusWidget(), Qt::Key_Escape);
        QCOMPARE(Quarter(rig), 6);
        QVERIFY(!rig.Action(QStringLiteral("ActReplayPause")).isEnabled());
        // The optional pause at half-time.
        rig.Action(QStringLiteral("ActReplayHalfTime")).trigger();
        rig.Button(QStringLiteral("BtnGame")).click();
        QTRY_VERIFY_WITH_TIMEOUT(!ReplayTimer(rig).isActive(), 4000);
        QCOMPARE(Quarter(rig), 3);
        QTest::qWait(500);
        QCOMPARE(Quarter(rig), 3);
        rig.Action(QStringLiteral("ActReplayPause")).trigger();
        QTRY_COMPARE_WITH_TIMEOUT(Quarter(rig), 6, 4000);
        rig.Dialogs.Answers = {QMessageBox::Ok};
        window.close();
    }
    // The next start remembers watching, the speed and the half-time pause.
    TWindowRig again(3, nullptr, settings.path());
    QVERIFY(again.Action(QStringLiteral("ActWatch")).isChecked());
    QVERIFY(again.Find<QCheckBox>(QStringLiteral("CheckWatch")).isChecked());
    QVERIFY(again.Action(QStringLiteral("ActReplayFast")).isChecked());
    QVERIFY(again.Action(QStringLiteral("ActReplayHalfTime")).isChecked());
    QCOMPARE(ReplayTimer(again).interval(), 400);
}

void MatchCentreTests::TabReachesTheCentreUnderThePrices() {
    TWindowRig rig;
    // A page made after the window (賞金一覧) stands in the focus chain before the centre, which
    // is made at the first replay.
    rig.ShowPage("TabSheet3");
    WatchFast(rig);
    rig.Play(1);
    rig.Action(QStringLiteral("ActReplayPause")).trigger(); // every control of the centre enabled
    rig.W().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.W()));
    rig.Button(QStringLiteral("BtnMesClear")).setFocus();
    QStringList reached;
    for (int i = 0; i < 16 && reached.size() < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (const QString name = QApplication::focusWidget()->objectName();
            !name.startsWith(QStringLiteral("BtnPrice")))
            reached << name;
    }
    QCOMPARE(reached,
             QStringList({"ListCentreEvents", "TableCentreOthers", "BtnActReplayPause",
                          "BtnActReplayStep", "BtnActReplaySkip", "BtnActReplaySlow",
                          "BtnActReplayNormal", "BtnActReplayFast", "BtnActReplayHalfTime"}));
    rig.Action(QStringLiteral("ActReplaySkip")).trigger();
}

void MatchCentreTests::CommandsFirstEndTheReplay() {
    TWindowRig rig(8);
    WatchFast(rig);
    // 強化費投入: the matchday's messages come first, then the investment's.
    rig.Button(QStringLiteral("BtnGame")).click();
    QVERIFY(ReplayTimer(rig).isActive());
    const int lines = rig.LogLines().size();
    rig.Find<QComboBox>(QStringLiteral("ComboBoxBuildUp")).setEditText(QStringLiteral("50"));
    rig.Button(QStringLiteral("BtnBuildUp")).click();
    QCOMPARE(Quarter(rig), 6);
    QVERIFY(!ReplayTimer(rig).isActive());
    const QStringList log = rig.LogLines();
    QCOMPARE(log.size(), lines + (rig.Game.MyLastResult() == mrWin ? 3 : 1) + 1);
    QVERIFY(log.back().contains(QStringLiteral("50")));
    QVERIFY(log[lines].startsWith(QStringLiteral("第1節")));
    // A save during a replay saves the decided matchday, and the log has it.
    rig.Button(QStringLiteral("BtnGame")).click();
    QVERIFY(ReplayTimer(rig).isActive());
    rig.Slot("MIDataSave", 1).trigger();
    QVERIFY(!ReplayTimer(rig).isActive());
    QVERIFY(rig.LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("第2節")));
    // ニューゲーム: the replay ends before its question.
    rig.Button(QStringLiteral("BtnGame")).click();
    rig.Dialogs.Answers = {QMessageBox::Cancel};
    rig.Action(QStringLiteral("N9")).trigger();
    QCOMPARE(Quarter(rig), 6);
    QCOMPARE(rig.Game.Matchday, 3);
    // Closing the window: the replay ends, then the usual question.
    rig.Button(QStringLiteral("BtnGame")).click();
    rig.Dialogs.Answers = {QMessageBox::Cancel};
    rig.W().close();
    QVERIFY(!ReplayTimer(rig).isActive());
    QVERIFY(rig.LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("第4節")));
    QVERIFY(rig.W().isVisible());
}

void MatchCentreTests::GoalsHalfTimeAndFinalScoreAreAnnouncedWithoutMovingFocus() {
    TWindowRig rig(2);
    QStringList announced;
    WatchUntilTheFixtureScores(rig, announced);
}

void MatchCentreTests::AnnouncementsReachTheAccessibilityBus() {
    if (qgetenv("GOALRUN_ACCESSIBILITY_BUS") != "1")
        QSKIP("runs on its own accessibility bus, started by on_accessibility_bus.sh");
    TAtSpiListener listener;
    QVERIFY2(listener.Listen(), qPrintable(listener.Error));
    TWindowRig rig(2);
    QTRY_VERIFY(QAccessible::isActive());
    QStringList announced;
    WatchUntilTheFixtureScores(rig, announced);
    if (QTest::currentTestFailed())
        return;
    // Every announcement reached the bus, in order, as the text of a notification that shows.
    const auto heardWhole = [&] {
        for (const TAtSpiListener::THeard& h : listener.HeardFrom(QStringLiteral("notification")))
            if (h.Texts == announced && h.Showings >= announced.size())
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(heardWhole(), 10000);
}

void MatchCentreTests::TitleHeadsTheReviewAtTheFinalWhistle() {
    TWindowRig rig(4);
    // A club no one can stop: every match a win, the title at the end.
    rig.Game.MyClub().Attack = rig.Game.MyClub().Defense = 100000;
    rig.Play(29);
    WatchFast(rig);
    rig.Button(QStringLiteral("BtnGame")).click();
    auto* review = rig.W().findChild<QDialog*>(QStringLiteral("SeasonReviewDialog"));
    QVERIFY(review == nullptr || !review->isVisible()); // nothing before the final whistle
    rig.Action(QStringLiteral("ActReplaySkip")).trigger();
    review = rig.W().findChild<QDialog*>(QStringLiteral("SeasonReviewDialog"));
    QVERIFY(review != nullptr && review->isVisible());
    auto* headline = review->findChild<QLabel*>(QStringLiteral("LabelReviewHeadline"));
    QVERIFY(headline->isVisibleTo(review));
    QVERIFY2(headline->text().startsWith(QStringLiteral("優勝！ 1季目")),
             qPrintable(headline->text()));
    QVERIFY(headline->text().contains(QStringLiteral("30勝0分0敗")));
}

void MatchCentreTests::EachKickOffStartsClean() {
    TWindowRig rig(12);
    WatchFast(rig);
    rig.Button(QStringLiteral("BtnGame")).click();
    rig.Action(QStringLiteral("ActReplaySkip")).trigger();
    auto& centre = rig.Find<QWidget>(QStringLiteral("MatchCentre"));
    const auto shownEnd = [&] {
        QCoreApplication::processEvents(); // the controls made at the first replay show
        QStringList lines;
        for (const QLabel* label : centre.findChildren<QLabel*>())
            if (label->isVisibleTo(&centre) && label->text().contains(QStringLiteral("試合終了")))
                lines << label->objectName() + QLatin1Char(':') + label->text();
        return lines;
    };
    QVERIFY(!shownEnd().isEmpty()); // the final whistle of matchday 1
    rig.Button(QStringLiteral("BtnGame")).click();
    QCOMPARE(Quarter(rig), 0);
    QVERIFY2(shownEnd().isEmpty(), qPrintable(shownEnd().join(QLatin1Char('|'))));
    QCOMPARE(rig.Find<QLabel>(QStringLiteral("LabelCentreAnnouncer")).text(), QString());
    QCOMPARE(Events(rig), QStringList());
    rig.Action(QStringLiteral("ActReplaySkip")).trigger();
}

void MatchCentreTests::EventLinesFollowTheLanguage() {
    TWindowRig rig(13);
    WatchFast(rig);
    // The replay waits while the window takes the new language in.
    const auto switchTo = [&rig](const char* code) {
        rig.Action(QStringLiteral("MenuLanguage_") + QLatin1String(code)).trigger();
        QCoreApplication::processEvents();
    };
    const auto restore = qScopeGuard([&switchTo] { switchTo("ja"); });
    for (int guard = 0; guard < 30; ++guard) {
        rig.Button(QStringLiteral("BtnGame")).click();
        for (int q = 1; q <= 3; ++q)
            rig.Action(QStringLiteral("ActReplayStep")).trigger();
        if (Expected(rig, 3).Events.isEmpty() ||
            Expected(rig, 6).Events == Expected(rig, 3).Events) {
            rig.Action(QStringLiteral("ActReplaySkip")).trigger();
            continue;
        }
        // During the replay and after it, in either language: the same lines, worded again.
        rig.Action(QStringLiteral("ActReplayPause")).trigger();
        switchTo("en");
        QCOMPARE(Events(rig), InEnglish(Expected(rig, 3).Events));
        rig.Action(QStringLiteral("ActReplaySkip")).trigger();
        QCOMPARE(Events(rig), InEnglish(Expected(rig, 6).Events));
        switchTo("ja");
        QCOMPARE(Events(rig), Expected(rig, 6).Events);
        switchTo("en");
        QCOMPARE(Events(rig), InEnglish(Expected(rig, 6).Events));
        return;
    }
    QFAIL("no line in the first half and another after it in thirty matchdays");
}

void MatchCentreTests::LoadedGameShowsItsReportInsteadOfTheReplay() {
    TWindowRig rig(14);
    rig.Play(2);
    rig.Slot("MIDataSave", 1).trigger();
    WatchFast(rig);
    auto& stack = rig.Find<QStackedWidget>(QStringLiteral("StackReport"));
    auto& heading = rig.Find<QLabel>(QStringLiteral("LabelReportHeading"));
    // While the replay runs, and once it has ended with the centre still in place.
    for (const bool ended : {false, true}) {
        rig.Button(QStringLiteral("BtnGame")).click();
        QCOMPARE(rig.Game.Matchday, 3);
        if (ended)
            rig.Action(QStringLiteral("ActReplaySkip")).trigger();
        QCOMPARE(stack.currentWidget()->objectName(), QStringLiteral("MatchCentre"));
        emit rig.Menu("MILoad").aboutToShow();
        rig.Dialogs.Answers = {QMessageBox::Ok}; // the matchday unsaved may go
        rig.Slot("MIDataLoad", 1).trigger();
        QCOMPARE(rig.Game.Matchday, 2);
        QVERIFY(!ReplayTimer(rig).isActive());
        QCOMPARE(stack.currentWidget()->objectName(), QStringLiteral("MatchReportView"));
        QVERIFY2(heading.text().startsWith(QStringLiteral("第2節 ")), qPrintable(heading.text()));
    }
}

void MatchCentreTests::TypedAmountsOddsWaitForTheFinalWhistle() {
    TWindowRig rig(15);
    rig.Play(1);
    WatchFast(rig);
    auto& odds = rig.Find<QLabel>(QStringLiteral("LabelBuildUpOdds"));
    auto& box = rig.Find<QComboBox>(QStringLiteral("ComboBoxBuildUp"));
    box.setEditText(QStringLiteral("100"));
    QVERIFY(odds.text().startsWith(QStringLiteral("この額なら ")));
    rig.Dialogs.Choices = {1}; // play without investing
    rig.Button(QStringLiteral("BtnGame")).click();
    QVERIFY(ReplayTimer(rig).isActive());
    QCOMPARE(odds.text(), QString());
    box.setEditText(QStringLiteral("120")); // a new amount during the replay: still nothing
    rig.Action(QStringLiteral("ActReplayStep")).trigger();
    QCOMPARE(odds.text(), QString());
    rig.Action(QStringLiteral("ActReplaySkip")).trigger();
    // The next match's odds for the amount in the box, as without watching.
    const QString atWhistle = odds.text();
    QVERIFY(atWhistle.startsWith(QStringLiteral("この額なら ")));
    box.setEditText(QStringLiteral("0"));
    box.setEditText(QStringLiteral("120"));
    QCOMPARE(odds.text(), atWhistle);
}

QTEST_MAIN(MatchCentreTests)
#include "MatchCentreTests.moc"
