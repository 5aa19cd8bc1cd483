#pragma once

// The whole run of the `goalrun` program, which its `main` calls. `beforeShow` is handed the main
// window once it is built and before it is first shown (a program built around this one, such as
// a benchmark, watches the window from there).

#include <functional>

class TFormMain;

int RunGoalrun(int argc, char* argv[], const std::function<void(TFormMain&)>& beforeShow = {});
