#pragma once

// The window program's command line, read before anything else starts: --help and --version need
// no display, and a bad option ends the program before the single-copy check could hand anything
// to a running copy.

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

// Whether the window has somewhere to go: the environment names a display (X11 or Wayland) or a
// platform for the window, and an X11 display the window would go to answers. Without that the
// window framework would abort. Called before any other thread starts.
[[nodiscard]] bool DisplayNamed();

// Says in one line on standard error that no display was found, or that the display named cannot
// be opened, and that goalrun-cli plays in a terminal; returns the exit status 1.
int AnswerWithoutDisplay();
