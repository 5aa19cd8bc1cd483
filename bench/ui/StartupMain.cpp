// `goalrun` with the start-up probe on its main window: the program bench/window_startup.sh
// measures.

#include "AppMain.h"
#include "FrmGoalrun.h"
#include "StartupProbe.h"

int main(int argc, char* argv[]) {
    return RunGoalrun(argc, argv, [](TFormMain& window) { InstallStartupProbe(window); });
}
