#pragma once

#include <algorithm>

#include <QtGlobal>

// A test's time bound in nanoseconds, widened by the whole number in GOALRUN_TIME_SCALE for
// builds whose code runs slower, such as the sanitizer build.
inline qint64 TimeBound(qint64 ns) {
    return ns * std::max(1, qEnvironmentVariableIntValue("GOALRUN_TIME_SCALE"));
}
