#pragma once

// The window's size, position and state, its splitter positions and its current page, kept
// between runs in the user's configuration folder. A missing or damaged settings file, or a
// value that makes no sense, leaves the window as it is; a position that leaves less than the
// title bar on every screen is ignored.

#include <memory>

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

class QMainWindow;
class QSettings;
class QSplitter;
class QTabWidget;
class QTemporaryDir;

// What is remembered: the window, its page control's current page and its splitters (both by
// object name). A remembered size restores to no less than `Floor` (within the screen).
struct TWindowStateParts {
    QMainWindow& Window;
    QTabWidget& Pages;
    QList<QSplitter*> Splitters;
    QSize Floor;
};

// A settings file under the save files' rules. It is read only when it is a regular file (after
// following links) of at most WindowSettingsLimit bytes, opened without blocking, or missing;
// anything else is left untouched, no values are offered and one line on stderr says why. The
// values are held in a private scratch copy, and written back only through the save files'
// writer: a link is followed to its file, the file keeps its mode, and a file the user may not
// write (or one without any write permission bit) is refused.
class TWindowSettings {
public:
    explicit TWindowSettings(QString path);
    ~TWindowSettings();
    TWindowSettings(const TWindowSettings&) = delete;
    TWindowSettings& operator=(const TWindowSettings&) = delete;

    // The values, or null when the file is not one to use.
    [[nodiscard]] QSettings* Values() const { return FValues.get(); }
    // Writes the values to the file when they differ from what it held; a failure is a line on
    // stderr. Only the program's own keys are written: whatever else a damaged or foreign file
    // held is left out.
    void Write();

private:
    QString FPath;
    QByteArray FRead; // the file's bytes as read
    std::unique_ptr<QTemporaryDir> FScratch;
    std::unique_ptr<QSettings> FValues;
};

inline constexpr qsizetype WindowSettingsLimit = 64 * 1024;

// The key of the help window's remembered size (HelpViewer.h).
[[nodiscard]] QString HelpWindowSizeKey();

// The program's settings: "goalrun/goalrun.conf" in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config).
[[nodiscard]] std::unique_ptr<TWindowSettings> OpenWindowSettings();

// Puts the remembered state on the window before it is first shown: each part that is there and
// makes sense. Returns whether a size was remembered; a damaged file changes nothing.
bool RestoreWindowState(TWindowSettings& settings, const TWindowStateParts& parts);
void SaveWindowState(TWindowSettings& settings, const TWindowStateParts& parts);

// The window's language ("Language" in the settings): the one the player chose in the menu,
// else the desktop's (LanguageOfLocale).
[[nodiscard]] QString StartLanguage(TWindowSettings& settings);
// Keeps the player's choice of language for the next runs.
void RememberLanguage(TWindowSettings& settings, const QString& code);

// Whether the player's place is kept ("ContinueWhereLeftOff" in the settings): autosaves while
// playing and at the close, and the game continued at the next start. On unless the player
// turned it off.
[[nodiscard]] bool KeepPlaceChosen(TWindowSettings& settings);
void RememberKeepPlace(TWindowSettings& settings, bool keeps);

// The player's choices of watching a matchday: whether ("WatchMatches", off in a new settings
// file), the speed ("ReplaySpeed": 0 slow, 1 normal, 2 fast, kept by name) and the pause at
// half-time ("ReplayHalfTimePause").
struct TWatchChoices {
    bool Watch = false;
    int Speed = 1;
    bool HalfTimePause = false;
};
[[nodiscard]] TWatchChoices WatchChoices(TWindowSettings& settings);
void RememberWatchChoices(TWindowSettings& settings, const TWatchChoices& choices);
