// The program entry: the game object first, then the single-copy check, the window framework
// and the main window.

#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QIcon>

#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "SingleCopy.h"
#include "ZnDialogs.h"
#include "ZnFileName.h"
#include "ZnSingleInstance.h"
#include "ZnUtils.h"
#ifdef GOALRUN_STARTUP_PROBE
#include "StartupProbe.h"
#endif

namespace {

void Complain(const TZnSingleInstance& instance) {
    std::fprintf(stderr, "goalrun: %s\n", qPrintable(instance.ErrorString()));
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/goalrun-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    // Lives before the window and is destroyed after the message loop has ended.
    TZnGameGoalrun game;
    QApplication app(argc, argv);
    // The first argument, if any, is a save file to open; further ones are ignored. QApplication
    // has taken its own options out of argv; arguments() would lose bytes that are not UTF-8.
    const QString file = argc > 1 ? DecodeFileName(argv[1]) : QString();

    TZnSingleInstance instance;
    switch (instance.Claim()) {
    case TZnSingleInstance::TRole::Second:
        // Another copy runs: it comes to the front and opens the file; this one ends.
        if (!instance.HandOver(file)) {
            Complain(instance);
            return 1;
        }
        return 0;
    case TZnSingleInstance::TRole::Unavailable:
        Complain(instance); // no runtime folder: run without the guard
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
    ConnectHandOvers(instance, window);
    if (instance.Role() == TZnSingleInstance::TRole::First && !instance.Listen())
        Complain(instance);
#ifdef GOALRUN_STARTUP_PROBE
    InstallStartupProbe(window); // the start-up benchmark's build only
#endif
    window.show();
    return QApplication::exec();
}
