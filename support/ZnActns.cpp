#include "ZnActns.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include "ZnAbout.h"
#include "ZnDialogs.h"
#include "ZnUtils.h"

void SetActionHint(QAction& action, const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action.setToolTip(bar < 0 ? hint : hint.left(bar));
    action.setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

TZnBaseAction::TZnBaseAction(QObject* parent) : QAction(parent) {
    setProperty("Category", QStringLiteral("Vomera"));
    connect(this, &QAction::triggered, this, [this] { ExecuteTarget(); });
}

void TZnBaseAction::UpdateTarget() {
    setEnabled(QCoreApplication::instance() != nullptr);
}

TZnViewHelpHtmlAction::TZnViewHelpHtmlAction(TZnOpener& opener, QObject* parent)
    : TZnBaseAction(parent), Folder(AppFolder()), Opener(opener) {
    TZnViewHelpHtmlAction::Retranslate();
    setShortcut(QKeySequence(Qt::Key_F1));
}

void TZnViewHelpHtmlAction::Retranslate() {
    setText(tr("ヘルプ(&H)"));
    SetActionHint(*this, tr("ヘルプ|ヘルプのHTMLを開きます。"));
}

void TZnViewHelpHtmlAction::ExecuteTarget() {
    const QString file = Folder + FileName;
    // The handler may fail after it has started; the action may be gone by then.
    const QPointer<TZnViewHelpHtmlAction> self(this);
    if (!OpenWithAssociatedProgram(Opener, file, [self, file] {
            if (self)
                emit self->openFailed(file);
        }))
        emit openFailed(file);
}

TZnAboutAction::TZnAboutAction(TZnDialogs& dialogs, TZnOpener& opener, QObject* parent)
    : TZnBaseAction(parent), Dialogs(dialogs), Opener(opener) {
    TZnAboutAction::Retranslate();
}

void TZnAboutAction::Retranslate() {
    setText(tr("バージョン情報(&A)"));
    SetActionHint(*this, tr("バージョン情報|バージョン情報を表示します。"));
}

void TZnAboutAction::ExecuteTarget() {
    QWidget* owner = qobject_cast<QWidget*>(parent());
    TZnAboutBox box(Opener, owner != nullptr ? owner->window() : nullptr);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        box.ProgramIcon->setPixmap(icon.pixmap(box.ProgramIcon->size()));
    box.setWindowTitle(TZnAboutBox::CaptionFormat().arg(ApplicationName));
    box.Copyright->setText(CopyrightInfo);
    for (const QString& line : Comment)
        box.Memo1->appendPlainText(line);
    box.ProductName->setText(VersionFormat().arg(ApplicationName, ApplicationVer));
    Dialogs.ExecDialog(box);
}

TZnExitAction::TZnExitAction(QWidget* mainWindow)
    : TZnBaseAction(mainWindow), MainWindow(mainWindow) {
    TZnExitAction::Retranslate();
}

void TZnExitAction::Retranslate() {
    setText(tr("終了(&X)"));
    SetActionHint(*this, tr("終了|アプリケーションを終了します。"));
}

void TZnExitAction::ExecuteTarget() {
    if (MainWindow != nullptr)
        MainWindow->window()->close();
}

TZnOpenAppFolderAction::TZnOpenAppFolderAction(TZnOpener& opener, QObject* parent)
    : TZnBaseAction(parent), Folder(AppFolder()), Opener(opener) {
    TZnOpenAppFolderAction::Retranslate();
}

void TZnOpenAppFolderAction::Retranslate() {
    setText(tr("アプリケーションのフォルダを開く(&O)"));
    SetActionHint(*this, tr("アプリケーションのフォルダを開く|アプリケーションのフォルダを開く"));
}

void TZnOpenAppFolderAction::ExecuteTarget() {
    const QPointer<TZnOpenAppFolderAction> self(this);
    const QString folder = Folder;
    if (!OpenFolder(Opener, folder, [self, folder] {
            if (self)
                emit self->openFailed(folder);
        }))
        emit openFailed(folder);
}
