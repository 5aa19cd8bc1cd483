// The main window's start-up, its commands and the enabling rule, driven through its buttons and
// menus as the player would.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

#include "WindowRig.h"
#include "ZnActns.h"

namespace {

const QStringList OpeningLines = {
    QStringLiteral("あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。"),
    QStringLiteral("そのために、2億円を資金として捻出しました。"),
    QStringLiteral("それでは、健闘を祈ります。")};

struct TCommandStates {
    bool Game;
    bool BuildUp;
    bool NextSeason;
};

void CheckCommandStates(TFormMain& window, TCommandStates expected) {
    QCOMPARE(window.BtnGame->isEnabled(), expected.Game);
    QCOMPARE(window.ActGame->isEnabled(), expected.Game);
    QCOMPARE(window.BtnBuildUp->isEnabled(), expected.BuildUp);
    QCOMPARE(window.ActBuildUp->isEnabled(), expected.BuildUp);
    QCOMPARE(window.BtnNextSeason->isEnabled(), expected.NextSeason);
    QCOMPARE(window.ActNextSeason->isEnabled(), expected.NextSeason);
}

QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class FrmGoalrunTests : public QObject {
    Q_OBJECT
private slots:
    void StartupShowsOpeningMessagesTableInCreationOrderAndFirstMatchday();
    void SecondActivationStartsNoNewGame();
    void WholeSeasonFollowsEnablingRuleUntilTheTitle();
    void NewGameQuestion_data();
    void NewGameQuestion();
    void HiddenThirtyButtonPlaysTheRestOfTheSeasonAndStops();
    void MessageClearEmptiesLogAndNextMessageStartsFirstLine();
    void ClubNamesComeFromTheFileBesideTheProgram_data();
    void ClubNamesComeFromTheFileBesideTheProgram();
    void MenusHoldTheirEntriesInOrder();
    void StandardActionsOpenHelpAndFolderAndClose();
};

void FrmGoalrunTests::StartupShowsOpeningMessagesTableInCreationOrderAndFirstMatchday() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    QCOMPARE(window.windowTitle(), QStringLiteral("ゴールラン"));
    QVERIFY(window.Activated);
    QCOMPARE(rig.LogLines(), OpeningLines);
    QCOMPARE(window.PageControl1->currentIndex(), 0);
    QCOMPARE(window.ZLVRankTable->RowCount(), 16);
    QCOMPARE(window.ZLVRankTable->ColumnCount(), 10);
    for (int row = 0; row < 16; ++row) {
        QCOMPARE(window.ZLVRankTable->CellText(row, 0), QString(QChar(u'A' + row)));
        QCOMPARE(window.ZLVRankTable->CellText(row, 1), QString::number(row + 1));
    }
    // The player manages the weakest club, created last.
    QCOMPARE(window.ZLVRankTable->SelectedRow(), 15);
    QCOMPARE(rig.Panel(0), QStringLiteral("P"));
    QCOMPARE(rig.Panel(1), QStringLiteral("なし"));
    QCOMPARE(rig.Panel(2), QStringLiteral("なし"));
    QVERIFY2(rig.Panel(3).startsWith(QStringLiteral("第1節 ")), qPrintable(rig.Panel(3)));
    QCOMPARE(rig.Panel(5), QStringLiteral("0円"));
    QCOMPARE(rig.Panel(9), QStringLiteral("2億円"));
    QCOMPARE(rig.Panel(10), QStringLiteral("1季目"));
    CheckCommandStates(window, {true, true, false});
    QVERIFY(!window.Modified);
    QVERIFY(window.Untitled);
    QCOMPARE(window.ComboBoxBuildUp->currentText(), QStringLiteral("0"));
    QCOMPARE(window.ComboBoxBuildUp->count(), 38);
    QCOMPARE(window.ComboBoxBuildUp->itemText(10), QStringLiteral("10"));
    QCOMPARE(window.ComboBoxBuildUp->itemText(11), QStringLiteral("20"));
    QCOMPARE(window.ComboBoxBuildUp->itemText(37), QStringLiteral("10000"));
}

void FrmGoalrunTests::SecondActivationStartsNoNewGame() {
    TWindowRig rig;
    rig.Play(1);
    rig.W().hide();
    rig.W().show();
    rig.W().FormActivate();
    QCOMPARE(rig.Game.Matchday, 1);
}

void FrmGoalrunTests::WholeSeasonFollowsEnablingRuleUntilTheTitle() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    for (int matchday = 1; matchday <= 30; ++matchday) {
        CheckCommandStates(window, {true, true, false});
        window.BtnGame->click();
        QCOMPARE(rig.Game.Matchday, matchday);
    }
    CheckCommandStates(window, {false, false, true});
    QCOMPARE(rig.Panel(3), QStringLiteral("なし"));
    QCOMPARE(rig.Panel(4), QStringLiteral("なし"));
    QVERIFY(rig.Panel(1).startsWith(QStringLiteral("第30節 ")));
    // A disabled command does nothing, whichever way it is reached.
    window.ActGame->trigger();
    QCOMPARE(rig.Game.Matchday, 30);

    window.BtnNextSeason->click();
    QCOMPARE(rig.Game.Season, 1);
    QCOMPARE(rig.Game.Matchday, 0);
    QCOMPARE(rig.Panel(10), QStringLiteral("2季目"));
    CheckCommandStates(window, {true, true, false});

    // A club that never concedes and always attacks wins the title, which ends the game.
    rig.Game.MyClub().Attack = 10000;
    rig.Game.MyClub().Defense = 10000;
    window.BtnGame30->click();
    QCOMPARE(rig.Game.Matchday, 30);
    QVERIFY(rig.Game.Finished);
    QCOMPARE(rig.Game.MyClub().Rank, 0);
    CheckCommandStates(window, {false, false, false});
    window.ActNextSeason->trigger();
    QCOMPARE(rig.Game.Season, 1);

    rig.Dialogs.Answers = {QMessageBox::Ok};
    window.N9->trigger();
    QVERIFY(!rig.Game.Finished);
    CheckCommandStates(window, {true, true, false});
}

void FrmGoalrunTests::NewGameQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("newGame");
    QTest::newRow("Cancel keeps the game") << int(QMessageBox::Cancel) << false;
    QTest::newRow("OK starts a new game") << int(QMessageBox::Ok) << true;
}

void FrmGoalrunTests::NewGameQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, newGame);
    TWindowRig rig;
    rig.Play(2);
    rig.W().Modified = true;
    rig.W().Untitled = false;
    const QStringList logBefore = rig.LogLines();
    const QString tableBefore = rig.W().ZLVRankTable->CellText(0, 0);
    const int busyBefore = rig.Dialogs.BusyCount;
    rig.Dialogs.Answers = {static_cast<QMessageBox::StandardButton>(answer)};

    rig.W().N9->trigger();

    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    const auto& shown = rig.Dialogs.Shown.front();
    QCOMPARE(shown.Text, QStringLiteral("新しくゲームを始めます。よろしいですか？"));
    QCOMPARE(shown.Caption, QStringLiteral("確認"));
    QCOMPARE(shown.Icon, QMessageBox::Question);
    QCOMPARE(shown.Buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(shown.DefaultButton, QMessageBox::Cancel);
    QCOMPARE(rig.Dialogs.BusyDepth, 0);
    if (newGame) {
        QCOMPARE(rig.Game.Matchday, 0);
        QCOMPARE(rig.LogLines(), OpeningLines);
        QCOMPARE(rig.W().ZLVRankTable->CellText(0, 0), QStringLiteral("A"));
        QCOMPARE(rig.Panel(1), QStringLiteral("なし"));
        QCOMPARE(rig.Dialogs.BusyCount, busyBefore + 1);
        QVERIFY(!rig.W().Modified);
        QVERIFY(rig.W().Untitled);
    } else {
        QCOMPARE(rig.Game.Matchday, 2);
        QCOMPARE(rig.LogLines(), logBefore);
        QCOMPARE(rig.W().ZLVRankTable->CellText(0, 0), tableBefore);
        QCOMPARE(rig.Dialogs.BusyCount, busyBefore);
        QVERIFY(rig.W().Modified);
        QVERIFY(!rig.W().Untitled);
    }
}

void FrmGoalrunTests::HiddenThirtyButtonPlaysTheRestOfTheSeasonAndStops() {
    TWindowRig rig;
    rig.Play(12);
    QVERIFY(rig.W().BtnGame30->isHidden());
    QCOMPARE(rig.W().BtnGame30->text(), QStringLiteral("BtnGame30"));
    rig.W().BtnMesClearClick();

    rig.W().BtnGame30->click();

    QCOMPARE(rig.Game.Matchday, 30);
    QCOMPARE(rig.Game.Season, 0);
    // Matchdays 13 to 30 each reported once; the last twelve clicks played nothing.
    const QStringList lines = rig.LogLines();
    for (int matchday = 1; matchday <= 31; ++matchday) {
        const QString head = QStringLiteral("第%1節 ").arg(matchday);
        const auto reports = std::count_if(
            lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(head); });
        QCOMPARE(reports, matchday >= 13 && matchday <= 30 ? 1 : 0);
    }
    CheckCommandStates(rig.W(), {false, false, true});
}

void FrmGoalrunTests::MessageClearEmptiesLogAndNextMessageStartsFirstLine() {
    TWindowRig rig;
    rig.W().BtnMesClear->click();
    QVERIFY(rig.W().RichEdit1->toPlainText().isEmpty());
    QCOMPARE(rig.Game.Matchday, 0);
    rig.Play(1);
    QVERIFY2(rig.W().RichEdit1->toPlainText().startsWith(QStringLiteral("第1節 ")),
             qPrintable(rig.W().RichEdit1->toPlainText()));
}

void FrmGoalrunTests::ClubNamesComeFromTheFileBesideTheProgram_data() {
    QStringList names;
    for (int i = 0; i < 16; ++i)
        names << QStringLiteral("青葉台ＦＣ%1").arg(i);
    const QString text = names.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QStringEncoder sjis("windows-31j");
    QVERIFY(sjis.isValid());
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QStringList letters;
    for (int i = 0; i < 16; ++i)
        letters << QString(QChar(u'A' + i));
    QTest::newRow("code page 932") << true << QByteArray(sjis.encode(text)) << names;
    QTest::newRow("UTF-8") << true << text.toUtf8() << names;
    QTest::newRow("UTF-8 with byte-order mark")
        << true << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << names;
    QTest::newRow("fifteen lines give A to P")
        << true << QStringList(names.mid(0, 15)).join(QStringLiteral("\n")).toUtf8() << letters;
    QTest::newRow("no file gives A to P") << false << QByteArray() << letters;
}

void FrmGoalrunTests::ClubNamesComeFromTheFileBesideTheProgram() {
    QFETCH(bool, withFile);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    TWindowRig rig(1, withFile ? &bytes : nullptr);
    for (int row = 0; row < 16; ++row)
        QCOMPARE(rig.W().ZLVRankTable->CellText(row, 0), expected[row]);
    QCOMPARE(rig.Panel(0), expected[15]);
}

void FrmGoalrunTests::MenusHoldTheirEntriesInOrder() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, QStringList({QStringLiteral("ゲーム(&G)"), QStringLiteral("ロード(&L)"),
                                  QStringLiteral("セーブ(&S)"), QStringLiteral("ヘルプ(&H)")}));
    QCOMPARE(MenuTexts(*window.G1), QStringList({QStringLiteral("ニューゲーム(&N)"),
                                                 QStringLiteral("-"), QStringLiteral("終了(&X)")}));
    QCOMPARE(MenuTexts(*window.H2),
             QStringList({QStringLiteral("ヘルプ(&H)"), QStringLiteral("-"),
                          QStringLiteral("アプリケーションのフォルダを開く(&O)"),
                          QStringLiteral("-"), QStringLiteral("バージョン情報(&A)")}));
    QCOMPARE(window.MILoad->actions().size(), 10);
    QCOMPARE(window.MISave->actions().size(), 10);
    for (int n = 0; n < 10; ++n) {
        QCOMPARE(window.MIDataLoad[n]->data().toInt(), n);
        QCOMPARE(window.MIDataSave[n]->data().toInt(), n);
    }
    QCOMPARE(window.ZnViewHelpHtmlAction1->statusTip(), QStringLiteral("ヘルプのHTMLを開きます。"));
    QCOMPARE(window.ZnViewHelpHtmlAction1->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(window.FileOpenAct->text(), QStringLiteral("開く(&O)..."));
    QCOMPARE(window.FileOpenAct->property("Category").toString(), QStringLiteral("ファイル"));
    QCOMPARE(window.ActMILoad->property("Category").toString(), QStringLiteral("ロードセーブ"));
    QCOMPARE(window.ZnAboutAction1->property("Category").toString(), QStringLiteral("Vomera"));
    QCOMPARE(window.ActionList1.size(), size_t{12 + 4 + 6 + 4 + 6});
}

void FrmGoalrunTests::StandardActionsOpenHelpAndFolderAndClose() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    const QString folder = rig.Folder.path() + QLatin1Char('/');
    QVERIFY(window.ZnViewHelpHtmlAction1->FileName.endsWith(QStringLiteral("_help.html")));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.ZLVRankTable, Qt::Key_F1);
    QCOMPARE(rig.Opener.Opened.size(), size_t{1});
    QCOMPARE(rig.Opener.Opened[0],
             QUrl::fromLocalFile(folder + window.ZnViewHelpHtmlAction1->FileName));
    window.ZnOpenAppFolderAction1->trigger();
    QCOMPARE(rig.Opener.Opened.back(), QUrl::fromLocalFile(folder));
    QCOMPARE(window.ZnAboutAction1->ApplicationName, QStringLiteral("ゴールラン"));
    QCOMPARE(window.ZnAboutAction1->ApplicationVer, QStringLiteral("1.00"));
    QVERIFY(window.ZnAboutAction1->CopyrightInfo.contains(QStringLiteral("Vomera")));
    QVERIFY(window.isVisible());
    window.ZnExitAction1->trigger();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(FrmGoalrunTests)
#include "FrmGoalrunTests.moc"
