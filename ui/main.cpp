// The program entry: the game object first, then the window framework and the main window.

#include <QApplication>
#include <QFile>
#include <QIcon>

#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "StartupProbe.h"
#include "ZnDialogs.h"
#include "ZnUtils.h"

int main(int argc, char* argv[]) {
    // Lives before the window and is destroyed after the message loop has ended.
    TZnGameGoalrun game;
    QApplication app(argc, argv);
    const QString iconPath = QStringLiteral(":/icons/goalrun.png");
    if (QFile::exists(iconPath))
        QApplication::setWindowIcon(QIcon(iconPath));
    TZnDesktopOpener opener;
    TZnQtDialogs dialogs;
    TFormMain window(game, dialogs, opener);
    dialogs.Parent = &window;
    InstallStartupProbe(window);
    window.show();
    return QApplication::exec();
}
