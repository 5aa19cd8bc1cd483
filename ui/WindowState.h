#pragma once

// The window's size, position and state, its splitter positions and its current page, kept
// between runs in the user's configuration folder. A missing or damaged settings file, or a
// value that makes no sense, leaves the window as it is; a position outside every screen is
// ignored.

#include <memory>

#include <QList>

class QMainWindow;
class QSettings;
class QSplitter;
class QTabWidget;

// What is remembered: the window, its page control and its splitters (by object name).
struct TWindowStateParts {
    QMainWindow& Window;
    QTabWidget& Pages;
    QList<QSplitter*> Splitters;
};

// The program's settings: "goalrun/goalrun.conf" in the user's configuration folder.
[[nodiscard]] std::unique_ptr<QSettings> OpenWindowSettings();

// Puts the remembered state on the window before it is first shown: each part that is there and
// makes sense. Returns whether a size was remembered; a damaged file changes nothing.
bool RestoreWindowState(QSettings& settings, const TWindowStateParts& parts);
void SaveWindowState(QSettings& settings, const TWindowStateParts& parts);
