#include "StartupProbe.h"

#include <cstdio>
#include <ctime>

#include <sys/resource.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The CPU time (user and system) of the process so far, in ms.
double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// VmHWM of /proc/self/status, in kB; -1 when unknown.
long long PeakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

class TStartupProbe : public QObject {
public:
    explicit TStartupProbe(QWidget& window) : QObject(&window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Reported) {
            Reported = true;
            // Queued: runs after the whole window has been painted and flushed.
            QTimer::singleShot(0, watched, [] {
                const long long t0 = qgetenv("GOALRUN_STARTUP_T0_NS").toLongLong();
                const double ms = t0 > 0 ? static_cast<double>(NowNs() - t0) / 1e6 : -1.0;
                std::printf("first-paint-ms %.2f peak-rss-kb %lld cpu-ms %.2f\n", ms, PeakRssKb(),
                            CpuMs());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool Reported = false;
};

} // namespace

void InstallStartupProbe(QWidget& window) {
    if (!qEnvironmentVariableIsSet("GOALRUN_STARTUP_PROBE"))
        return;
    window.installEventFilter(new TStartupProbe(window));
}
