#pragma once

// Four ready-made commands any window can put in its menus: the HTML help page, the about box,
// quit, and the application folder. They accept every target and are never disabled.

#include <QAction>
#include <QString>
#include <QStringList>

class QWidget;
class TZnDialogs;
class TZnOpener;

// Sets a hint "short|long": the tool tip gets the short part, the status bar the long part.
void SetActionHint(QAction& action, const QString& hint);

class TZnBaseAction : public QAction {
    Q_OBJECT
public:
    // The category is "Vomera" for all standard actions.
    explicit TZnBaseAction(QObject* parent);
    // The action's operation; triggering the action runs it once.
    virtual void ExecuteTarget() = 0;
    // Enabled whenever the application object exists, which is always while windows exist.
    void UpdateTarget();
    // Sets the caption and hints in the application's language; the owner calls it again when
    // the language changes.
    virtual void Retranslate() = 0;
};

// Opens Folder + FileName with the program associated with HTML files. F1.
class TZnViewHelpHtmlAction : public TZnBaseAction {
    Q_OBJECT
public:
    TZnViewHelpHtmlAction(TZnOpener& opener, QObject* parent);
    QString FileName; // relative to Folder; the file's existence is not tested
    QString Folder;   // the application folder unless the owner says otherwise
    void ExecuteTarget() override;
    void Retranslate() override;

signals:
    // The desktop could not open the page at `file`; the owner may show it another way.
    void openFailed(const QString& file);

private:
    TZnOpener& Opener;
};

// Shows a fresh about box, modally, through `dialogs`.
class TZnAboutAction : public TZnBaseAction {
    Q_OBJECT
public:
    TZnAboutAction(TZnDialogs& dialogs, TZnOpener& opener, QObject* parent);
    QString ApplicationName;
    QString ApplicationVer;
    QString CopyrightInfo;
    QStringList Comment; // extra lines after the two addresses and an empty line
    void ExecuteTarget() override;
    void Retranslate() override;

    // "%s  Version %s": two blanks before "Version".
    static QString VersionFormat() { return QStringLiteral("%1  Version %2"); }

private:
    TZnDialogs& Dialogs;
    TZnOpener& Opener;
};

// Closes the window that owns the action (its parent's window), by its normal close path.
class TZnExitAction : public TZnBaseAction {
    Q_OBJECT
public:
    explicit TZnExitAction(QWidget* mainWindow);
    void ExecuteTarget() override;
    void Retranslate() override;

private:
    QWidget* MainWindow; // not owned
};

// Opens Folder in the file browser.
class TZnOpenAppFolderAction : public TZnBaseAction {
    Q_OBJECT
public:
    TZnOpenAppFolderAction(TZnOpener& opener, QObject* parent);
    QString Folder; // the application folder unless the owner says otherwise
    void ExecuteTarget() override;
    void Retranslate() override;

signals:
    // The desktop could not open `folder`.
    void openFailed(const QString& folder);

private:
    TZnOpener& Opener;
};
