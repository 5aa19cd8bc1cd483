// The program's run: the command line first, then the game object, the single-copy check, the
// window framework and the main window.

#include "AppMain.h"

#include <cstdio>
#include <optional>
#include <system_error>
#include <thread>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>

#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "SingleCopy.h"
#include "WindowOptions.h"
#include "WindowState.h"
#include "ZnDialogs.h"
#include "ZnSingleInstance.h"
#include "ZnTranslation.h"
#include "ZnUtils.h"

namespace {

void Complain(const TZnSingleInstance& instance) {
    std::fprintf(stderr, "goalrun: %s\n",
                 OneLine(instance.ErrorString().toLocal8Bit()).constData());
}

// A second copy started from a terminal says why it has not ended yet: the running copy answers
// once it has opened the file, after any question it shows.
void SayWaiting(const QString& path) {
    const QString what =
        path.isEmpty() ? QStringLiteral("come to the front") : QStringLiteral("open ") + path;
    std::fprintf(stderr, "goalrun: %s\n",
                 OneLine(QStringLiteral("waiting for the running ゴールラン to %1 (it may be "
                                        "showing a question)")
                             .arg(what)
                             .toLocal8Bit())
                     .constData());
}

// The window's icon, for the window manager's title bars, task bars and window switcher: the
// sizes up to 64 pixels. Every size given is decoded at the start and converted and sent to the
// window manager with every window, the dialogs' too; the two largest (128 and 256) took nine
// tenths of that for a size the window manager hardly draws. Launchers and menus take the icon
// theme's copies of every size (share/icons/hicolor), installed with the program.
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        const QString path = QStringLiteral(":/icons/goalrun-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace

int RunGoalrun(int argc, char* argv[], const std::function<void(TFormMain&)>& beforeShow) {
    const TWindowOptions options = ParseWindowOptions(argc, argv);
    if (options.Action != TWindowOptions::TAction::Run)
        return AnswerWithoutWindow(options);
    if (const TDisplayState display = CheckDisplay(); display != TDisplayState::Usable)
        return AnswerWithoutDisplay(display);
    const QString file = options.File;
    // The window framework sees only the program's name: the command line is the game's, and a
    // file named like one of the framework's options must not be taken by it.
    int frameworkArgc = 1;

    // Lives before the window and is destroyed after the message loop has ended.
    TZnGameGoalrun game;
    // Read before the QApplication exists: its platform plugin takes them out of the environment.
    const TZnLaunchTokens launch = TZnLaunchTokens::FromEnvironment();
    std::optional<TPlatformStartGuard> starting(std::in_place);
    QApplication app(frameworkArgc, argv);
    starting.reset();
    QApplication::setDesktopFileName(QStringLiteral("example.vomera.goalrun")); // the app id

    // The font database (fontconfig's settings and its list of the installed fonts, a sixth of
    // the start) is read when the window first measures a text. A second thread reads it while
    // the start goes on without text (the settings, the single-copy check, the icon); the
    // window's first measure waits for it instead of reading it again. The database is
    // thread-safe; the framework has set the process's locale by now, and nothing changes the
    // environment before the window has measured. Joined before the framework ends; where no
    // thread can be started, the window reads the database itself.
    std::jthread fontDatabase;
    try {
        fontDatabase = std::jthread([] { QFontDatabase::families(); });
    } catch (const std::system_error&) {
    }

    // The language the player chose, else the desktop's, before anything is said: a second copy
    // tells why it could not hand over in the window's language. Without Qt's own translation its
    // standard buttons stay English; the game plays the same.
    // The settings are read once: the window takes its remembered state from the same values.
    std::unique_ptr<TWindowSettings> settings = OpenWindowSettings();
    SetWindowLanguage(StartLanguage(*settings));

    TZnSingleInstance instance;
    switch (instance.Claim()) {
    case TZnSingleInstance::TRole::Second:
        // Another copy runs: it comes to the front and opens the file; this one ends.
        EndLaunchFeedback(launch);
        instance.SetSlowAnswerNotice(SayWaiting);
        if (!instance.HandOver(file, launch)) {
            Complain(instance);
            return 1;
        }
        return 0;
    case TZnSingleInstance::TRole::Unavailable:
        Complain(instance); // no private folder: run without the guard
        break;
    default:
        break;
    }

    QApplication::setWindowIcon(ApplicationIcon());
    TZnDesktopOpener opener;
    TZnQtDialogs dialogs;
    TFormMain window(game, dialogs, opener);
    dialogs.Parent = &window;
    window.SetCommandLineFile(file);
    window.SetPlaceKeeping(instance.Role() == TZnSingleInstance::TRole::First, options.NewGame);
    window.SetStartSettings(std::move(settings));
    if (const QString achievements = AchievementsFile(); !achievements.isEmpty())
        window.SetAchievementsFile(achievements);
    ConnectHandOvers(instance, window);
    if (instance.Role() == TZnSingleInstance::TRole::First && !instance.Listen())
        Complain(instance);
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}
