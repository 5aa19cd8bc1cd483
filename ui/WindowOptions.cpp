#include "WindowOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ConstsGoalrun.h"
#include "ZnFileName.h"

#ifdef GOALRUN_HAVE_XCB
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>
#endif

namespace {

constexpr const char* Usage =
    "usage: goalrun [--help | --version] [--new-game] [--] [FILE]\n"
    "Starts the soccer league management game and opens the save FILE, if one is given;\n"
    "without FILE it continues where the last game was left off.\n"
    "When the game already runs, its window comes to the front and opens FILE.\n"
    "\n"
    "  --new-game  start a new game, whatever the autosaves keep\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "  --          end of the options: FILE may start with '-'\n";

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] != '\0';
}

// The platform the window framework will choose: the one asked for, else Wayland when its display
// is named, else X11.
bool WindowGoesToX11() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && platform[0] != '\0')
        return std::strcmp(platform, "xcb") == 0 || std::strncmp(platform, "xcb:", 4) == 0;
    return !Named("WAYLAND_DISPLAY");
}

#ifdef GOALRUN_HAVE_XCB
// Kept open until the program ends: a server that resets when its last client leaves (Xvfb as
// tests and benchmarks run it) would otherwise be resetting, and refusing, just when the window
// framework connects.
struct TKeptConnection {
    xcb_connection_t* Connection = nullptr;
    TKeptConnection() = default;
    TKeptConnection(const TKeptConnection&) = delete;
    TKeptConnection& operator=(const TKeptConnection&) = delete;
    ~TKeptConnection() {
        if (Connection != nullptr)
            xcb_disconnect(Connection);
    }
};
#endif

// The window framework aborts with a page of text when the X11 display does not answer; asking
// first costs one connection to the display. The client library writes a refusing server's
// reason (several lines) to standard error: that is silenced while it asks, which is safe only
// while no other thread runs.
bool X11DisplayAnswers() {
#ifdef GOALRUN_HAVE_XCB
    static TKeptConnection kept;
    if (kept.Connection != nullptr)
        return xcb_connection_has_error(kept.Connection) == 0;
    const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const int saved = quiet >= 0 ? ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0) : -1;
    if (saved >= 0)
        ::dup2(quiet, STDERR_FILENO);
    kept.Connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(kept.Connection) == 0;
    if (saved >= 0) {
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    if (quiet >= 0)
        ::close(quiet);
    return answers;
#else
    return true;
#endif
}

} // namespace

TWindowOptions ParseWindowOptions(int argc, const char* const* argv) {
    TWindowOptions options;
    bool operandsOnly = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool option = !operandsOnly && argument[0] == '-' && argument[1] != '\0';
        if (!option) {
            if (options.File.isEmpty())
                options.File = DecodeFileName(argument);
        } else if (std::strcmp(argument, "--") == 0) {
            operandsOnly = true;
        } else if (std::strcmp(argument, "--new-game") == 0) {
            options.NewGame = true;
        } else if (std::strcmp(argument, "--help") == 0) {
            options.Action = TWindowOptions::TAction::Help;
            return options;
        } else if (std::strcmp(argument, "--version") == 0) {
            options.Action = TWindowOptions::TAction::Version;
            return options;
        } else {
            options.Action = TWindowOptions::TAction::Bad;
            options.Unknown = argument;
            return options;
        }
    }
    return options;
}

int AnswerWithoutWindow(const TWindowOptions& options) {
    switch (options.Action) {
    case TWindowOptions::TAction::Help:
        std::fputs(Usage, stdout);
        return 0;
    case TWindowOptions::TAction::Version:
        std::printf("goalrun %.*s\n", static_cast<int>(ProductVersion.size()),
                    ProductVersion.data());
        return 0;
    case TWindowOptions::TAction::Bad:
        std::fprintf(stderr, "goalrun: unknown option '%s'\n%s", options.Unknown.constData(),
                     Usage);
        return 2;
    case TWindowOptions::TAction::Run:
        break;
    }
    return 0;
}

bool DisplayNamed() {
    if (!Named("DISPLAY") && !Named("WAYLAND_DISPLAY") && !Named("QT_QPA_PLATFORM"))
        return false;
    return !WindowGoesToX11() || X11DisplayAnswers();
}

int AnswerWithoutDisplay() {
    if (!Named("DISPLAY")) {
        std::fputs("goalrun: no display found; goalrun-cli plays the game in a terminal\n", stderr);
        return 1;
    }
    // One line, whatever the variable holds.
    QByteArray display(std::getenv("DISPLAY"));
    for (char& c : display) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    std::fprintf(stderr,
                 "goalrun: cannot open display %s; goalrun-cli plays the game in a terminal\n",
                 display.constData());
    return 1;
}
