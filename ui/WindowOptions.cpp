#include "WindowOptions.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArrayList>
#include <QtGlobal>

#include "ConstsGoalrun.h"
#include "ZnFileName.h"

#ifdef GOALRUN_HAVE_XCB
#include <fcntl.h>
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

QByteArray Variable(const char* variable) {
    return QByteArray(std::getenv(variable));
}

// The platforms the window framework is asked to try, in order, by their names (the variable
// holds "name:options;name…"); none when it is left to choose.
QByteArrayList PlatformsAsked() {
    QByteArrayList names;
    for (const QByteArray& entry : Variable("QT_QPA_PLATFORM").split(';'))
        if (!entry.isEmpty())
            names << entry.split(':').first();
    return names;
}

bool AnyStartsWith(const QByteArrayList& names, const char* start) {
    return std::any_of(names.begin(), names.end(),
                       [start](const QByteArray& name) { return name.startsWith(start); });
}

// Whether the window framework tries Wayland first: asked for, or by default when a Wayland
// display or session is named (then X11 after it).
bool WindowTriesWaylandFirst() {
    const QByteArrayList asked = PlatformsAsked();
    if (!asked.isEmpty())
        return asked.first().startsWith("wayland");
    return Named("WAYLAND_DISPLAY") || Variable("XDG_SESSION_TYPE") == "wayland";
}

bool WindowTriesX11() {
    const QByteArrayList asked = PlatformsAsked();
    return asked.isEmpty() || asked.contains("xcb");
}

// Whether a Wayland compositor takes connections where the client library looks for it: the
// socket WAYLAND_DISPLAY names (wayland-0 by default) in the runtime folder, or its own path.
// A missing compositor (a variable left over from another session) makes X11 the display the
// window goes to.
bool WaylandCompositorListens() {
    if (Named("WAYLAND_SOCKET"))
        return true; // a connection handed over by the compositor itself
    QByteArray path = Named("WAYLAND_DISPLAY") ? Variable("WAYLAND_DISPLAY") : "wayland-0";
    if (!path.startsWith('/')) {
        if (!Variable("XDG_RUNTIME_DIR").startsWith('/'))
            return false;
        path = Variable("XDG_RUNTIME_DIR") + '/' + path;
    }
    sockaddr_un address{};
    if (static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool listens =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return listens;
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

// One connection attempt, shared by the waiting thread and the one that connects, which a
// display that never answers leaves blocked until the program ends.
struct TProbe {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    xcb_connection_t* Connection = nullptr;
    int Screen = 0;
};
#endif

// The window framework aborts with a page of text when the X11 display does not answer or has
// no such screen, and waits for ever on one that accepts the connection and never answers;
// asking first costs one connection to the display, and at most `limit`. The client library
// writes a refusing server's reason (several lines) to standard error: that is silenced while it
// asks, which is safe only while no other thread runs (the asking thread is ours, and this one
// only waits for it).
TDisplayState X11DisplayAnswers(std::chrono::milliseconds limit) {
#ifdef GOALRUN_HAVE_XCB
    static TKeptConnection kept;
    if (kept.Connection != nullptr)
        return xcb_connection_has_error(kept.Connection) == 0 ? TDisplayState::Usable
                                                              : TDisplayState::Refused;
    const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const int saved = quiet >= 0 ? ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0) : -1;
    if (saved >= 0)
        ::dup2(quiet, STDERR_FILENO);
    auto probe = std::make_shared<TProbe>();
    std::thread([probe] {
        int screen = 0;
        xcb_connection_t* connection = xcb_connect(nullptr, &screen);
        const std::lock_guard lock(probe->Lock);
        probe->Connection = connection;
        probe->Screen = screen;
        probe->Finished = true;
        probe->Done.notify_all();
    }).detach();
    std::unique_lock lock(probe->Lock);
    const bool finished = probe->Done.wait_for(lock, limit, [&probe] { return probe->Finished; });
    if (saved >= 0) {
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    if (quiet >= 0)
        ::close(quiet);
    if (!finished)
        return TDisplayState::Silent;
    kept.Connection = probe->Connection;
    if (xcb_connection_has_error(kept.Connection) != 0)
        return TDisplayState::Refused;
    const int screens = xcb_setup_roots_length(xcb_get_setup(kept.Connection));
    return probe->Screen >= 0 && probe->Screen < screens ? TDisplayState::Usable
                                                         : TDisplayState::Refused;
#else
    (void)limit;
    return TDisplayState::Usable;
#endif
}

// A message the framework gave while it started, passed on once it has.
struct THeldMessage {
    QtMsgType Type;
    QByteArray File, Function, Category;
    int Line;
    QString Text;
};

// The framework may log from threads of its own while it starts.
std::mutex HeldLock;
std::vector<THeldMessage> HeldMessages;
QtMessageHandler FrameworkHandler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Nothing of the half-started framework may run again: no exit handlers.
        AnswerWithoutDisplay(TDisplayState::Refused);
        std::fflush(stdout);
        ::_exit(1);
    }
    const std::lock_guard lock(HeldLock);
    HeldMessages.push_back(
        {type, context.file, context.function, context.category, context.line, text});
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

TDisplayState CheckDisplay(std::chrono::milliseconds limit) {
    if (!Named("DISPLAY") && !Named("WAYLAND_DISPLAY") && !Named("QT_QPA_PLATFORM"))
        return TDisplayState::None;
    // The framework goes to a compositor that takes connections; without one it goes on to X11,
    // and a display there that does not answer would make it abort or wait for ever.
    if (WindowTriesWaylandFirst() && WaylandCompositorListens())
        return TDisplayState::Usable;
    return WindowTriesX11() ? X11DisplayAnswers(limit) : TDisplayState::Usable;
}

QByteArray OneLine(QByteArray text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return text;
}

int AnswerWithoutDisplay(TDisplayState state) {
    const QByteArrayList asked = PlatformsAsked();
    const bool x11 = WindowTriesX11();
    const bool wayland = asked.isEmpty() || AnyStartsWith(asked, "wayland");
    // The displays the framework may have tried, Wayland's first.
    QByteArrayList displays;
    if (wayland && Named("WAYLAND_DISPLAY"))
        displays << Variable("WAYLAND_DISPLAY");
    if (x11 && Named("DISPLAY"))
        displays << Variable("DISPLAY");
    QByteArray said;
    if (!x11 && !wayland)
        said = "cannot start the window platform " + Variable("QT_QPA_PLATFORM");
    else if (state == TDisplayState::None || displays.isEmpty())
        said = "no display found";
    else if (state == TDisplayState::Silent) // only an X11 display is asked
        said = "display " + Variable("DISPLAY") + " does not answer";
    else
        said = "cannot open display " + displays.join(" or ");
    std::fprintf(stderr, "goalrun: %s; goalrun-cli plays the game in a terminal\n",
                 OneLine(said).constData());
    return 1;
}

TPlatformStartGuard::TPlatformStartGuard() {
    FrameworkHandler = qInstallMessageHandler(HoldMessage);
}

TPlatformStartGuard::~TPlatformStartGuard() {
    qInstallMessageHandler(FrameworkHandler);
    std::vector<THeldMessage> held;
    {
        const std::lock_guard lock(HeldLock);
        held.swap(HeldMessages);
    }
    for (const THeldMessage& message : held) {
        const QMessageLogContext context(message.File.constData(), message.Line,
                                         message.Function.constData(),
                                         message.Category.constData());
        FrameworkHandler(message.Type, context, message.Text);
    }
}
