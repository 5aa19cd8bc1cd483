// An empty Qt Widgets window of the game window's design size: the floor of the start-up
// benchmark, what any window of the framework costs before it shows anything.

#include <QApplication>
#include <QWidget>

#include "StartupProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(600, 420);
    InstallStartupProbe(window);
    window.show();
    return QApplication::exec();
}
