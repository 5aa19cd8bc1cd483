#pragma once

// The window program's command line, read before anything else starts: --help and --version need
// no display, and a bad option ends the program before the single-copy check could hand anything
// to a running copy.

#include <chrono>

#include <QByteArray>
#include <QString>

struct TWindowOptions {
    enum class TAction { Run, Help, Version, Bad };

    TAction Action = TAction::Run;
    // The save file to open (the first operand; further ones are ignored), empty for none. Its
    // bytes are kept whether or not they are UTF-8 (DecodeFileName).
    QString File;
    // --new-game: start a new game, not the one kept in the autosaves.
    bool NewGame = false;
    // For Bad: the argument that was not understood.
    QByteArray Unknown;
};

// Options may stand anywhere before "--"; everything after it is an operand, so a file whose name
// starts with '-' is named as `goalrun -- -file.sav`. A lone "-" is an operand too.
[[nodiscard]] TWindowOptions ParseWindowOptions(int argc, const char* const* argv);

// Prints what Help, Version or Bad asks for (usage and version on standard output, a bad option
// with the usage on standard error) and returns the exit status: 0, or 2 for Bad.
int AnswerWithoutWindow(const TWindowOptions& options);

// How long a display may take to answer the probe (a stopped X server never does).
inline constexpr std::chrono::milliseconds DisplayAnswerLimit{5000};

enum class TDisplayState {
    Usable,  // the window has somewhere to go, as far as can be known before it starts
    None,    // no display and no platform named
    Refused, // the display named cannot be opened (or has no such screen)
    Silent,  // the display accepted the connection but did not answer within the limit
};

// Whether the window has somewhere to go: the environment names a display (X11 or Wayland) or a
// platform for the window, and an X11 display the window would go to first answers within
// `limit` and has the screen named. Without that the window framework would abort or wait for
// ever. Called before any other thread starts.
[[nodiscard]] TDisplayState CheckDisplay(std::chrono::milliseconds limit = DisplayAnswerLimit);

// Says in one line on standard error that no display was found, that the display named cannot
// be opened or does not answer, or that the platform named cannot start, and that goalrun-cli
// plays in a terminal; returns the exit status 1.
int AnswerWithoutDisplay(TDisplayState state);

// Held while the window framework starts: when it finds no platform it can start, the program
// ends with AnswerWithoutDisplay's line and status 1 instead of the framework's abort and its
// page of text. What the framework says on a start that succeeds is passed on once it has.
class TPlatformStartGuard {
public:
    TPlatformStartGuard();
    ~TPlatformStartGuard();
    TPlatformStartGuard(const TPlatformStartGuard&) = delete;
    TPlatformStartGuard& operator=(const TPlatformStartGuard&) = delete;
};

// `text` as one line of printable bytes: control characters become '?'.
[[nodiscard]] QByteArray OneLine(QByteArray text);
