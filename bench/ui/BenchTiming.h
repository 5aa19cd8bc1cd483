#pragma once

// The figures the window benchmarks print, medians of runs in milliseconds, and the wait for a
// window to be on the screen, since painting only happens from then on.

#include <algorithm>
#include <ctime>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The median of `runs` timings of `step`, in milliseconds.
template <typename Step> double MedianMs(int runs, Step step) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(Milliseconds(timer));
    }
    return Median(std::move(times));
}

// The processor time of the whole process (every thread) so far, in milliseconds: on a machine
// shared with other work it varies less than the wall clock, which counts the waits for a core.
inline double ProcessCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

inline void WaitUntilExposed(const QWidget& window) {
    QElapsedTimer wait;
    wait.start();
    while (!window.windowHandle()->isExposed() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
