#pragma once

// The figures the window benchmarks print: medians of runs in milliseconds.

#include <algorithm>
#include <vector>

#include <QElapsedTimer>

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}
