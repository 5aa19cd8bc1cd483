// The window's part of challenge codes, difficulties and achievements: the new game's box, where
// the code and difficulty stand, the copy command, the note of an achievement and the player's
// achievements file.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <QStatusTipEvent>

#include "GameAchievementsFile.h"
#include "LiveAnnouncer.h"
#include "ZnStream.h"
#include "ZnUtils.h"
#include "WindowRig.h"

namespace {

// Answers the new game's box with `code` and the difficulty at `index`, through the box's own
// OK, which refuses a text that is not a code.
std::function<int(QDialog&)> NewGameBox(const QString& code, int index) {
    return [code, index](QDialog& box) {
        if (box.objectName() != QStringLiteral("NewGameDialog"))
            return int(QDialog::Accepted);
        box.findChild<QLineEdit*>(QStringLiteral("ChallengeCodeEdit"))->setText(code);
        box.findChild<QComboBox*>(QStringLiteral("DifficultyBox"))->setCurrentIndex(index);
        box.accept();
        return box.result();
    };
}

std::vector<uint8_t> Image(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return stream.Bytes;
}

QString FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class ChallengeWindowTests : public QObject {
    Q_OBJECT
private slots:
    void NewGameTakesCodeAndDifficulty_data();
    void NewGameTakesCodeAndDifficulty();
    void TheWindowPlaysTheCodesGame();
    void AchievementsAreNotedListedAndKeptPerUser();
    void AWatchedAchievementIsKeptAtOnceAndNotedAtTheWhistle();
};

void ChallengeWindowTests::NewGameTakesCodeAndDifficulty_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<QString>("code"); // the game's code after the box; "?" any drawn one
    QTest::addColumn<QString>("shown");
    QTest::newRow("code at hard") << "sakura26" << 2 << "SAKURA26"
                                  << "難しい・挑戦コード SAKURA26";
    QTest::newRow("no code at easy") << "" << 0 << ""
                                     << "易しい";
    QTest::newRow("no code at normal: today's game") << "  " << 1 << ""
                                                     << "";
    QTest::newRow("random") << "ランダム" << 1 << "?"
                            << "?";
    QTest::newRow("look-alike refused") << "SAKURA2O" << 2 << "-"
                                        << "-";
}

void ChallengeWindowTests::NewGameTakesCodeAndDifficulty() {
    QFETCH(QString, typed);
    QFETCH(int, difficulty);
    QFETCH(QString, code);
    QFETCH(QString, shown);
    TWindowRig rig;
    rig.Play(2);
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Dialogs.OnExecDialog = NewGameBox(typed, difficulty);
    rig.Action("N9").trigger();
    auto& note = rig.Find<QLabel>("ChallengeNote");
    if (code == QStringLiteral("-")) { // the box stays open; cancelled, the game goes on
        QCOMPARE(rig.Game.Matchday, 2);
        return;
    }
    QCOMPARE(rig.Game.Matchday, 0);
    const TZnGameSetup& setup = rig.Game.Setup();
    QCOMPARE(static_cast<int>(setup.Difficulty), difficulty);
    QCOMPARE(rig.Game.Coach().Money, RulesOf(setup.Difficulty).StartingMoney);
    if (code == QStringLiteral("?")) {
        QVERIFY(setup.Code.has_value());
        code = QString::fromStdString(setup.Code->Text());
        shown = QStringLiteral("普通・挑戦コード ") + code;
    }
    QCOMPARE(setup.Code ? QString::fromStdString(setup.Code->Text()) : QString(), code);
    QCOMPARE(note.text(), shown);
    QCOMPARE(note.isVisibleTo(&rig.W()), !shown.isEmpty());
    QCOMPARE(rig.List("ZLVMyClub").toolTip(),
             QStringLiteral("1万円で攻撃・守備 +1") +
                 (shown.isEmpty() ? QString() : QStringLiteral("\n") + shown));
    rig.ShowPage("TabSheet5");
    QCOMPARE(rig.Find<QLabel>("CareerChallenge").text(), shown);
    QCOMPARE(rig.Action("ActCopyCode").isEnabled(), !code.isEmpty());
    if (!code.isEmpty()) {
        rig.Action("ActCopyCode").trigger();
        QCOMPARE(QApplication::clipboard()->text(), code);
    }
}

void ChallengeWindowTests::TheWindowPlaysTheCodesGame() {
    // The window's game of a code is the engine's, whatever the seed source: the same saves as
    // goalrun-cli --code gives.
    TWindowRig rig(7);
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Dialogs.OnExecDialog = NewGameBox(QStringLiteral("SAKURA26"), 1);
    rig.Action("N9").trigger();
    rig.Button(QStringLiteral("BtnGame30")).click();
    TZnGameGoalrun engine(ClockSeedSource());
    engine.NewGame({TZnChallengeCode::Parse("SAKURA26"), TZnDifficulty::Normal});
    while (engine.CanPlayMatchday())
        engine.PlayMatchday();
    QCOMPARE(rig.Game.Matchday, 30);
    engine.Identity = rig.Game.Identity; // two games, one play
    QVERIFY(Image(rig.Game) == Image(engine));
    // The records book names the challenge first.
    rig.ShowPage("TabSheet5");
    auto& records = rig.Find<QTableWidget>("TableRecords");
    QCOMPARE(records.item(0, 1)->text(), QStringLiteral("普通・挑戦コード SAKURA26"));
}

void ChallengeWindowTests::AchievementsAreNotedListedAndKeptPerUser() {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("goalrun/achievements"));
    // The program's file: in the user's data folder, beside the autosaves' folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    QCOMPARE(AchievementsFile(), path);
    QDir().mkpath(home.filePath(QStringLiteral("goalrun")));
    // A damaged file costs what it holds, never the game.
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("title\tyesterday\t1\tnormal\t-\n\xff\xfe\n");
    damaged.close();
    TWindowRig rig(1, nullptr, {}, [&](TFormMain& window) { window.SetAchievementsFile(path); });
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Dialogs.OnExecDialog = NewGameBox(QStringLiteral("SAKURA26"), 1);
    rig.Action("N9").trigger();
    auto& note = rig.Find<TLiveAnnouncer>("AchievementNote");
    QPushButton& play = rig.Button(QStringLiteral("BtnGame"));
    while (rig.Game.Achievements.empty()) {
        // The pointer rests on 試合開始, whose tip the status bar shows.
        QStatusTipEvent tip(play.statusTip());
        QCoreApplication::sendEvent(&play, &tip);
        QVERIFY(!rig.W().statusBar()->currentMessage().isEmpty());
        rig.Play(1);
    }
    QCOMPARE(rig.Game.Achievements.front().Id, TZnAchievementId::FirstWin);
    QCOMPARE(note.text(), QStringLiteral("実績「初勝利」を達成しました。"));
    // The note takes the bar's place from the tip, never drawn over it.
    QVERIFY(note.isVisibleTo(&rig.W()));
    QCOMPARE(rig.W().statusBar()->currentMessage(), QString());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(FileText(path), QStringLiteral("first_win\t%1\t1\tnormal\tSAKURA26\n").arg(today));

    // The list shows all eight, the one earned with its date, season and code.
    QStringList earnedColumn;
    bool whole = false;
    rig.Dialogs.OnExecDialog = [&](QDialog& box) {
        auto* table = box.findChild<QTableWidget*>(QStringLiteral("TableAchievements"));
        for (int row = 0; table != nullptr && row < table->rowCount(); ++row)
            earnedColumn << table->item(row, 2)->text();
        // Every column and row in sight when it opens, with nothing to scroll.
        box.show();
        whole = table != nullptr &&
                table->viewport()->width() >= table->horizontalHeader()->length() &&
                table->viewport()->height() >= table->verticalHeader()->length();
        return int(QDialog::Accepted);
    };
    rig.Action("ActAchievements").trigger();
    QCOMPARE(earnedColumn.size(), 8);
    QVERIFY(whole);
    QCOMPARE(earnedColumn[0], today + QStringLiteral(" 1季目 普通・挑戦コード SAKURA26"));
    QCOMPARE(earnedColumn[1], QStringLiteral("未達成"));

    // At 易しい nothing is earned, noted or written.
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Dialogs.OnExecDialog = NewGameBox(QString(), 0);
    rig.Action("N9").trigger();
    rig.Button(QStringLiteral("BtnGame30")).click();
    QVERIFY(rig.Game.Achievements.empty());
    QCOMPARE(FileText(path), QStringLiteral("first_win\t%1\t1\tnormal\tSAKURA26\n").arg(today));

    // A folder where the file should be is left alone; the game goes on and the note says why.
    const QString folder = home.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/inside")));
    rig.W().SetAchievementsFile(folder);
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Dialogs.OnExecDialog = NewGameBox(QString(), 2);
    rig.Action("N9").trigger();
    while (rig.Game.Achievements.empty())
        rig.Play(1);
    QVERIFY2(note.text().startsWith(
                 QStringLiteral("実績「初勝利」を達成しました。 （実績のファイルに書けません: ")),
             qPrintable(note.text()));
    QVERIFY(QFileInfo(folder + QStringLiteral("/inside")).isDir());
    rig.Play(1);
    QCOMPARE(rig.Game.Matchday, rig.Game.Achievements.front().Matchday + 1);
}

void ChallengeWindowTests::AWatchedAchievementIsKeptAtOnceAndNotedAtTheWhistle() {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("goalrun/achievements"));
    TWindowRig rig(1, nullptr, {}, [&](TFormMain& window) { window.SetAchievementsFile(path); });
    rig.Action("ActWatch").trigger();
    QVERIFY(rig.Action("ActWatch").isChecked());
    const auto& timer = rig.Find<QTimer>("TimerReplay");
    const auto& note = rig.Find<TLiveAnnouncer>("AchievementNote");
    // The replay's timer never fires here: only the test moves the replay on.
    while (rig.Game.Achievements.empty()) {
        rig.Action("ActReplaySkip").trigger();
        QVERIFY(!timer.isActive());
        rig.Button(QStringLiteral("BtnGame")).click();
        QVERIFY(timer.isActive());
    }
    QCOMPARE(rig.Game.Achievements.front().Id, TZnAchievementId::FirstWin);
    // In the file at once, so a game ended during the replay keeps it; said at the whistle only.
    const QString line = QStringLiteral("first_win\t%1\t1\tnormal\t-\n")
                             .arg(QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(FileText(path), line);
    for (int quarter = 1; quarter < 6; ++quarter) {
        QVERIFY(!note.isVisibleTo(&rig.W()));
        QCOMPARE(note.text(), QString());
        rig.Action("ActReplayStep").trigger();
    }
    QVERIFY(timer.isActive());
    QVERIFY(!note.isVisibleTo(&rig.W()));
    rig.Action("ActReplayStep").trigger();
    QVERIFY(!timer.isActive());
    QVERIFY(note.isVisibleTo(&rig.W()));
    QCOMPARE(note.text(), QStringLiteral("実績「初勝利」を達成しました。"));
    // Said once: the next matchday earns nothing and leaves the note as it was.
    rig.Button(QStringLiteral("BtnGame")).click();
    rig.Action("ActReplaySkip").trigger();
    QCOMPARE(note.text(), QStringLiteral("実績「初勝利」を達成しました。"));
    QCOMPARE(FileText(path), line);
}

QTEST_MAIN(ChallengeWindowTests)
#include "ChallengeWindowTests.moc"
