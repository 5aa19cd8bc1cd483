#pragma once

// Message boxes, file dialogs, modal boxes and the busy pointer, reached through one interface so
// that tests answer them without a real dialog ever waiting for input.

#include <memory>
#include <optional>

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class TZnDialogs;

// Shows the busy pointer while it lives; the normal pointer comes back however the scope ends.
class [[nodiscard]] TZnBusyCursor {
public:
    explicit TZnBusyCursor(TZnDialogs& dialogs);
    ~TZnBusyCursor();
    TZnBusyCursor(const TZnBusyCursor&) = delete;
    TZnBusyCursor& operator=(const TZnBusyCursor&) = delete;

private:
    TZnDialogs& Dialogs;
};

class TZnDialogs {
public:
    virtual ~TZnDialogs() = default;
    // The button the player chose; `defaultButton` is the one Enter presses. `details`, when
    // not empty, is offered behind the box's "details" button.
    virtual QMessageBox::StandardButton MessageBox(const QString& text, const QString& caption,
                                                   QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton,
                                                   const QString& details = {}) = 0;
    // A question whose buttons carry the texts of `buttons`, left to right as the desktop orders
    // them: the index of the one chosen. Enter presses `defaultIndex`; Escape or closing the box
    // chooses `escapeIndex`.
    virtual int Choose(const QString& text, const QString& caption, QMessageBox::Icon icon,
                       const QStringList& buttons, int defaultIndex, int escapeIndex) = 0;
    // The chosen file, or nothing when the player cancels. `current` is offered first.
    virtual std::optional<QString> OpenFileName(const QString& current) = 0;
    virtual std::optional<QString> SaveFileName(const QString& current) = 0;
    // Shows a modal box and returns its result code.
    virtual int ExecDialog(QDialog& dialog) = 0;

    TZnBusyCursor Busy() { return TZnBusyCursor(*this); }

protected:
    friend class TZnBusyCursor;
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
};

// The message box the real dialogs show. Its text is plain text, whatever it holds (a file or
// club name may look like markup); its line breaks, CR LF included, stay line breaks. Empty
// `details` give no details button.
[[nodiscard]] std::unique_ptr<QMessageBox>
MakeMessageBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
               QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
               QWidget* parent, const QString& details = {});

// The real dialogs, owned by `parent` (may be null).
class TZnQtDialogs : public TZnDialogs {
public:
    explicit TZnQtDialogs(QWidget* parent = nullptr) : Parent(parent) {}
    QWidget* Parent;

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
};
