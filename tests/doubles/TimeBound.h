#pragma once

#include <algorithm>
#include <ctime>

#include <QtGlobal>

// A test's time bound in nanoseconds, widened by the whole number in GOALRUN_TIME_SCALE for
// builds whose code runs slower, such as the sanitizer build.
inline qint64 TimeBound(qint64 ns) {
    return ns * std::max(1, qEnvironmentVariableIntValue("GOALRUN_TIME_SCALE"));
}

// A stopwatch of the calling thread's processor time, with QElapsedTimer's calls: what the code
// under test costs, which other processes on a shared, loaded machine do not stretch as they
// stretch the wall clock.
class TCpuTimer {
public:
    void start() { Start = Now(); }
    qint64 nsecsElapsed() const { return Now() - Start; }

private:
    static qint64 Now() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    }
    qint64 Start = 0;
};
