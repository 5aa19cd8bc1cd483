// Save slots, loading and saving with their questions and error boxes, dropped files and the
// file actions, on a window whose application folder is a temporary one.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "FileSizeLimit.h"
#include "GamePage.h"
#include "WindowRig.h"
#include "ZnStream.h"
#include "ZnWording.h"
#include "ZnCopyData.h"
#include "ZnFileName.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Drags `paths` onto the window as a file manager does, and drops them.
void DropFiles(QWidget& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* entry : menu.actions())
        captions << entry->text();
    return captions;
}

} // namespace

class FrmGoalrunFilesTests : public QObject {
    Q_OBJECT
private slots:
    void SlotMenusShowEmptySlotsThenTheSavedFile();
    void SaveToSlotCreatesFolderThenAsksBeforeOverwriting();
    void LoadingASlotClearsLogAndShowsTheLoadedGame();
    void RefusedFileShowsErrorAndKeepsTheGame_data();
    void RefusedFileShowsErrorAndKeepsTheGame();
    void FailedSaveShowsErrorAndKeepsTheOldFile();
    void DropOpensOnlyTheFirstFileAndIgnoresFolders();
    void FileNameThatIsNotUtf8OpensByDropAndByPath();
    void FileActionsAskBeforeReplacingAChangedGame();
    void UnsavedProgressIsAskedForBeforeCloseAndHandOver_data();
    void UnsavedProgressIsAskedForBeforeCloseAndHandOver();
};

void FrmGoalrunFilesTests::SlotMenusShowEmptySlotsThenTheSavedFile() {
    TWindowRig rig;
    emit rig.Menu("MILoad").aboutToShow();
    emit rig.Menu("MISave").aboutToShow();
    QStringList empty;
    for (int n = 0; n < 10; ++n)
        empty << QStringLiteral("%1<empty>").arg(n);
    const QStringList autosaves = {QString(), QStringLiteral("ゲーム一覧(&G)..."),
                                   QStringLiteral("自動保存1"), QStringLiteral("自動保存2"),
                                   QStringLiteral("自動保存3")};
    QCOMPARE(Captions(rig.Menu("MILoad")), empty + autosaves);
    QCOMPARE(Captions(rig.Menu("MISave")), empty);
    for (int n = 0; n < 10; ++n) {
        QVERIFY(!rig.Slot("MIDataLoad", n).isEnabled());
        QVERIFY(rig.Slot("MIDataSave", n).isEnabled());
    }
    rig.Slot("MIDataSave", 4).trigger();
    emit rig.Menu("MILoad").aboutToShow();
    QStringList filled = empty;
    filled[4] = QStringLiteral("04savedata.sav");
    QCOMPARE(Captions(rig.Menu("MILoad")), filled + autosaves);
    for (int n = 0; n < 10; ++n)
        QCOMPARE(rig.Slot("MIDataLoad", n).isEnabled(), n == 4);
}

void FrmGoalrunFilesTests::SaveToSlotCreatesFolderThenAsksBeforeOverwriting() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    const QString folder = rig.Folder.path() + QStringLiteral("/savedata/");
    const QString slot = folder + QStringLiteral("04savedata.sav");
    QVERIFY(!QDir(folder).exists());
    rig.Slot("MIDataSave", 4).trigger();
    QVERIFY(rig.Dialogs.Shown.empty());
    TZnWriteStream saved;
    rig.Game.SaveToStream(saved);
    QCOMPARE(QFileInfo(slot).size(), qint64(saved.Bytes.size()));
    QVERIFY(!window.FileState().Modified);
    QVERIFY(!window.FileState().Untitled);
    QCOMPARE(window.FileState().SaveDialogFileName, slot);
    QCOMPARE(window.FileState().OpenDialogFileName, slot);
    const QByteArray first = ReadAll(slot);

    rig.Play(1);
    rig.Dialogs.Answers = {QMessageBox::Cancel};
    rig.Slot("MIDataSave", 4).trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    const auto& question = rig.Dialogs.Shown[0];
    QCOMPARE(question.Text, QStringLiteral("ファイルを上書きしてよろしいですか？"));
    QCOMPARE(question.Caption, QStringLiteral("確認"));
    QCOMPARE(question.Icon, QMessageBox::Question);
    QCOMPARE(question.Buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(question.DefaultButton, QMessageBox::Cancel);
    QCOMPARE(ReadAll(slot), first);

    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Slot("MIDataSave", 4).trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{2});
    QVERIFY(ReadAll(slot) != first);
    QCOMPARE(rig.Dialogs.BusyDepth, 0);
}

void FrmGoalrunFilesTests::LoadingASlotClearsLogAndShowsTheLoadedGame() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    rig.Play(3);
    rig.Find<QComboBox>("ComboBoxBuildUp").setEditText(QStringLiteral("500"));
    rig.Button("BtnBuildUp").click();
    rig.Slot("MIDataSave", 2).trigger();
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("02savedata.savにセーブしました"));
    const QStringList table = [&] {
        QStringList cells;
        for (int row = 0; row < 16; ++row)
            for (int p = 0; p < 10; ++p)
                cells << rig.List("ZLVRankTable").CellText(row, p);
        return cells;
    }();
    const QString panelFunds = rig.PanelValue(TZnMyClubRow::Money);
    rig.Play(20);
    rig.MarkModified();

    // Twenty matchdays since the save: Cancel keeps them, OK loads.
    emit rig.Menu("MILoad").aboutToShow();
    rig.Dialogs.Answers = {QMessageBox::Cancel};
    rig.Slot("MIDataLoad", 2).trigger();
    QCOMPARE(rig.Game.Matchday, 23);
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    rig.Dialogs.Answers = {QMessageBox::Ok};
    rig.Slot("MIDataLoad", 2).trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{2});
    for (const auto& question : rig.Dialogs.Shown) {
        QCOMPARE(question.Text,
                 QStringLiteral("保存していない進行があります。破棄してよろしいですか？"));
        QCOMPARE(question.Caption, QStringLiteral("確認"));
        QCOMPARE(question.Buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(question.DefaultButton, QMessageBox::Cancel);
    }

    QCOMPARE(rig.Game.Matchday, 3);
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("02savedata.savをロードしました"));
    QVERIFY(rig.Log().toPlainText().isEmpty());
    QCOMPARE(rig.PanelValue(TZnMyClubRow::BuildUp), QStringLiteral("500万円"));
    QCOMPARE(rig.PanelValue(TZnMyClubRow::Money), panelFunds);
    QVERIFY(rig.PanelValue(TZnMyClubRow::LastResult).startsWith(QStringLiteral("第3節 ")));
    for (int row = 0; row < 16; ++row)
        for (int p = 0; p < 10; ++p)
            QCOMPARE(rig.List("ZLVRankTable").CellText(row, p), table[row * 10 + p]);
    QVERIFY(!window.FileState().Modified);
    QVERIFY(rig.Button("BtnGame").isEnabled());
    rig.Slot("MIDataLoad", 2).trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{2}); // nothing unsaved: no question
}

void FrmGoalrunFilesTests::RefusedFileShowsErrorAndKeepsTheGame_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a save file")
        << 0 << QStringLiteral("このゲームのセーブファイルではありません。");
    QTest::newRow("truncated save file") << 1 << QStringLiteral("ファイルが短すぎます。");
}

void FrmGoalrunFilesTests::RefusedFileShowsErrorAndKeepsTheGame() {
    QFETCH(int, kind);
    QFETCH(QString, reason);
    TWindowRig rig;
    TFormMain& window = rig.W();
    rig.Slot("MIDataSave", 0).trigger();
    const QString saved = window.FileState().SaveDialogFileName;
    rig.Play(5);
    rig.MarkModified();
    const QString path = rig.Folder.filePath(QStringLiteral("ゲーム データ.sav"));
    WriteAll(path, kind == 0 ? QByteArray("これはセーブファイルではありません")
                             : ReadAll(saved).left(4000));
    const QString leader = rig.TableCell(0, TZnRankColumn::Name);
    const QString log = rig.Log().toPlainText();

    rig.Dialogs.Answers = {QMessageBox::Ok}; // the five matchdays may go
    window.OpenPath(path);

    QCOMPARE(rig.Dialogs.Shown.size(), size_t{2});
    const auto& error = rig.Dialogs.Shown[1];
    QCOMPARE(error.Details, reason);
    QCOMPARE(error.Text.split(QStringLiteral("\r\n")),
             QStringList({path, FromView(Japanese().CannotOpen)}));
    QCOMPARE(error.Caption, QStringLiteral("エラー"));
    QCOMPARE(error.Icon, QMessageBox::Critical);
    QCOMPARE(error.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(error.BusyDepth, 1); // the normal pointer comes back last
    QCOMPARE(rig.Dialogs.BusyDepth, 0);
    QCOMPARE(rig.Game.Matchday, 5);
    QCOMPARE(rig.TableCell(0, TZnRankColumn::Name), leader);
    QCOMPARE(rig.Log().toPlainText(), log);
    QVERIFY(window.FileState().Modified);
    QCOMPARE(window.FileState().OpenDialogFileName, saved);
}

void FrmGoalrunFilesTests::FailedSaveShowsErrorAndKeepsTheOldFile() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    rig.Slot("MIDataSave", 7).trigger();
    const QString slot = window.FileState().SaveDialogFileName;
    const QByteArray old = ReadAll(slot);
    rig.Play(2);
    rig.MarkModified();
    {
        // Room for the beginning of a save image only: the write fails half way.
        const TFileSizeLimit limit(1000);
        rig.Dialogs.Answers = {QMessageBox::Ok};
        rig.Slot("MIDataSave", 7).trigger();
    }
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{2});
    const auto& error = rig.Dialogs.Shown[1];
    QCOMPARE(error.Text, slot + QStringLiteral("\r\nファイルを作成できませんでした"));
    QCOMPARE(error.Caption, QStringLiteral("エラー"));
    QCOMPARE(error.Icon, QMessageBox::Critical);
    QCOMPARE(ReadAll(slot), old);
    QCOMPARE(QDir(QFileInfo(slot).path()).entryList(QDir::Files),
             QStringList({QStringLiteral("07savedata.sav")}));
    QVERIFY(window.FileState().Modified);

    // A save folder that cannot be made: its place is taken by a file.
    TWindowRig blocked;
    WriteAll(blocked.Folder.filePath(QStringLiteral("savedata")), QByteArray("x"));
    blocked.Slot("MIDataSave", 1).trigger();
    QCOMPARE(blocked.Dialogs.Shown.size(), size_t{1});
    QVERIFY(
        blocked.Dialogs.Shown[0].Text.endsWith(QStringLiteral("ファイルを作成できませんでした")));
}

void FrmGoalrunFilesTests::DropOpensOnlyTheFirstFileAndIgnoresFolders() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        rig.Play(1);
        const QString path = rig.Folder.filePath(QStringLiteral("drop%1.sav").arg(i));
        rig.Dialogs.FileAnswers = {path};
        rig.Action("FileSaveAsAct").trigger();
        QVERIFY(QFileInfo(path).isFile());
        files << path;
    }
    rig.Play(4);
    std::swap(files[0], files[1]); // the first dropped holds matchday 2
    rig.Dialogs.Answers = {QMessageBox::Ok};
    DropFiles(window, files);
    QCOMPARE(rig.Game.Matchday, 2);
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1}); // the four matchdays may go
    rig.Dialogs.Shown.clear();
    QCOMPARE(window.FileState().OpenDialogFileName, files[0]);

    DropFiles(window, {rig.Folder.path()});
    DropFiles(window, {rig.Folder.filePath(QStringLiteral("missing.sav"))});
    QCOMPARE(rig.Game.Matchday, 2);
    QVERIFY(rig.Dialogs.Shown.empty());

    // Dropped while a box asks: the file opens once the box and its command have ended.
    rig.Dialogs.OnMessageBox = [&](const TZnScriptedDialogs::TZnShownMessage&) {
        DropFiles(window, {files[2]});
        QCOMPARE(rig.Game.Matchday, 2);
    };
    rig.Dialogs.Answers = {QMessageBox::Cancel};
    rig.Action("N9").trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    QCOMPARE(rig.Game.Matchday, 3);
}

void FrmGoalrunFilesTests::FileNameThatIsNotUtf8OpensByDropAndByPath() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    const QByteArray path = QFile::encodeName(rig.Folder.path()) + "/\xff\xfe \xe3\x81.sav";
    rig.Play(2);
    rig.Game.SaveToFile(path.toStdString());
    rig.Play(3);
    rig.Dialogs.Answers = {QMessageBox::Ok, QMessageBox::Ok}; // the matchdays played may go

    // A file manager sends the name's bytes percent-encoded.
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + path.toPercentEncoding("/"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QCOMPARE(rig.Game.Matchday, 2);
    QCOMPARE(EncodeFileName(window.FileState().OpenDialogFileName),
             path); // a later save goes back there

    // The command line and a second copy end in OpenPath with the decoded name.
    rig.Play(1);
    window.OpenPath(DecodeFileName(path));
    QCOMPARE(rig.Game.Matchday, 2);
    QCOMPARE(rig.Dialogs.Shown.size(), size_t{2}); // the questions, no error
}

void FrmGoalrunFilesTests::FileActionsAskBeforeReplacingAChangedGame() {
    TWindowRig rig;
    TFormMain& window = rig.W();
    const QString path = rig.Folder.filePath(QStringLiteral("named.sav"));
    rig.Play(2);
    // Untitled: "上書き保存" asks for a name; a cancelled dialog saves nothing.
    rig.Action("FileSaveAct").trigger();
    QCOMPARE(rig.Dialogs.FileDialogCurrents.size(), size_t{1});
    QVERIFY(!QFile::exists(path));
    rig.Dialogs.FileAnswers = {path};
    rig.Action("FileSaveAsAct").trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(!window.FileState().Untitled);

    // "新規": Cancel keeps the game, No starts a new one without saving.
    rig.Play(1);
    rig.Dialogs.Answers = {QMessageBox::Cancel};
    rig.Action("FileNewAct").trigger();
    QCOMPARE(rig.Game.Matchday, 3);
    const auto& question = rig.Dialogs.Shown.back();
    QCOMPARE(question.Text,
             path + QStringLiteral("\r\nファイルの内容は変更されています。\r\n保存しますか？"));
    QCOMPARE(question.Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(question.DefaultButton, QMessageBox::Yes);
    rig.Dialogs.Answers = {QMessageBox::No};
    rig.Action("FileNewAct").trigger();
    QCOMPARE(rig.Game.Matchday, 0);
    QVERIFY(window.FileState().Untitled);

    // "開く": not modified, so no question; the dialog offers the current file.
    const size_t asked = rig.Dialogs.Shown.size();
    rig.Dialogs.FileAnswers = {path};
    rig.Action("FileOpenAct").trigger();
    QCOMPARE(rig.Dialogs.Shown.size(), asked);
    QCOMPARE(rig.Dialogs.FileDialogCurrents.back(), path);
    QCOMPARE(rig.Game.Matchday, 2);
}

void FrmGoalrunFilesTests::UnsavedProgressIsAskedForBeforeCloseAndHandOver_data() {
    QTest::addColumn<bool>("close");
    QTest::addColumn<int>("answer");
    QTest::newRow("close, Cancel") << true << int(QMessageBox::Cancel);
    QTest::newRow("close, OK") << true << int(QMessageBox::Ok);
    QTest::newRow("hand-over, Cancel") << false << int(QMessageBox::Cancel);
    QTest::newRow("hand-over, OK") << false << int(QMessageBox::Ok);
}

void FrmGoalrunFilesTests::UnsavedProgressIsAskedForBeforeCloseAndHandOver() {
    QFETCH(bool, close);
    QFETCH(int, answer);
    const bool ok = answer == QMessageBox::Ok;
    TWindowRig rig;
    TFormMain& window = rig.W();
    rig.Play(2);
    rig.Slot("MIDataSave", 0).trigger();
    const QString saved = window.FileState().SaveDialogFileName;
    rig.Play(3);
    rig.Dialogs.Answers = {static_cast<QMessageBox::StandardButton>(answer)};

    if (close)
        window.close();
    else // the road of a second copy's file
        SendCopyData(&window, saved, CopyDataOpenPath);

    QCOMPARE(rig.Dialogs.Shown.size(), size_t{1});
    QCOMPARE(rig.Dialogs.Shown[0].Text,
             QStringLiteral("保存していない進行があります。破棄してよろしいですか？"));
    QCOMPARE(window.isVisible(), !(close && ok));
    QCOMPARE(rig.Game.Matchday, !close && ok ? 2 : 5);
}

QTEST_MAIN(FrmGoalrunFilesTests)
#include "FrmGoalrunFilesTests.moc"
