#pragma once

// Application paths and the shell operations of the window: the only places where the program
// builds file locations or hands a document, folder or address to the desktop.

#include <vector>

#include <QFont>
#include <QString>
#include <QUrl>

// The folder of the running executable, with a trailing "/".
QString AppFolder();
// `appFolder` followed by "savedata/". Only builds the path; neither tests nor creates it.
QString SaveDataFolder(const QString& appFolder = AppFolder());

// The platform's general font, preferring a Japanese face so Han characters take their Japanese
// forms.
QFont SystemIconFont();

// Hands documents, folders and addresses to the desktop. Tests replace it; the real one reports
// nothing (a missing handler leaves the program as it was).
class TZnOpener {
public:
    virtual ~TZnOpener() = default;
    virtual void OpenUrl(const QUrl& url) = 0;
};

// QDesktopServices::openUrl; never a shell.
class TZnDesktopOpener : public TZnOpener {
public:
    void OpenUrl(const QUrl& url) override;
};

// Records what would have been opened.
class TZnRecordingOpener : public TZnOpener {
public:
    void OpenUrl(const QUrl& url) override { Opened.push_back(url); }
    std::vector<QUrl> Opened;
};

// Opens the document at the full path `file` with the program associated with its type.
void OpenWithAssociatedProgram(TZnOpener& opener, const QString& file);
// Opens `folder` in the file browser; the same whether or not it ends with "/".
void OpenFolder(TZnOpener& opener, const QString& folder);
