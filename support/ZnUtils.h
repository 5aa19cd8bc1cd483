#pragma once

// Application paths and the shell operations of the window: the only places where the program
// builds file locations or hands a document, folder or address to the desktop.

#include <QFont>
#include <QString>
#include <QUrl>

// The folder of the running executable, with a trailing "/".
QString AppFolder();
// Where the save slots live: `appFolder` followed by "savedata/" while the program's folder is
// writable (the build folder, a portable copy); for an installation, the per-user
// "$XDG_DATA_HOME/goalrun/savedata/": the install rules put the marker "goalrun.installed" beside
// the program, so even root, who may write /usr/lib/goalrun, never saves there; a folder the
// player may not write counts as installed too.
// Only builds the path; neither tests nor creates the savedata folder itself.
QString SaveDataFolder(const QString& appFolder = AppFolder());

// True when files may be created in `folder`. A folder without any write permission bit counts
// as read-only even for root, who could write it anyway: its owner meant it to stay unchanged.
bool IsWritableFolder(const QString& folder);

// The platform's general font, preferring a Japanese face so Han characters take their Japanese
// forms.
QFont SystemIconFont();

// Hands documents, folders and addresses to the desktop. Tests replace it. Each call reports
// whether the desktop opened the address; a missing handler leaves the program as it was.
class TZnOpener {
public:
    virtual ~TZnOpener() = default;
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// QDesktopServices::openUrl; never a shell.
class TZnDesktopOpener : public TZnOpener {
public:
    bool OpenUrl(const QUrl& url) override;
};

// Opens the document at the full path `file` with the program associated with its type.
bool OpenWithAssociatedProgram(TZnOpener& opener, const QString& file);
// Opens `folder` in the file browser; the same whether or not it ends with "/".
bool OpenFolder(TZnOpener& opener, const QString& folder);
