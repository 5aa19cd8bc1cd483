#include "FilesPart.h"

#include <exception>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>

#include "FileWords.h"
#include "GamePage.h"
#include "GameSession.h"
#include "WindowWords.h"
#include "ZnDialogs.h"
#include "ZnFileName.h"
#include "ZnUtils.h"
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

TFilesPart::TFilesPart(TGameSession& session, TZnDialogs& dialogs, QMainWindow& window,
                       const QString& appFolder, TRun run, std::function<void()> refresh)
    : QObject(&window), Session(session), Dialogs(dialogs), Window(window), AppFolder(appFolder),
      Run(std::move(run)), Refresh(std::move(refresh)) {
    PendingOpenRetry = new QTimer(this);
    PendingOpenRetry->setSingleShot(true);
    PendingOpenRetry->setInterval(100);
    connect(PendingOpenRetry, &QTimer::timeout, this, &TFilesPart::OpenPending);
    // A new or another game belongs to no file until it is saved or was loaded from one.
    connect(&Session, &TGameSession::GameReplaced, this, [this] {
        Files.Modified = false;
        Files.Untitled = true;
    });
}

QString TFilesPart::SlotPath(int slot) const {
    return SaveDataFolder(AppFolder) + SlotFileName(slot);
}

void TFilesPart::ShowSlots(const std::array<QAction*, SlotCount>& entries, bool enableMissing) {
    for (int n = 0; n < SlotCount; ++n)
        TFileWords::SetFileEntry(*entries[static_cast<size_t>(n)], SlotPath(n), SlotFileName(n),
                                 QString::number(n) + EmptySlot, enableMissing);
}

void TFilesPart::LoadSlot(QObject* sender) {
    const auto* entry = qobject_cast<const QAction*>(sender);
    if (entry == nullptr || !entry->data().isValid())
        return;
    const QString path = SlotPath(entry->data().toInt());
    if (TFileWords::IsFile(path))
        Load(path);
}

void TFilesPart::SaveSlot(QObject* sender) {
    const auto* entry = qobject_cast<const QAction*>(sender);
    if (entry == nullptr || !entry->data().isValid())
        return;
    const QString path = SlotPath(entry->data().toInt());
    // A folder that cannot be made is not reported by itself: the write then fails.
    QDir().mkpath(SaveDataFolder(AppFolder));
    if (TFileWords::IsFile(path)) {
        const auto answer = Dialogs.MessageBox(
            tr("ファイルを上書きしてよろしいですか？"), tr("確認"), QMessageBox::Question,
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }
    Save(path);
}

bool TFilesPart::Load(const QString& fileName) {
    // Every way into a load comes here, so each asks before the progress is replaced.
    if (!UnsavedProgressMayGo())
        return false;
    const TZnBusyCursor busy = Dialogs.Busy();
    const QString failed = FromView(WindowWording().CannotOpen);
    try {
        Session.Load(FileSystemName(fileName));
        Refresh();
    } catch (const EZnFileError& error) {
        return Failed(fileName, failed, TFileWords::Reason(error.Reason()));
    } catch (const std::exception&) {
        return Failed(fileName, failed, {});
    }
    return Succeeded(fileName, tr("%1をロードしました"));
}

bool TFilesPart::LoadUntitled(const QString& fileName) {
    const TFormMainFileState before = Files;
    if (!Load(fileName))
        return false;
    Files.Untitled = true;
    Files.OpenDialogFileName = before.OpenDialogFileName;
    Files.SaveDialogFileName = before.SaveDialogFileName;
    return true;
}

bool TFilesPart::Save(const QString& fileName) {
    const TZnBusyCursor busy = Dialogs.Busy();
    const QString failed = FromView(WindowWording().CannotCreate);
    try {
        Session.Save(FileSystemName(fileName));
    } catch (const EZnFileError& error) {
        return Failed(fileName, failed, TFileWords::Reason(error.Reason()));
    } catch (const std::exception&) {
        return Failed(fileName, failed, {});
    }
    return Succeeded(fileName, tr("%1にセーブしました"));
}

bool TFilesPart::Succeeded(const QString& fileName, const QString& report) {
    Files.OpenDialogFileName = fileName;
    Files.SaveDialogFileName = fileName;
    Files.Modified = false;
    Files.Untitled = false;
    Window.statusBar()->showMessage(report.arg(QFileInfo(fileName).fileName()), FileReportMs);
    return true;
}

bool TFilesPart::Failed(const QString& fileName, const QString& message, const QString& reason) {
    // The path stands on the first line of the box.
    Dialogs.MessageBox(fileName + QStringLiteral("\r\n") + message, tr("エラー"),
                       QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, reason);
    return false;
}

bool TFilesPart::UnsavedProgressMayGo(const QString& note) {
    if (!Session.UnsavedProgress())
        return true;
    QString question = tr("保存していない進行があります。破棄してよろしいですか？");
    if (!note.isEmpty())
        question += QStringLiteral("\r\n") + note;
    return Dialogs.MessageBox(question, tr("確認"), QMessageBox::Question,
                              QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TFilesPart::LoadWithDialog() {
    const std::optional<QString> name = Dialogs.OpenFileName(Files.OpenDialogFileName);
    return name && Load(*name);
}

bool TFilesPart::SaveWithDialog() {
    const std::optional<QString> name = Dialogs.SaveFileName(Files.SaveDialogFileName);
    return name && Save(*name);
}

void TFilesPart::OpenPath(const QString& path) {
    if (TFileWords::IsFile(path))
        Load(path);
}

bool TFilesPart::SaveQuestionLetsGoOn() {
    const auto answer = Dialogs.MessageBox(Files.OpenDialogFileName + QStringLiteral("\r\n") +
                                               tr("ファイルの内容は変更されています。") +
                                               QStringLiteral("\r\n") + tr("保存しますか？"),
                                           tr("確認"), QMessageBox::Question,
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                           QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveWithDialog();
    return answer == QMessageBox::No;
}

void TFilesPart::OpenWhenIdle(const QString& path, std::shared_ptr<void> keepAlive) {
    PendingOpens.push_back({path, std::move(keepAlive)});
    OpenPending();
}

void TFilesPart::OpenPending() {
    // A running command comes back here when it ends.
    if (OpeningPending || CommandDepth > 0)
        return;
    OpeningPending = true;
    const auto done = qScopeGuard([this] { OpeningPending = false; });
    while (!PendingOpens.empty()) {
        // A box opened outside any command (the about box) is waited for by polling.
        if (QApplication::activeModalWidget() != nullptr) {
            PendingOpenRetry->start();
            return;
        }
        TPendingOpen next = std::move(PendingOpens.front());
        PendingOpens.pop_front();
        Run(nullptr, [this, &next] { OpenPath(next.Path); });
    }
}
