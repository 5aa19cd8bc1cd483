#include "AppMain.h"

int main(int argc, char* argv[]) {
    return RunGoalrun(argc, argv);
}
