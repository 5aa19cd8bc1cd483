#include "WindowOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ConstsGoalrun.h"
#include "ZnFileName.h"

namespace {

constexpr const char* Usage =
    "usage: goalrun [--help | --version] [--] [FILE]\n"
    "Starts the soccer league management game and opens the save FILE, if one is given.\n"
    "When the game already runs, its window comes to the front and opens FILE.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --         end of the options: FILE may start with '-'\n";

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
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0')
            return true;
    }
    return false;
}

int AnswerWithoutDisplay() {
    std::fputs("goalrun: no display found; goalrun-cli plays the game in a terminal\n", stderr);
    return 1;
}
