// The main window's start-up, its commands and the enabling rule, driven through its buttons and
// menus as the player would.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

#include "HelpViewer.h"
#include "MessageLogEdit.h"
#include "WindowRig.h"
#include "ZnActns.h"
#include "ZnCatalog.h"

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

void CheckCommandStates(const TWindowRig& rig, TCommandStates expected) {
    QCOMPARE(rig.Button("BtnGame").isEnabled(), expected.Game);
    QCOMPARE(rig.Action("ActGame").isEnabled(), expected.Game);
    QCOMPARE(rig.Button("BtnBuildUp").isEnabled(), expected.BuildUp);
    QCOMPARE(rig.Action("ActBuildUp").isEnabled(), expected.BuildUp);
    QCOMPARE(rig.Find<QWidget>("ComboBoxBuildUp").isEnabled(), expected.BuildUp);
    QCOMPARE(rig.Button("BtnNextSeason").isEnabled(), expected.NextSeason);
    QCOMPARE(rig.Action("ActNextSeason").isEnabled(), expected.NextSeason);
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
    void HelpAndFolderReachThePlayerWhenTheDesktopCannotOpenThem();
};

void FrmGoalrunTests::StartupShowsOpeningMessagesTableInCreationOrderAndFirstMatchday() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    QCOMPARE(window.windowTitle(), QStringLiteral("ゴールラン"));
    QVERIFY(window.IsActivated());
    // The first new game runs before the window is on the screen: no busy pointer for it.
    QCOMPARE(rig.Dialogs.BusyCount, 0);
    QCOMPARE(rig.LogLines(), OpeningLines);
    QCOMPARE(rig.PageShown(), QStringLiteral("TabSheet1"));
    // A page not on screen is built when first shown.
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("ZRankChart")) == nullptr);
    QCOMPARE(rig.List("ZLVRankTable").RowCount(), 16);
    QCOMPARE(rig.List("ZLVRankTable").ColumnCount(), 10);
    for (int row = 0; row < 16; ++row) {
        QCOMPARE(rig.TableCell(row, TZnRankColumn::Name), QString(QChar(u'A' + row)));
        QCOMPARE(rig.TableCell(row, TZnRankColumn::Rank), QString::number(row + 1));
    }
    // The player manages the weakest club, created last.
    QCOMPARE(rig.List("ZLVRankTable").SelectedRow(), 15);
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Club), QStringLiteral("P"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::LastResult), QStringLiteral("なし"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::LastOutcome), QStringLiteral("なし"));
    QVERIFY2(rig.PanelValue(TZnMyClubRow::Next).startsWith(QStringLiteral("第1節 ")),
             qPrintable(rig.PanelValue(TZnMyClubRow::Next)));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("0円"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Money), QStringLiteral("2億円"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Season), QStringLiteral("1季目"));
    CheckCommandStates(rig, {true, true, false});
    QVERIFY(!window.FileState().Modified);
    QVERIFY(window.FileState().Untitled);
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").currentText(), QStringLiteral("0"));
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").count(), 38);
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").itemText(10), QStringLiteral("10"));
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").itemText(11), QStringLiteral("20"));
    QCOMPARE(rig.Find<QComboBox>("ComboBoxBuildUp").itemText(37), QStringLiteral("10000"));
}

void FrmGoalrunTests::SecondActivationStartsNoNewGame() {
    TWindowRig rig;
    rig.Play(1);
    rig.W().hide();
    rig.W().show();
    QCOMPARE(rig.Game.Matchday, 1);
}

void FrmGoalrunTests::WholeSeasonFollowsEnablingRuleUntilTheTitle() {
    TWindowRig rig;
    for (int matchday = 1; matchday <= 30; ++matchday) {
        CheckCommandStates(rig, {true, true, false});
        rig.Button("BtnGame").click();
        QCOMPARE(rig.Game.Matchday, matchday);
    }
    CheckCommandStates(rig, {false, false, true});
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Next), QStringLiteral("なし"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Prediction), QStringLiteral("なし"));
    QVERIFY(rig.PanelValue(TZnMyClubRow::LastResult).startsWith(QStringLiteral("第30節 ")));
    // A disabled command does nothing, whichever way it is reached.
    rig.Action("ActGame").trigger();
    QCOMPARE(rig.Game.Matchday, 30);

    rig.Button("BtnNextSeason").click();
    QCOMPARE(rig.Game.Season, 1);
    QCOMPARE(rig.Game.Matchday, 0);
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Season), QStringLiteral("2季目"));
    CheckCommandStates(rig, {true, true, false});

    // A club that never concedes and always attacks wins the title, which ends the game.
    rig.Game.MyClub().Attack = 10000;
    rig.Game.MyClub().Defense = 10000;
    rig.Button("BtnGame30").click();
    QCOMPARE(rig.Game.Matchday, 30);
    QVERIFY(rig.Game.Finished);
    QCOMPARE(rig.Game.MyClub().Rank, 0);
    CheckCommandStates(rig, {false, false, false});
    rig.Action("ActNextSeason").trigger();
    QCOMPARE(rig.Game.Season, 1);

    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Action("N9").trigger();
    QVERIFY(!rig.Game.Finished);
    CheckCommandStates(rig, {true, true, false});
}

void FrmGoalrunTests::NewGameQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("newGame");
    QTest::addColumn<bool>("unsaved");
    QTest::newRow("Cancel keeps the game") << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("OK starts a new game") << int(QMessageBox::Ok) << true << false;
    QTest::newRow("unsaved progress is named") << int(QMessageBox::Cancel) << false << true;
}

void FrmGoalrunTests::NewGameQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, newGame);
    QFETCH(bool, unsaved);
    TWindowRig rig;
    rig.Play(unsaved ? 1 : 2);
    rig.Slot("MIDataSave", 0).trigger(); // the game gets a file name
    rig.Play(unsaved ? 1 : 0);
    rig.MarkModified();
    const QStringList logBefore = rig.LogLines();
    const QString tableBefore = rig.TableCell(0, TZnRankColumn::Name);
    const int busyBefore = rig.Dialogs.BusyCount;
    rig.Dialogs.Answers = {static_cast<QMessageBox::StandardButton>(answer)};

    rig.Action("N9").trigger();

    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    const auto& shown = rig.Dialogs.Shown.front();
    // One question only, which names the progress a new game would throw away.
    QCOMPARE(shown.Text,
             QStringLiteral("新しくゲームを始めます。よろしいですか？") +
                 (unsaved ? QStringLiteral("\r\n保存していない進行は失われます。") : QString()));
    QCOMPARE(shown.Caption, QStringLiteral("確認"));
    QCOMPARE(shown.Icon, QMessageBox::Question);
    QCOMPARE(shown.Buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(shown.DefaultButton, QMessageBox::Cancel);
    QCOMPARE(rig.Dialogs.BusyDepth, 0);
    if (newGame) {
        QCOMPARE(rig.Game.Matchday, 0);
        QCOMPARE(rig.LogLines(), OpeningLines);
        QCOMPARE(rig.TableCell(0, TZnRankColumn::Name), QStringLiteral("A"));
        QCOMPARE(rig.PanelValue(TZnMyClubRow::LastResult), QStringLiteral("なし"));
        QCOMPARE(rig.Dialogs.BusyCount, busyBefore + 1);
        QVERIFY(!rig.W().FileState().Modified);
        QVERIFY(rig.W().FileState().Untitled);
    } else {
        QCOMPARE(rig.Game.Matchday, 2);
        QCOMPARE(rig.LogLines(), logBefore);
        QCOMPARE(rig.TableCell(0, TZnRankColumn::Name), tableBefore);
        QCOMPARE(rig.Dialogs.BusyCount, busyBefore);
        QVERIFY(rig.W().FileState().Modified);
        QVERIFY(!rig.W().FileState().Untitled);
    }
}

void FrmGoalrunTests::HiddenThirtyButtonPlaysTheRestOfTheSeasonAndStops() {
    TWindowRig rig;
    rig.Play(12);
    QVERIFY(rig.Button("BtnGame30").isHidden());
    QCOMPARE(rig.Button("BtnGame30").text(), QStringLiteral("BtnGame30"));
    rig.Button("BtnMesClear").click();

    rig.Button("BtnGame30").click();

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
    CheckCommandStates(rig, {false, false, true});
}

void FrmGoalrunTests::MessageClearEmptiesLogAndNextMessageStartsFirstLine() {
    TWindowRig rig;
    rig.Button("BtnMesClear").click();
    QVERIFY(rig.Log().toPlainText().isEmpty());
    QCOMPARE(rig.Game.Matchday, 0);
    rig.Play(1);
    QVERIFY2(rig.Log().toPlainText().startsWith(QStringLiteral("第1節 ")),
             qPrintable(rig.Log().toPlainText()));
    // The log keeps its messages and words them anew in another language; a clear drops them.
    auto& log = dynamic_cast<TMessageLogEdit&>(rig.Log());
    log.SetWording(*CatalogWording(QStringLiteral("en")));
    QVERIFY2(rig.Log().toPlainText().startsWith(QStringLiteral("Matchday 1, ")),
             qPrintable(rig.Log().toPlainText()));
    rig.Button("BtnMesClear").click();
    log.SetWording(Japanese());
    QVERIFY(rig.Log().toPlainText().isEmpty());
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
        QCOMPARE(rig.TableCell(row, TZnRankColumn::Name), expected[row]);
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Club), expected[15]);
}

void FrmGoalrunTests::MenusHoldTheirEntriesInOrder() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, QStringList({QStringLiteral("ゲーム(&G)"), QStringLiteral("ロード(&L)"),
                                  QStringLiteral("セーブ(&S)"), QStringLiteral("ヘルプ(&H)")}));
    QCOMPARE(
        MenuTexts(rig.Menu("G1")),
        QStringList({QStringLiteral("ニューゲーム(&N)"), QStringLiteral("シーズンレビュー(&R)"),
                     QStringLiteral("実績(&E)"), QStringLiteral("挑戦コードをコピー(&C)"),
                     QStringLiteral("-"), QStringLiteral("試合を観る"), QStringLiteral("観戦(&W)"),
                     QStringLiteral("-"), QStringLiteral("開く(&O)..."),
                     QStringLiteral("上書き保存(&S)"), QStringLiteral("名前を付けて保存(&A)..."),
                     QStringLiteral("-"), QStringLiteral("終了時に続きを保存"),
                     QStringLiteral("表示言語(&L)"), QStringLiteral("-"),
                     QStringLiteral("終了(&X)")}));
    QCOMPARE(MenuTexts(rig.Menu("MenuLanguage")),
             QStringList({QStringLiteral("日本語"), QStringLiteral("English")}));
    QCOMPARE(MenuTexts(rig.Menu("H2")),
             QStringList({QStringLiteral("ヘルプ(&H)"), QStringLiteral("-"),
                          QStringLiteral("アプリケーションのフォルダを開く(&O)"),
                          QStringLiteral("-"), QStringLiteral("バージョン情報(&A)")}));
    // The slots, then the list of games and the autosaves of the game being played.
    QCOMPARE(rig.Menu("MILoad").actions().size(), 10 + 1 + 1 + 3);
    QCOMPARE(rig.Menu("MISave").actions().size(), 10);
    for (int n = 0; n < 10; ++n) {
        QCOMPARE(rig.Slot("MIDataLoad", n).data().toInt(), n);
        QCOMPARE(rig.Slot("MIDataSave", n).data().toInt(), n);
    }
    QCOMPARE(rig.Find<TZnViewHelpHtmlAction>("ZnViewHelpHtmlAction1").statusTip(),
             QStringLiteral("ヘルプのHTMLを開きます。"));
    QCOMPARE(rig.Find<TZnViewHelpHtmlAction>("ZnViewHelpHtmlAction1").shortcut(),
             QKeySequence(Qt::Key_F1));
    QCOMPARE(rig.Action("FileOpenAct").text(), QStringLiteral("開く(&O)..."));
    QCOMPARE(rig.Action("FileOpenAct").property("Category").toString(), QStringLiteral("ファイル"));
    QCOMPARE(rig.Action("ActMILoad").property("Category").toString(),
             QStringLiteral("ロードセーブ"));
    QCOMPARE(rig.Find<TZnAboutAction>("ZnAboutAction1").property("Category").toString(),
             QStringLiteral("Vomera"));
    QCOMPARE(window.ActionList().size(), size_t{13 + 4 + 6 + 4 + 6 + 1 + 1 + 1 + 7 + 2});
}

void FrmGoalrunTests::StandardActionsOpenHelpAndFolderAndClose() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    const QString folder = rig.Folder.path() + QLatin1Char('/');
    QVERIFY(rig.Find<TZnViewHelpHtmlAction>("ZnViewHelpHtmlAction1")
                .FileName.endsWith(QStringLiteral("_help.html")));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&rig.List("ZLVRankTable"), Qt::Key_F1);
    QCOMPARE(rig.Opener.Opened.size(), size_t{1});
    QCOMPARE(rig.Opener.Opened[0],
             QUrl::fromLocalFile(
                 folder + rig.Find<TZnViewHelpHtmlAction>("ZnViewHelpHtmlAction1").FileName));
    rig.Find<TZnOpenAppFolderAction>("ZnOpenAppFolderAction1").trigger();
    QCOMPARE(rig.Opener.Opened.back(), QUrl::fromLocalFile(folder));
    QCOMPARE(rig.Find<TZnAboutAction>("ZnAboutAction1").ApplicationName,
             QStringLiteral("ゴールラン"));
    QCOMPARE(rig.Find<TZnAboutAction>("ZnAboutAction1").ApplicationVer, QStringLiteral("1.00"));
    QVERIFY(rig.Find<TZnAboutAction>("ZnAboutAction1")
                .CopyrightInfo.contains(QStringLiteral("Vomera")));
    QVERIFY(window.isVisible());
    rig.Find<TZnExitAction>("ZnExitAction1").trigger();
    QVERIFY(!window.isVisible());
    QVERIFY2(QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName(),
             "a display name would be appended to every box's caption");
}

void FrmGoalrunTests::HelpAndFolderReachThePlayerWhenTheDesktopCannotOpenThem() {
    TWindowRig rig;
    const QString folder = rig.Folder.path() + QLatin1Char('/');
    auto& help = rig.Find<TZnViewHelpHtmlAction>("ZnViewHelpHtmlAction1");
    // The desktop's handler starts, then reports that it could not open the page.
    help.trigger();
    QVERIFY(rig.W().findChild<THelpViewer*>(QStringLiteral("HelpViewer")) == nullptr);
    rig.Opener.Failures.back()();
    const auto* viewer = rig.W().findChild<THelpViewer*>(QStringLiteral("HelpViewer"));
    QVERIFY(viewer != nullptr);
    rig.Opener.Opens = false;
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->Browser()->source(), QUrl::fromLocalFile(folder + help.FileName));

    rig.Find<TZnOpenAppFolderAction>("ZnOpenAppFolderAction1").trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    QCOMPARE(rig.Dialogs.Shown[0].Text, folder + QStringLiteral("\r\nフォルダを開けませんでした"));
    QCOMPARE(rig.Dialogs.Shown[0].Caption, QStringLiteral("エラー"));
}

QTEST_MAIN(FrmGoalrunTests)
#include "FrmGoalrunTests.moc"
