// The single running copy: which copy is first, the hand-over from a second copy (a real second
// process, single_instance_peer) and the copy-data event of the same process. Every test has a
// runtime folder of its own, so a running game is never disturbed.

#include "ZnCopyData.h"
#include "ZnHandOverMessage.h"
#include "ZnSingleInstance.h"

#include <memory>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QtEndian>

namespace {

constexpr int PeerTimeoutMs = 15000;

// What the first copy was handed, in the order it came.
struct THandOvers {
    QStringList Order; // "raise" and "copy"
    QList<QByteArray> Tokens;
    QList<int> Identifiers;
    QList<QByteArray> Bytes;

    void Watch(TZnSingleInstance& instance) {
        QObject::connect(&instance, &TZnSingleInstance::raiseRequested,
                         [this](const TZnLaunchTokens& launch) {
                             Order.append(QStringLiteral("raise"));
                             Tokens.append(launch.ActivationToken);
                         });
        QObject::connect(&instance, &TZnSingleInstance::copyDataReceived,
                         [this](int identifier, const QByteArray& bytes) {
                             Order.append(QStringLiteral("copy"));
                             Identifiers.append(identifier);
                             Bytes.append(bytes);
                         });
    }
};

void AppendUInt32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// A hand-over message laid out by hand, as the header of ZnSingleInstance.h documents it.
QByteArray RawMessage(const QByteArray& body) {
    QByteArray message("GLRN");
    AppendUInt32(message, static_cast<quint32>(body.size()));
    return message + body;
}

QByteArray CopyBody(int identifier, const QByteArray& bytes) {
    QByteArray body(1, '\1');
    AppendUInt32(body, static_cast<quint32>(identifier));
    AppendUInt32(body, static_cast<quint32>(bytes.size()));
    body += bytes;
    AppendUInt32(body, 0); // no activation token
    AppendUInt32(body, 0); // no startup id
    return body;
}

class TRecordingReceiver : public QObject {
public:
    int Identifier = -1;
    QString Text;
    QByteArray Bytes;

protected:
    bool event(QEvent* event) override {
        if (event->type() != TZnCopyDataEvent::Type())
            return QObject::event(event);
        const auto& copy = static_cast<const TZnCopyDataEvent&>(*event);
        Identifier = copy.Identifier();
        Text = copy.Text();
        Bytes = copy.Bytes();
        return true;
    }
};

} // namespace

class SingleInstanceTests : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void SecondCopyHandsOverAbsolutePathAndWaitsForHandler();
    void SecondCopyWithoutFileOnlyAsksToRaise();
    void SecondCopySaysOnceThatItWaitsForTheAnswer();
    void HandOversDuringHandlerWaitTheirTurn();
    void SecondCopyWaitsForFirstToListen();
    void SecondCopyReportsFailure_data();
    void SecondCopyReportsFailure();
    void SimultaneousStartsGiveOneFirstCopy();
    void KilledFirstCopyDoesNotBlockNextStart();
    void ServerListensAgainAfterAFailedAccept();
    void LockNamingNoLiveCopyIsTakenOver_data();
    void LockNamingNoLiveCopyIsTakenOver();
    void ChannelFallsBackToAPrivateCacheFolder_data();
    void ChannelFallsBackToAPrivateCacheFolder();
    void EachDisplayHasItsOwnFirstCopy_data();
    void EachDisplayHasItsOwnFirstCopy();
    void HandOverMessageEncodesAndDecodesWithoutSockets();
    void FirstCopyDropsOversizedAndMalformedMessages_data();
    void FirstCopyDropsOversizedAndMalformedMessages();
    void FirstCopyTakesMessageUpToSizeLimit();
    void SecondCopyRefusesPathBeyondSizeLimit();
    void CopyDataEventReachesReceiverSynchronously();
    void CopyDataTextStopsAtFirstZero_data();
    void CopyDataTextStopsAtFirstZero();

private:
    std::unique_ptr<QProcess> StartPeer(const QStringList& arguments,
                                        const QString& workingFolder = QString(),
                                        const QStringList& environment = {});
    std::unique_ptr<QTemporaryDir> RuntimeFolder;
    std::vector<std::unique_ptr<QProcess>> Peers;
};

void SingleInstanceTests::init() {
    RuntimeFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(RuntimeFolder->isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(RuntimeFolder->path()));
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
}

void SingleInstanceTests::cleanup() {
    for (auto& peer : Peers) {
        if (peer->state() != QProcess::NotRunning) {
            peer->kill();
            peer->waitForFinished(PeerTimeoutMs);
        }
    }
    Peers.clear();
    RuntimeFolder.reset();
}

std::unique_ptr<QProcess> SingleInstanceTests::StartPeer(const QStringList& arguments,
                                                         const QString& workingFolder,
                                                         const QStringList& environment) {
    auto peer = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    peer->setProcessEnvironment(env);
    if (!workingFolder.isEmpty())
        peer->setWorkingDirectory(workingFolder);
    peer->start(QStringLiteral(SINGLE_INSTANCE_PEER), arguments);
    return peer;
}

void SingleInstanceTests::SecondCopyHandsOverAbsolutePathAndWaitsForHandler() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY2(first.Listen(), qPrintable(first.ErrorString()));
    // The socket is this user's alone, and nothing of its making is left beside it.
    struct stat socketInfo {};
    QCOMPARE(::lstat(QFile::encodeName(first.ServerName()).constData(), &socketInfo), 0);
    QVERIFY(S_ISSOCK(socketInfo.st_mode));
    QCOMPARE(socketInfo.st_mode & 0777, 0700U);
    QCOMPARE(QDir(QFileInfo(first.ServerName()).path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                 .size(),
             2); // the lock and the socket
    THandOvers seen;
    seen.Watch(first);

    QTemporaryDir work;
    QVERIFY(work.isValid());
    std::unique_ptr<QProcess> peer;
    bool peerWaitedForHandler = false;
    // The handler stands for a load with an error box: it keeps an event loop running for a
    // while, and the second copy must still be waiting when it returns.
    // It takes longer than the second copy waits in silence: the first copy's signs of life
    // (every two seconds) keep it waiting.
    connect(&first, &TZnSingleInstance::copyDataReceived, this, [&] {
        QTest::qWait(3300);
        peerWaitedForHandler = peer->state() == QProcess::Running;
    });

    peer = StartPeer({QStringLiteral("hand-over"), QStringLiteral("saves/../saves/03savedata.sav")},
                     work.path(),
                     {QStringLiteral("XDG_ACTIVATION_TOKEN=token-42"),
                      QStringLiteral("GOALRUN_PEER_CONNECT_MS=3000")});
    QVERIFY(peer->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 0);
    QCOMPARE(peer->readAllStandardOutput(), QByteArray("second\n"));

    // Made absolute, but not cleaned: ".." after a symbolic link is not the folder before it.
    const QString expected =
        QDir(work.path()).path() + QStringLiteral("/saves/../saves/03savedata.sav");
    QCOMPARE(seen.Order, (QStringList{QStringLiteral("raise"), QStringLiteral("copy")}));
    QCOMPARE(seen.Tokens, QList<QByteArray>{"token-42"});
    QCOMPARE(seen.Identifiers, QList<int>{CopyDataOpenPath});
    QCOMPARE(seen.Bytes.value(0), QFile::encodeName(expected) + '\0');
    QCOMPARE(CopyDataText(seen.Bytes.value(0)), expected);
    QVERIFY(peerWaitedForHandler);
}

void SingleInstanceTests::SecondCopyWithoutFileOnlyAsksToRaise() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY(first.Listen());
    THandOvers seen;
    seen.Watch(first);

    auto peer = StartPeer({QStringLiteral("hand-over")});
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 0);
    QCOMPARE(seen.Order, QStringList{QStringLiteral("raise")});
    QCOMPARE(seen.Tokens, QList<QByteArray>{QByteArray()});
    QVERIFY(seen.Identifiers.isEmpty());
    QCOMPARE(peer->readAllStandardError(), QByteArray()); // answered at once: nothing to say
}

void SingleInstanceTests::SecondCopySaysOnceThatItWaitsForTheAnswer() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY(first.Listen());
    // The handler stands for a question box: the answer waits until the test lets it go, after
    // the second copy has said that it waits.
    std::shared_ptr<void> held;
    connect(&first, &TZnSingleInstance::copyDataReceived, this,
            [&] { held = first.DeferAnswer(); });
    auto peer = StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/asked.sav")}, {},
                          {QStringLiteral("GOALRUN_PEER_NOTICE_MS=100")});
    QTRY_VERIFY_WITH_TIMEOUT(held != nullptr, PeerTimeoutMs);
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += peer->readAllStandardError()).endsWith('\n'), PeerTimeoutMs);
    QCOMPARE(said, QByteArray("waiting /tmp/asked.sav\n"));
    QCOMPARE(peer->state(), QProcess::Running);
    // Signs of life neither answer nor say it again.
    auto* keepAlive = first.findChild<QTimer*>(QStringLiteral("_zn_keep_alive"));
    QVERIFY(keepAlive != nullptr);
    for (int i = 0; i < 2; ++i) {
        QTimerEvent tick(keepAlive->timerId());
        QCoreApplication::sendEvent(keepAlive, &tick);
    }
    held.reset();
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 0);
    QCOMPARE(peer->readAllStandardOutput(), QByteArray("second\n"));
    QCOMPARE(said + peer->readAllStandardError(), QByteArray("waiting /tmp/asked.sav\n"));
}

void SingleInstanceTests::HandOversDuringHandlerWaitTheirTurn() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY(first.Listen());
    // Each handler keeps an event loop running, as a message box would; the hand-over that
    // arrives meanwhile must not start inside it.
    QStringList steps;
    connect(&first, &TZnSingleInstance::copyDataReceived, this,
            [this, &steps](int, const QByteArray& bytes) {
                const QString name = QFileInfo(CopyDataText(bytes)).fileName();
                steps.append(QStringLiteral("begin ") + name);
                if (Peers.size() == 1)
                    Peers.push_back(
                        StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/b.sav")}));
                QTest::qWait(800);
                steps.append(QStringLiteral("end ") + name);
            });

    Peers.push_back(StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/a.sav")}));
    QTRY_VERIFY_WITH_TIMEOUT(steps.size() == 4, PeerTimeoutMs);
    for (auto& peer : Peers) {
        QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
        QCOMPARE(peer->exitCode(), 0);
    }
    QCOMPARE(steps, (QStringList{QStringLiteral("begin a.sav"), QStringLiteral("end a.sav"),
                                 QStringLiteral("begin b.sav"), QStringLiteral("end b.sav")}));
}

void SingleInstanceTests::SecondCopyWaitsForFirstToListen() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    THandOvers seen;
    seen.Watch(first);

    auto peer = StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/late.sav")});
    QVERIFY(peer->waitForStarted());
    // The first copy is still starting up: the second keeps trying meanwhile.
    QTest::qWait(400);
    QCOMPARE(peer->state(), QProcess::Running);
    QVERIFY(first.Listen());
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 0);
    QCOMPARE(CopyDataText(seen.Bytes.value(0)), QStringLiteral("/tmp/late.sav"));
}

void SingleInstanceTests::SecondCopyReportsFailure_data() {
    QTest::addColumn<bool>("answerless");
    QTest::addColumn<bool>("silent");
    QTest::newRow("nobody listens until the deadline") << false << false;
    QTest::newRow("first copy goes away before answering") << true << false;
    // A stopped first copy: its socket takes the message, and nothing ever comes back.
    QTest::newRow("first copy never answers") << true << true;
}

void SingleInstanceTests::SecondCopyReportsFailure() {
    QFETCH(bool, answerless);
    QFETCH(bool, silent);
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    // A first copy that reads the message and dies without answering, or keeps silent.
    QLocalServer vanishing;
    if (answerless) {
        QVERIFY(vanishing.listen(first.ServerName()));
        connect(&vanishing, &QLocalServer::newConnection, this, [&vanishing, silent] {
            QLocalSocket* socket = vanishing.nextPendingConnection();
            if (!silent)
                connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->abort(); });
        });
    }

    QElapsedTimer clock;
    clock.start();
    auto peer = StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/lost.sav")}, {},
                          {QStringLiteral("GOALRUN_PEER_CONNECT_MS=500")});
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 2);
    QVERIFY(peer->readAllStandardOutput().isEmpty());
    const QByteArray error = peer->readAllStandardError();
    QCOMPARE(error.count('\n'), 1);
    QVERIFY2(error.contains("/tmp/lost.sav"), error.constData()); // the file is not lost unsaid
    if (!answerless || silent)
        QVERIFY(clock.elapsed() >= 500);
}

void SingleInstanceTests::SimultaneousStartsGiveOneFirstCopy() {
    constexpr int copies = 4;
    const qint64 when = QDateTime::currentMSecsSinceEpoch() + 700;
    for (int i = 0; i < copies; ++i)
        Peers.push_back(
            StartPeer({QStringLiteral("race"), QString::number(copies), QString::number(when)}));
    QStringList lines;
    for (auto& peer : Peers) {
        QVERIFY(peer->waitForFinished(PeerTimeoutMs));
        QCOMPARE(peer->exitCode(), 0);
        lines.append(QString::fromLatin1(peer->readAllStandardOutput().trimmed()));
    }
    lines.sort();
    QCOMPARE(lines, (QStringList{QStringLiteral("first 3"), QStringLiteral("second"),
                                 QStringLiteral("second"), QStringLiteral("second")}));
}

void SingleInstanceTests::KilledFirstCopyDoesNotBlockNextStart() {
    auto holder = StartPeer({QStringLiteral("hold")});
    QTRY_VERIFY_WITH_TIMEOUT(holder->canReadLine() || holder->state() == QProcess::NotRunning,
                             PeerTimeoutMs);
    QCOMPARE(holder->readLine(), QByteArray("first\n"));

    TZnSingleInstance probe;
    QCOMPARE(probe.Claim(), TZnSingleInstance::TRole::Second);
    // However long a living first copy has run, its lock holds.
    QFile lock(probe.LockFilePath());
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-1),
                             QFileDevice::FileModificationTime));
    lock.close();
    TZnSingleInstance later;
    QCOMPARE(later.Claim(), TZnSingleInstance::TRole::Second);

    holder->kill(); // SIGKILL: no clean-up of any kind
    QVERIFY(holder->waitForFinished(PeerTimeoutMs));
    QVERIFY(QFile::exists(probe.LockFilePath()));
    QVERIFY(QFile::exists(probe.ServerName()));

    TZnSingleInstance next;
    QCOMPARE(next.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY2(next.Listen(), qPrintable(next.ErrorString()));
    THandOvers seen;
    seen.Watch(next);
    auto peer = StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/after.sav")});
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 0);
    QCOMPARE(CopyDataText(seen.Bytes.value(0)), QStringLiteral("/tmp/after.sav"));
}

void SingleInstanceTests::ServerListensAgainAfterAFailedAccept() {
    // The first copy runs out of descriptors, so it cannot accept a connection; once it has
    // them again, a second copy still gets its answer.
    Peers.push_back(StartPeer({QStringLiteral("starve"), QStringLiteral("1000")}));
    QProcess* holder = Peers.back().get();
    QTRY_VERIFY_WITH_TIMEOUT(holder->canReadLine(), PeerTimeoutMs);
    QCOMPARE(holder->readLine(), QByteArray("first\n"));
    QTRY_VERIFY_WITH_TIMEOUT(holder->canReadLine(), PeerTimeoutMs);
    QCOMPARE(holder->readLine(), QByteArray("starved\n"));
    TZnSingleInstance probe;
    QCOMPARE(probe.Claim(), TZnSingleInstance::TRole::Second);
    QLocalSocket refused;
    refused.connectToServer(probe.ServerName());
    QVERIFY(refused.waitForConnected(1000));
    QTRY_VERIFY_WITH_TIMEOUT(holder->canReadLine(), PeerTimeoutMs);
    QCOMPARE(holder->readLine(), QByteArray("fed\n"));

    QElapsedTimer clock;
    clock.start();
    auto peer = StartPeer({QStringLiteral("hand-over"), QStringLiteral("/tmp/fed.sav")}, {},
                          {QStringLiteral("GOALRUN_PEER_CONNECT_MS=3000")});
    QTRY_VERIFY_WITH_TIMEOUT(peer->state() == QProcess::NotRunning, PeerTimeoutMs);
    QCOMPARE(peer->exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(holder->canReadLine(), PeerTimeoutMs);
    QCOMPARE(holder->readLine(), QByteArray("copy 1 /tmp/fed.sav\n"));
    qInfo("answered %lld ms after the descriptors came back", clock.elapsed());
}

void SingleInstanceTests::LockNamingNoLiveCopyIsTakenOver_data() {
    QTest::addColumn<QString>("kind");       // at the lock path: file, fifo, link or folder
    QTest::addColumn<QByteArray>("content"); // of the file; for a folder, of a file in it
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("answering");  // something listens on the socket
    QTest::addColumn<QByteArray>("role"); // the start of what the claiming copy prints
    const QString file = QStringLiteral("file");
    // As a crashed copy leaves it, its number now taken by a process that is not the game (this
    // test), the machine renamed since.
    const QByteArray taken =
        QByteArray::number(QCoreApplication::applicationPid()) + "\ngoalrun\nthe-old-host-name\n";
    QTest::newRow("garbage") << file << QByteArray("no number here\n") << true << false
                             << QByteArray("first");
    QTest::newRow("empty") << file << QByteArray() << true << false << QByteArray("first");
    QTest::newRow("unreadable") << file << QByteArray("1\n") << false << false
                                << QByteArray("first");
    QTest::newRow("garbage, but a copy answers")
        << file << QByteArray("?") << true << true << QByteArray("second");
    QTest::newRow("a living process that is not the game")
        << file << taken << true << false << QByteArray("first");
    QTest::newRow("FIFO") << QStringLiteral("fifo") << QByteArray() << true << false
                          << QByteArray("first");
    QTest::newRow("link") << QStringLiteral("link") << QByteArray("?") << true << false
                          << QByteArray("first");
    QTest::newRow("empty folder") << QStringLiteral("folder") << QByteArray() << true << false
                                  << QByteArray("first");
    QTest::newRow("folder with a file") << QStringLiteral("folder") << QByteArray("x") << true
                                        << false << QByteArray("unavailable: ");
}

void SingleInstanceTests::LockNamingNoLiveCopyIsTakenOver() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QFETCH(bool, answering);
    QFETCH(QByteArray, role);
    QString lockPath;
    QString serverName;
    {
        TZnSingleInstance scout;
        QCOMPARE(scout.Claim(), TZnSingleInstance::TRole::First);
        lockPath = scout.LockFilePath();
        serverName = scout.ServerName();
    }
    QTemporaryDir elsewhere;
    const QString target = kind == QLatin1String("link")     ? elsewhere.filePath("target")
                           : kind == QLatin1String("folder") ? lockPath + QStringLiteral("/x")
                                                             : lockPath;
    if (kind == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(lockPath).constData(), 0600) == 0);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(lockPath));
    QFile lock(target);
    if (kind != QLatin1String("fifo") && (kind != QLatin1String("folder") || !content.isEmpty())) {
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        QVERIFY(readable || lock.setPermissions({}));
    }
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(target, lockPath));
    QLocalServer other;
    if (answering)
        QVERIFY(other.listen(serverName));

    // Claimed by another process, so a lock path that makes it wait for ever hangs no test.
    auto peer = StartPeer({QStringLiteral("claim")});
    QVERIFY2(peer->waitForFinished(5000), "the claim waited");
    const QByteArray said = peer->readAllStandardOutput();
    QVERIFY2(said.startsWith(role), said.constData());
    QVERIFY(!lock.exists() || lock.size() == content.size()); // a link's file is left alone
}

void SingleInstanceTests::ChannelFallsBackToAPrivateCacheFolder_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("usable");
    QTest::newRow("no runtime folder") << QStringLiteral("none") << true;
    QTest::newRow("another user's runtime folder") << QStringLiteral("foreign runtime") << true;
    QTest::newRow("our cache folder left open to all") << QStringLiteral("open cache") << true;
    QTest::newRow("another user's cache folder") << QStringLiteral("foreign cache") << false;
}

void SingleInstanceTests::ChannelFallsBackToAPrivateCacheFolder() {
    QFETCH(QString, setup);
    QFETCH(bool, usable);
    if (setup.startsWith(QLatin1String("foreign")) && ::geteuid() != 0)
        QSKIP("only root can give a folder to another user");
    // Without XDG_RUNTIME_DIR, Qt would use TMPDIR/runtime-USER, which anybody could make first.
    QTemporaryDir tmp;
    QTemporaryDir cache;
    const QByteArray oldTmp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&oldTmp] {
        qputenv("TMPDIR", oldTmp);
        qunsetenv("XDG_CACHE_HOME");
    });
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    const QString own = cache.filePath(QStringLiteral("hVomeraGoalrun"));
    const QByteArray planted = QFile::encodeName(
        setup == QLatin1String("foreign runtime") ? tmp.filePath(QStringLiteral("run")) : own);
    if (setup != QLatin1String("none"))
        QVERIFY(::mkdir(planted.constData(), 0777) == 0 && ::chmod(planted.constData(), 0777) == 0);
    if (setup.startsWith(QLatin1String("foreign")))
        QVERIFY(::chown(planted.constData(), 65534, 0) == 0);
    if (setup == QLatin1String("foreign runtime"))
        qputenv("XDG_RUNTIME_DIR", planted);

    TZnSingleInstance first;
    QCOMPARE(first.Claim() == TZnSingleInstance::TRole::First, usable);
    if (!usable)
        return;
    QCOMPARE(QFileInfo(first.LockFilePath()).path(), own);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(own).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, 0700U);
    QVERIFY(QDir(tmp.path()).entryList({QStringLiteral("runtime-*")}, QDir::AllEntries).isEmpty());
    QVERIFY(first.Listen());
}

void SingleInstanceTests::EachDisplayHasItsOwnFirstCopy_data() {
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("platform"); // empty: any but X11 and Wayland
    QTest::newRow("no display") << QByteArray() << QByteArray() << QStringLiteral("base")
                                << QString();
    // The local display however written, and a display over the network.
    for (const char* local : {":72", ":72.0", "unix:72", "unix/:72"})
        QTest::newRow(local) << QByteArray() << QByteArray(local) << QStringLiteral("base-%3A72")
                             << QString();
    QTest::newRow("localhost") << QByteArray() << QByteArray("localhost:72.0")
                               << QStringLiteral("base-localhost%3A72") << QString();
    QTest::newRow("tcp/") << QByteArray() << QByteArray("tcp/localhost:72")
                          << QStringLiteral("base-localhost%3A72") << QString();
    QTest::newRow("Wayland first") << QByteArray("wayland-1") << QByteArray(":0")
                                   << QStringLiteral("base-wayland-1") << QString();
    // The display the window actually goes to: a leftover Wayland name beside X11 counts not.
    QTest::newRow("on X11") << QByteArray("wayland-1") << QByteArray(":0.0")
                            << QStringLiteral("base-%3A0") << QStringLiteral("xcb");
    QTest::newRow("on Wayland") << QByteArray("wayland-1") << QByteArray(":0")
                                << QStringLiteral("base-wayland-1") << QStringLiteral("wayland");
    QTest::newRow("a path") << QByteArray("/run/../x") << QByteArray()
                            << QStringLiteral("base-%2Frun%2F..%2Fx") << QString();
    QTest::newRow("too long") << QByteArray(300, 'w') << QByteArray()
                              << QStringLiteral("base-") +
                                     QCryptographicHash::hash(QByteArray(300, 'w'),
                                                              QCryptographicHash::Sha256)
                                         .toHex()
                                         .left(32)
                              << QString();
}

void SingleInstanceTests::EachDisplayHasItsOwnFirstCopy() {
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QString, name);
    QFETCH(QString, platform);
    qputenv("WAYLAND_DISPLAY", wayland);
    qputenv("DISPLAY", x11);
    QCOMPARE(TZnSingleInstance::SessionName(QStringLiteral("base"), platform), name);

    // A copy on display :0 does not keep one on :1 from being first.
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":0");
    TZnSingleInstance onZero;
    QCOMPARE(onZero.Claim(), TZnSingleInstance::TRole::First);
    qputenv("DISPLAY", ":1");
    TZnSingleInstance onOne;
    QCOMPARE(onOne.Claim(), TZnSingleInstance::TRole::First);
    TZnSingleInstance againOnOne;
    QCOMPARE(againOnOne.Claim(), TZnSingleInstance::TRole::Second);
}

void SingleInstanceTests::HandOverMessageEncodesAndDecodesWithoutSockets() {
    // The layout as the header documents it, laid out by hand, decodes.
    const auto decoded = DecodeHandOverBody(CopyBody(5, QByteArray("x\0", 2)));
    QVERIFY(decoded && *decoded == (TZnHandOverMessage{true, 5, QByteArray("x\0", 2), {}}));
    const TZnHandOverMessage messages[] = {
        {true, CopyDataOpenPath, QByteArray("/tmp/\xff\xfe.sav\0", 13), {"token", "id_TIME42"}},
        {false, 0, {}, {{}, "launcher-7"}}};
    for (const TZnHandOverMessage& message : messages) {
        const QByteArray bytes = EncodeHandOver(message);
        QCOMPARE(HandOverBodySize(bytes), std::optional(bytes.size() - HandOverHeaderSize));
        const QByteArray body = bytes.mid(HandOverHeaderSize);
        QVERIFY(DecodeHandOverBody(body) == message);
        for (qsizetype size = 0; size < body.size(); ++size)
            QVERIFY(!DecodeHandOverBody(body.left(size)));
        QVERIFY(!DecodeHandOverBody(body + '\0')); // a byte more than its blocks hold
    }
    // The size is judged from the eight header bytes alone.
    QByteArray header("GLRN");
    AppendUInt32(header, TZnSingleInstance::MaxMessageSize);
    QCOMPARE(HandOverBodySize(header), std::optional(TZnSingleInstance::MaxMessageSize));
    QVERIFY(!HandOverBodySize(header.left(7)));
    header[4] = header[4] + 1;
    QVERIFY(!HandOverBodySize(header));
}

void SingleInstanceTests::FirstCopyDropsOversizedAndMalformedMessages_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("slow"); // dropped only when the read timeout runs out
    QByteArray oversized("GLRN");
    AppendUInt32(oversized, TZnSingleInstance::MaxMessageSize + 1);
    oversized += QByteArray(4096, 'x');
    QTest::newRow("oversized") << oversized << false;
    QTest::newRow("huge size claimed")
        << RawMessage({}).left(4) + QByteArray("\xff\xff\xff\xff") << false;
    QTest::newRow("wrong magic") << QByteArray("XXXX") + RawMessage(CopyBody(1, "a\0")).mid(4)
                                 << false;
    QTest::newRow("unknown kind") << RawMessage(QByteArray(1, '\7') + QByteArray(8, '\0')) << false;
    QByteArray overrun = CopyBody(1, "/tmp/a.sav");
    overrun[5] = '\x7f'; // the byte count claims more than the body holds
    QTest::newRow("block beyond body") << RawMessage(overrun) << false;
    QTest::newRow("trailing bytes") << RawMessage(CopyBody(1, "/tmp/a.sav") + "junk") << false;
    QTest::newRow("empty body") << RawMessage({}) << false;
    QTest::newRow("bytes after the message")
        << RawMessage(CopyBody(1, "/tmp/a.sav")) + QByteArray(100000, 'x') << false;
    QTest::newRow("header only, the body never comes")
        << RawMessage(CopyBody(1, "x")).left(8) << true;
    QTest::newRow("nothing at all") << QByteArray() << true;
}

void SingleInstanceTests::FirstCopyDropsOversizedAndMalformedMessages() {
    QFETCH(QByteArray, message);
    QFETCH(bool, slow);
    constexpr int readTimeoutMs = 1000;
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    first.SetReadTimeout(std::chrono::milliseconds(readTimeoutMs));
    QVERIFY(first.Listen());
    THandOvers seen;
    seen.Watch(first);

    QLocalSocket bad;
    bad.connectToServer(first.ServerName());
    QVERIFY(bad.waitForConnected(1000));
    QElapsedTimer clock;
    clock.start();
    bad.write(message);
    QTRY_COMPARE_WITH_TIMEOUT(bad.state(), QLocalSocket::UnconnectedState, 3 * readTimeoutMs);
    // A broken message is refused as soon as the broken part has arrived.
    QCOMPARE(clock.elapsed() >= readTimeoutMs - 50, slow);
    QVERIFY(bad.readAll().isEmpty());
    QVERIFY(seen.Order.isEmpty());

    // The first copy goes on serving.
    QLocalSocket good;
    good.connectToServer(first.ServerName());
    QVERIFY(good.waitForConnected(1000));
    good.write(RawMessage(CopyBody(5, QByteArray("x\0", 2))));
    QTRY_COMPARE(good.bytesAvailable(), qint64(4));
    QCOMPARE(good.readAll(), QByteArray("GLOK"));
    QCOMPARE(seen.Identifiers, QList<int>{5});
    QCOMPARE(seen.Bytes, QList<QByteArray>{QByteArray("x\0", 2)});
}

void SingleInstanceTests::FirstCopyTakesMessageUpToSizeLimit() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY(first.Listen());
    THandOvers seen;
    seen.Watch(first);

    // Kind, identifier, three lengths: 17 bytes besides the copy data.
    const QByteArray bytes(TZnSingleInstance::MaxMessageSize - 17, 'p');
    const QByteArray message = RawMessage(CopyBody(CopyDataOpenPath, bytes));
    QCOMPARE(message.size(), 8 + TZnSingleInstance::MaxMessageSize);
    QLocalSocket client;
    client.connectToServer(first.ServerName());
    QVERIFY(client.waitForConnected(1000));
    client.write(message);
    QTRY_COMPARE(client.bytesAvailable(), qint64(4));
    QCOMPARE(seen.Bytes.value(0).size(), bytes.size());
}

void SingleInstanceTests::SecondCopyRefusesPathBeyondSizeLimit() {
    TZnSingleInstance first;
    QCOMPARE(first.Claim(), TZnSingleInstance::TRole::First);
    QVERIFY(first.Listen());
    THandOvers seen;
    seen.Watch(first);

    TZnSingleInstance second;
    QCOMPARE(second.Claim(), TZnSingleInstance::TRole::Second);
    const QString tooLong = QStringLiteral("/tmp/") + QString(70000, QLatin1Char('a'));
    QVERIFY(!second.HandOver(tooLong, {}, std::chrono::milliseconds(200)));
    QVERIFY(!second.ErrorString().isEmpty());
    QVERIFY(!second.ErrorString().contains(QLatin1Char('\n')));
    QTest::qWait(50);
    QVERIFY(seen.Order.isEmpty());
}

void SingleInstanceTests::CopyDataEventReachesReceiverSynchronously() {
    TRecordingReceiver window;
    const QString path = QStringLiteral("/tmp/ゴール/セーブ 01.sav");
    QVERIFY(SendCopyData(&window, path, CopyDataOpenPath));
    QCOMPARE(window.Identifier, CopyDataOpenPath);
    QCOMPARE(window.Text, path);
    QCOMPARE(window.Bytes, QFile::encodeName(path) + '\0');

    // An empty text is one zero byte; other identifiers arrive as they are.
    QVERIFY(SendCopyData(&window, QString(), 7));
    QCOMPARE(window.Identifier, 7);
    QCOMPARE(window.Bytes, QByteArray(1, '\0'));
    QVERIFY(window.Text.isEmpty());

    // No window (it has not been created, or is gone): nothing to deliver to.
    QVERIFY(!SendCopyData(nullptr, path, CopyDataOpenPath));
}

void SingleInstanceTests::CopyDataTextStopsAtFirstZero_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("terminated") << QByteArray("/tmp/a.sav\0", 11) << QStringLiteral("/tmp/a.sav");
    QTest::newRow("junk after zero")
        << QByteArray("/tmp/a.sav\0/etc/passwd", 22) << QStringLiteral("/tmp/a.sav");
    QTest::newRow("no zero") << QByteArray("/tmp/b.sav") << QStringLiteral("/tmp/b.sav");
    QTest::newRow("nothing") << QByteArray() << QString();
}

void SingleInstanceTests::CopyDataTextStopsAtFirstZero() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(CopyDataText(bytes), text);
}

QTEST_MAIN(SingleInstanceTests)
#include "SingleInstanceTests.moc"
