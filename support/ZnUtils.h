#pragma once

// Application paths and the shell operations of the window: the only places where the program
// builds file locations or hands a document, folder or address to the desktop.

#include <functional>
#include <utility>

#include <QFont>
#include <QString>
#include <QUrl>

#include "ZnUserFolders.h"

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

// Hands documents, folders and addresses to the desktop. Tests replace it. A missing handler
// leaves the program as it was.
class TZnOpener {
public:
    // Told that the desktop's handler, once started, could not open the address after all.
    using TFailed = std::function<void()>;
    virtual ~TZnOpener() = default;
    // False when the address could not be handed over at all. A handler that fails later (it
    // exits with an error) is reported through `failed`, on the calling thread, if given.
    virtual bool OpenUrl(const QUrl& url, TFailed failed = {}) = 0;
};

// Runs the desktop's opener (`program`, "xdg-open" unless told otherwise, found in PATH) with
// the address as its one argument, never through a shell, and watches its exit without
// waiting for it: a non-zero status or a crash counts as a failure. The handler runs in a
// session of its own with no input, so one that would take over the terminal the game was
// started from (a text browser, an editor) fails instead of waiting there unseen. Without the
// program, QDesktopServices is asked.
class TZnDesktopOpener : public TZnOpener {
public:
    explicit TZnDesktopOpener(QString program = QStringLiteral("xdg-open"))
        : Program(std::move(program)) {}
    bool OpenUrl(const QUrl& url, TFailed failed = {}) override;

private:
    QString Program;
};

// Opens the document at the full path `file` with the program associated with its type.
bool OpenWithAssociatedProgram(TZnOpener& opener, const QString& file,
                               TZnOpener::TFailed failed = {});
// Opens `folder` in the file browser; the same whether or not it ends with "/".
bool OpenFolder(TZnOpener& opener, const QString& folder, TZnOpener::TFailed failed = {});
