#include "ZnDialogs.h"

#include <algorithm>
#include <vector>

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>

TZnBusyCursor::TZnBusyCursor(TZnDialogs& dialogs) : Dialogs(dialogs) {
    Dialogs.BeginBusy();
}

TZnBusyCursor::~TZnBusyCursor() {
    Dialogs.EndBusy();
}

// ---- TZnQtDialogs ------------------------------------------------------------------------------

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text, const QString& caption,
                                            QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton,
                                            QWidget* parent, const QString& details) {
    auto box = std::make_unique<QMessageBox>(icon, caption, QString(), buttons, parent);
    box->setTextFormat(Qt::PlainText);
    // The boxes part their lines with CR LF; a plain-text label breaks lines at LF.
    box->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->setDefaultButton(defaultButton);
    // The details pane shows its text as plain text in any case.
    if (!details.isEmpty())
        box->setDetailedText(details);
    return box;
}

namespace {

// Runs `box`; a box shown while the busy pointer is up still takes the normal pointer.
int ExecWithArrow(QMessageBox& box) {
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return answer;
}

} // namespace

QMessageBox::StandardButton TZnQtDialogs::MessageBox(const QString& text, const QString& caption,
                                                     QMessageBox::Icon icon,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton,
                                                     const QString& details) {
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(text, caption, icon, buttons, defaultButton, Parent, details);
    return static_cast<QMessageBox::StandardButton>(ExecWithArrow(*box));
}

int TZnQtDialogs::Choose(const QString& text, const QString& caption, QMessageBox::Icon icon,
                         const QStringList& buttons, int defaultIndex, int escapeIndex) {
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(text, caption, icon, QMessageBox::NoButton, QMessageBox::NoButton, Parent);
    // The default button goes ahead, the escape button steps back; any other goes ahead
    // without what the question is about.
    std::vector<QPushButton*> added;
    for (int i = 0; i < buttons.size(); ++i)
        added.push_back(box->addButton(buttons[i], i == defaultIndex ? QMessageBox::AcceptRole
                                                   : i == escapeIndex
                                                       ? QMessageBox::RejectRole
                                                       : QMessageBox::DestructiveRole));
    box->setDefaultButton(added.at(static_cast<size_t>(defaultIndex)));
    box->setEscapeButton(added.at(static_cast<size_t>(escapeIndex)));
    ExecWithArrow(*box);
    const auto chosen = std::find(added.begin(), added.end(), box->clickedButton());
    return chosen == added.end() ? escapeIndex : static_cast<int>(chosen - added.begin());
}

namespace {

// The types the file boxes offer: the game's saves first, then any file.
QString SaveFileFilter() {
    return QStringLiteral("ゴールランのセーブデータ (*.sav);;すべてのファイル (*)");
}

} // namespace

std::optional<QString> TZnQtDialogs::OpenFileName(const QString& current) {
    const QString name = QFileDialog::getOpenFileName(Parent, QString(), current, SaveFileFilter());
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> TZnQtDialogs::SaveFileName(const QString& current) {
    const QString name = QFileDialog::getSaveFileName(Parent, QString(), current, SaveFileFilter());
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

int TZnQtDialogs::ExecDialog(QDialog& dialog) {
    return dialog.exec();
}

void TZnQtDialogs::BeginBusy() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void TZnQtDialogs::EndBusy() {
    QGuiApplication::restoreOverrideCursor();
}
