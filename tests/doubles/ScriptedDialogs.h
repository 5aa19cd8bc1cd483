#pragma once

// The dialogs of a test: answered from a script, so no test ever waits on a real box.

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "ZnDialogs.h"

// Answers from a script and records every request. An empty script answers a message box with
// its default button, a file dialog with a cancel and a modal box with "accepted".
class TZnScriptedDialogs : public TZnDialogs {
public:
    struct TZnShownMessage {
        QString Text;
        QString Caption;
        QMessageBox::Icon Icon;
        QMessageBox::StandardButtons Buttons;
        QMessageBox::StandardButton DefaultButton;
        int BusyDepth; // busy pointers held while the box was up
        QString Details;
        QStringList ButtonTexts; // a question's own buttons (Choose)
    };

    std::deque<QMessageBox::StandardButton> Answers;
    std::deque<int> Choices;         // answers to Choose; none: its default
    std::deque<QString> FileAnswers; // an empty name answers with a cancel
    // Called with each modal box instead of showing it, so a test can read its contents.
    std::function<int(QDialog&)> OnExecDialog;
    // Called with each message box while it is "open", before it is answered: what a real box's
    // event loop would let happen meanwhile (a file handed over, a drop) is done here.
    std::function<void(const TZnShownMessage&)> OnMessageBox;

    std::vector<TZnShownMessage> Shown;
    std::vector<QString> FileDialogCurrents;
    int BusyDepth = 0;
    int BusyCount = 0;

    QMessageBox::StandardButton MessageBox(const QString& text, const QString& caption,
                                           QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           const QString& details = {}) override;
    int Choose(const QString& text, const QString& caption, QMessageBox::Icon icon,
               const QStringList& buttons, int defaultIndex, int escapeIndex) override;
    std::optional<QString> OpenFileName(const QString& current) override;
    std::optional<QString> SaveFileName(const QString& current) override;
    int ExecDialog(QDialog& dialog) override;

protected:
    void BeginBusy() override;
    void EndBusy() override;

private:
    std::optional<QString> NextFile(const QString& current);
};
