// Save slots, loading and saving files, dropped files and the file actions. Every way into a
// load (slot, dialog, drop, hand-over) ends in LoadGameFile and its one error box.

#include "FrmGoalrun.h"

#include <exception>
#include <sys/stat.h>

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "GameGoalrun.h"
#include "ChallengePart.h"
#include "FileWords.h"
#include "GameKeeper.h"
#include "GamePage.h"
#include "GameSession.h"
#include "GameSaveData.h"
#include "ZnDialogs.h"
#include "ZnFileDropTarget.h"
#include "ZnFileName.h"
#include "WindowWords.h"
#include "ZnWording.h"

namespace {

const QString EmptySlot = QStringLiteral("<empty>");

QString SlotFileName(int slot) {
    return QStringLiteral("%1savedata.sav").arg(slot, 2, 10, QLatin1Char('0'));
}

std::string FileSystemName(const QString& fileName) {
    return EncodeFileName(fileName).toStdString();
}

// How long the status bar reports a finished load or save.
constexpr int FileReportMs = 5000;

} // namespace

void TFormMain::CreateFileCommands() {
    connect(ActMILoad, &QAction::triggered, this, [this] { ActMILoadExecute(); });
    connect(ActMISave, &QAction::triggered, this, [this] { ActMISaveExecute(); });
    for (int n = 0; n < 10; ++n) {
        QAction* load = MIDataLoad[n];
        QAction* save = MIDataSave[n];
        connect(load, &QAction::triggered, this,
                [this, load] { RunCommand(nullptr, [this, load] { ActDataLoadExecute(load); }); });
        connect(save, &QAction::triggered, this,
                [this, save] { RunCommand(nullptr, [this, save] { ActDataSaveExecute(save); }); });
    }
    const std::pair<QAction*, void (TFormMain::*)()> fileActions[] = {
        {FileNewAct, &TFormMain::FileNewActExecute},
        {FileOpenAct, &TFormMain::FileOpenActExecute},
        {FileSaveAct, &TFormMain::FileSaveActExecute},
        {FileSaveAsAct, &TFormMain::FileSaveAsActExecute}};
    for (const auto& [action, handler] : fileActions)
        connect(action, &QAction::triggered, this,
                [this, handler] { RunCommand(nullptr, [this, handler] { (this->*handler)(); }); });

    FileDropTarget1 = new TFileDropTarget(this);
    FileDropTarget1->SetWinControl(this);
    connect(FileDropTarget1, &TFileDropTarget::fileDrop, this,
            [this] { RunCommand(nullptr, [this] { FileDropTarget1FileDrop(); }); });
}

QString TFormMain::SlotPath(int slot) const {
    return SaveDataFolder(FAppFolder) + SlotFileName(slot);
}

void TFormMain::SetSlotCaptions(const std::array<QAction*, 10>& entries, bool enableMissing) {
    for (int n = 0; n < 10; ++n)
        TFileWords::SetFileEntry(*entries[n], SlotPath(n), SlotFileName(n),
                                 QString::number(n) + EmptySlot, enableMissing);
}

void TFormMain::ActMILoadExecute() {
    SetSlotCaptions(MIDataLoad, false);
    Keeper->ShowCaptions();
}

void TFormMain::ActMISaveExecute() {
    SetSlotCaptions(MIDataSave, true);
}

void TFormMain::ActDataLoadExecute(QObject* sender) {
    const auto* entry = qobject_cast<const QAction*>(sender);
    if (entry == nullptr || !entry->data().isValid())
        return;
    const QString path = SlotPath(entry->data().toInt());
    if (TFileWords::IsFile(path))
        LoadGameFile(path);
}

void TFormMain::ActDataSaveExecute(QObject* sender) {
    const auto* entry = qobject_cast<const QAction*>(sender);
    if (entry == nullptr || !entry->data().isValid())
        return;
    const QString path = SlotPath(entry->data().toInt());
    // A folder that cannot be made is not reported by itself: the write then fails.
    QDir().mkpath(SaveDataFolder(FAppFolder));
    if (TFileWords::IsFile(path)) {
        const auto answer = Dialogs.MessageBox(
            tr("ファイルを上書きしてよろしいですか？"), tr("確認"), QMessageBox::Question,
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }
    SaveGameFile(path);
}

bool TFormMain::LoadGameFile(const QString& fileName) {
    // Every way into a load comes here, so each asks before the progress is replaced.
    if (!UnsavedProgressMayGo())
        return false;
    const TZnBusyCursor busy = Dialogs.Busy();
    const QString failed = FromView(WindowWording().CannotOpen);
    try {
        Session->Load(FileSystemName(fileName));
        RefreshViews();
    } catch (const EZnFileError& error) {
        return FileFailed(fileName, failed, TFileWords::Reason(error.Reason()));
    } catch (const std::exception&) {
        return FileFailed(fileName, failed, {});
    }
    return FileSucceeded(fileName, tr("%1をロードしました"));
}

bool TFormMain::SaveGameFile(const QString& fileName) {
    const TZnBusyCursor busy = Dialogs.Busy();
    const QString failed = FromView(WindowWording().CannotCreate);
    try {
        Session->Save(FileSystemName(fileName));
    } catch (const EZnFileError& error) {
        return FileFailed(fileName, failed, TFileWords::Reason(error.Reason()));
    } catch (const std::exception&) {
        return FileFailed(fileName, failed, {});
    }
    return FileSucceeded(fileName, tr("%1にセーブしました"));
}

bool TFormMain::FileSucceeded(const QString& fileName, const QString& report) {
    Files.OpenDialogFileName = fileName;
    Files.SaveDialogFileName = fileName;
    Files.Modified = false;
    Files.Untitled = false;
    statusBar()->showMessage(report.arg(QFileInfo(fileName).fileName()), FileReportMs);
    return true;
}

bool TFormMain::FileFailed(const QString& fileName, const QString& message, const QString& reason) {
    // The path stands on the first line of the box.
    Dialogs.MessageBox(fileName + QStringLiteral("\r\n") + message, tr("エラー"),
                       QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, reason);
    return false;
}

bool TFormMain::UnsavedProgressMayGo(const QString& note) {
    if (!Game.UnsavedProgress())
        return true;
    QString question = tr("保存していない進行があります。破棄してよろしいですか？");
    if (!note.isEmpty())
        question += QStringLiteral("\r\n") + note;
    return Dialogs.MessageBox(question, tr("確認"), QMessageBox::Question,
                              QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TFormMain::LoadGameFileWithDialog() {
    const std::optional<QString> name = Dialogs.OpenFileName(Files.OpenDialogFileName);
    return name && LoadGameFile(*name);
}

bool TFormMain::SaveGameFileWithDialog() {
    const std::optional<QString> name = Dialogs.SaveFileName(Files.SaveDialogFileName);
    return name && SaveGameFile(*name);
}

void TFormMain::OpenPath(const QString& path) {
    if (TFileWords::IsFile(path))
        LoadGameFile(path);
}

void TFormMain::FileDropTarget1FileDrop() {
    const QStringList& files = FileDropTarget1->DroppedFiles();
    if (!files.isEmpty())
        OpenPathWhenIdle(files.first());
}

bool TFormMain::SaveQuestionLetsGoOn() {
    const auto answer = Dialogs.MessageBox(Files.OpenDialogFileName + QStringLiteral("\r\n") +
                                               tr("ファイルの内容は変更されています。") +
                                               QStringLiteral("\r\n") + tr("保存しますか？"),
                                           tr("確認"), QMessageBox::Question,
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                           QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveGameFileWithDialog();
    return answer == QMessageBox::No;
}

void TFormMain::FileNewActExecute() {
    Files.Modified = true;
    if (!SaveQuestionLetsGoOn())
        return;
    if (const auto setup = Challenge->AskNewGameSetup())
        StartNewGame(*setup);
}

void TFormMain::FileOpenActExecute() {
    if (Files.Modified && !SaveQuestionLetsGoOn())
        return;
    LoadGameFileWithDialog();
}

void TFormMain::FileSaveActExecute() {
    if (Files.Untitled)
        SaveGameFileWithDialog();
    else
        SaveGameFile(Files.SaveDialogFileName);
}

void TFormMain::FileSaveAsActExecute() {
    SaveGameFileWithDialog();
}
