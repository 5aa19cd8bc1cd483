// Another copy of the program for SingleInstanceTests, run as a process of its own. It uses the
// runtime folder of its environment (XDG_RUNTIME_DIR), as the game would.
//
//   single_instance_peer claim             prints the role it got: "first", "second" or
//                                          "unavailable: " and the reason
//   single_instance_peer hand-over [path]  must be a second copy: hands `path` over (nothing:
//                                          only the raise request), prints "second"
//   single_instance_peer hold              must be the first copy: listens, prints "first", then
//                                          one line per hand-over, until it is killed
//   single_instance_peer starve MS         as hold, but then uses up its descriptors (prints
//                                          "starved") and frees them after MS ms ("fed")
//   single_instance_peer race COUNT WHEN   waits until WHEN (ms since the epoch), then claims:
//                                          a second copy hands over the raise request and prints
//                                          "second"; the first prints "first N" once the other
//                                          COUNT - 1 copies have reached it
//
// GOALRUN_PEER_CONNECT_MS sets how long a second copy tries to connect, and how long it waits
// for the answer without a sign of life from the first copy. A second copy that waits for the
// answer prints "waiting" and the path on stderr, after GOALRUN_PEER_NOTICE_MS (by default
// after the program's delay). Exit status: 0 done,
// 2 hand-over or listen failed (the reason on stderr), 3 wrong role, 4 timed out, 64 usage.

#include "ZnSingleInstance.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <QTimer>

namespace {

void PrintLine(const QByteArray& line) {
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::chrono::milliseconds ConnectTimeout() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("GOALRUN_PEER_CONNECT_MS", &ok);
    return ok ? std::chrono::milliseconds(ms) : TZnSingleInstance::HandOverTimeout;
}

int HandOver(TZnSingleInstance& instance, const QString& path) {
    bool ok = false;
    const int noticeMs = qEnvironmentVariableIntValue("GOALRUN_PEER_NOTICE_MS", &ok);
    instance.SetSlowAnswerNotice(
        [](const QString& sent) {
            std::fprintf(stderr, "waiting %s\n", QFile::encodeName(sent).constData());
        },
        ok ? std::chrono::milliseconds(noticeMs) : TZnSingleInstance::SlowAnswerDelay);
    if (!instance.HandOver(path, TZnLaunchTokens::FromEnvironment(), ConnectTimeout())) {
        std::fprintf(stderr, "%s\n", qPrintable(instance.ErrorString()));
        return 2;
    }
    PrintLine("second");
    return 0;
}

int Listen(TZnSingleInstance& instance) {
    if (!instance.Listen()) {
        std::fprintf(stderr, "%s\n", qPrintable(instance.ErrorString()));
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    TZnSingleInstance instance;

    if (mode == QLatin1String("claim")) {
        const TZnSingleInstance::TRole role = instance.Claim();
        PrintLine(role == TZnSingleInstance::TRole::First ? QByteArray("first")
                  : role == TZnSingleInstance::TRole::Second
                      ? QByteArray("second")
                      : "unavailable: " + instance.ErrorString().toUtf8());
        return 0;
    }

    if (mode == QLatin1String("hand-over")) {
        if (instance.Claim() != TZnSingleInstance::TRole::Second)
            return 3;
        return HandOver(instance, args.value(2));
    }

    const bool starve = mode == QLatin1String("starve") && args.size() == 3;
    if (mode == QLatin1String("hold") || starve) {
        if (instance.Claim() != TZnSingleInstance::TRole::First)
            return 3;
        if (const int failed = Listen(instance))
            return failed;
        QObject::connect(&instance, &TZnSingleInstance::copyDataReceived,
                         [](int identifier, const QByteArray& bytes) {
                             PrintLine("copy " + QByteArray::number(identifier) + ' ' + bytes);
                         });
        PrintLine("first");
        std::vector<int> taken;
        if (starve) {
            // Few descriptors, all of them in use: the next accept fails.
            rlimit limit{};
            getrlimit(RLIMIT_NOFILE, &limit);
            limit.rlim_cur = 64;
            setrlimit(RLIMIT_NOFILE, &limit);
            for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
                taken.push_back(fd);
            PrintLine("starved");
            QTimer::singleShot(args.value(2).toInt(), [&taken] {
                for (int fd : taken)
                    ::close(fd);
                PrintLine("fed");
            });
        }
        return QCoreApplication::exec();
    }

    if (mode == QLatin1String("race") && args.size() == 4) {
        const int count = args.value(2).toInt();
        const qint64 start = args.value(3).toLongLong();
        const qint64 wait = start - QDateTime::currentMSecsSinceEpoch();
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
        const TZnSingleInstance::TRole role = instance.Claim();
        if (role == TZnSingleInstance::TRole::Second)
            return HandOver(instance, QString());
        if (role != TZnSingleInstance::TRole::First)
            return 3;
        if (const int failed = Listen(instance))
            return failed;
        int reached = 0;
        const auto report = [&reached] {
            PrintLine("first " + QByteArray::number(reached));
            QCoreApplication::exit(0);
        };
        QObject::connect(&instance, &TZnSingleInstance::raiseRequested, [&reached, count, &report] {
            if (++reached == count - 1)
                report();
        });
        if (count <= 1)
            report();
        QTimer::singleShot(15000, [&report] {
            report();
            QCoreApplication::exit(4);
        });
        return QCoreApplication::exec();
    }

    std::fprintf(stderr, "usage: single_instance_peer claim | hand-over [path] | hold | starve MS "
                         "| race COUNT WHEN\n");
    return 64;
}
