#include "ScriptedDialogs.h"

#include <QDialog>

QMessageBox::StandardButton
TZnScriptedDialogs::MessageBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                               QMessageBox::StandardButtons buttons,
                               QMessageBox::StandardButton defaultButton, const QString& details) {
    Shown.push_back({text, caption, icon, buttons, defaultButton, BusyDepth, details, {}});
    if (OnMessageBox)
        OnMessageBox(TZnShownMessage(Shown.back()));
    if (Answers.empty())
        return defaultButton;
    const QMessageBox::StandardButton answer = Answers.front();
    Answers.pop_front();
    return answer;
}

int TZnScriptedDialogs::Choose(const QString& text, const QString& caption, QMessageBox::Icon icon,
                               const QStringList& buttons, int defaultIndex, int /*escapeIndex*/) {
    Shown.push_back({text,
                     caption,
                     icon,
                     QMessageBox::NoButton,
                     QMessageBox::NoButton,
                     BusyDepth,
                     {},
                     buttons});
    if (OnMessageBox)
        OnMessageBox(TZnShownMessage(Shown.back()));
    if (Choices.empty())
        return defaultIndex;
    const int choice = Choices.front();
    Choices.pop_front();
    return choice;
}

std::optional<QString> TZnScriptedDialogs::NextFile(const QString& current) {
    FileDialogCurrents.push_back(current);
    if (FileAnswers.empty())
        return std::nullopt;
    const QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

std::optional<QString> TZnScriptedDialogs::OpenFileName(const QString& current) {
    return NextFile(current);
}

std::optional<QString> TZnScriptedDialogs::SaveFileName(const QString& current) {
    return NextFile(current);
}

int TZnScriptedDialogs::ExecDialog(QDialog& dialog) {
    return OnExecDialog ? OnExecDialog(dialog) : static_cast<int>(QDialog::Accepted);
}

void TZnScriptedDialogs::BeginBusy() {
    ++BusyDepth;
    ++BusyCount;
}

void TZnScriptedDialogs::EndBusy() {
    --BusyDepth;
}
