#include "ZnSingleInstance.h"

#include "ZnCopyData.h"
#include "ZnFileName.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

namespace {

constexpr int RetryPauseMs = 50;
constexpr int WatchdogMs = 250;
// Keeps the socket's path well within the 107 bytes a local socket name may have.
constexpr qsizetype MaxDisplayPart = 40;

int RemainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(
        std::clamp<qint64>(deadline.remainingTime(), 0, std::numeric_limits<int>::max()));
}

// A folder of this user that no other user may write into (so nobody else can have planted a
// socket or a lock there), and not a symbolic link that could be changed under us.
bool IsOwnPrivateFolder(const QString& folder) {
    struct stat info {};
    if (folder.isEmpty() || ::lstat(EncodeFileName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Removes a lock file no living copy holds: a living one keeps an flock on it, and the file
// removed must still be the one examined. An unreadable file in our own folder cannot be a
// living copy's lock, which is always readable.
bool RemoveDeadLock(const QString& path) {
    const QByteArray name = EncodeFileName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES && ::unlink(name.constData()) == 0;
    const auto closer = qScopeGuard([fd] { ::close(fd); });
    struct stat opened {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
        ::lstat(name.constData(), &named) != 0)
        return false;
    if (opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
        return false;
    return ::unlink(name.constData()) == 0;
}

// `path` against the working folder, both as the system names them: neither need be valid in
// any encoding.
QByteArray AbsoluteNativePath(const QByteArray& path) {
    if (path.startsWith('/'))
        return path;
    char* folder = ::getcwd(nullptr, 0);
    const auto release = qScopeGuard([folder] { std::free(folder); });
    const QByteArray base =
        folder != nullptr ? QByteArray(folder) : EncodeFileName(QDir::currentPath());
    return base + '/' + path;
}

// The answer to a hand-over, sent when the last holder lets go of it.
class TAnswer {
public:
    explicit TAnswer(QPointer<QLocalSocket> socket) : Socket(std::move(socket)) {}
    TAnswer(const TAnswer&) = delete;
    TAnswer& operator=(const TAnswer&) = delete;
    ~TAnswer() {
        if (Socket == nullptr || Socket->state() != QLocalSocket::ConnectedState)
            return;
        Socket->write(HandOverAnswer());
        // Written now: the event loop may be about to end (the last hand-over before quit).
        Socket->flush();
        Socket->disconnectFromServer();
    }

private:
    QPointer<QLocalSocket> Socket;
};

const char* const TakenProperty = "_zn_message_taken";

} // namespace

TZnSingleInstance::TZnSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), Name(name) {}

TZnSingleInstance::~TZnSingleInstance() {
    // The socket goes first: a copy started now finds neither socket nor lock, and is first.
    if (Server != nullptr)
        Server->close();
}

QString TZnSingleInstance::SessionName(const QString& base) {
    QByteArray display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return base;
    // Percent-encoding keeps distinct displays distinct and leaves only [A-Za-z0-9%._~-].
    QByteArray part = display.toPercentEncoding();
    if (part.size() > MaxDisplayPart)
        part = QCryptographicHash::hash(display, QCryptographicHash::Sha256).toHex().left(32);
    return base + QLatin1Char('-') + QString::fromLatin1(part);
}

QString TZnSingleInstance::ChannelFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (IsOwnPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString own = cache + QStringLiteral("/hVomeraGoalrun");
    // Made for this user alone, whatever the umask.
    ::mkdir(EncodeFileName(own).constData(), S_IRWXU);
    return IsOwnPrivateFolder(own) ? own : QString();
}

TZnSingleInstance::TRole TZnSingleInstance::Claim(std::chrono::milliseconds takeOverTimeout) {
    if (CurrentRole != TRole::Undecided)
        return CurrentRole;
    const QString folder = ChannelFolder();
    if (folder.isEmpty()) {
        Error =
            QStringLiteral("自分だけが書き込めるフォルダがないため、二重起動を確かめられません");
        return CurrentRole = TRole::Unavailable;
    }
    LockPath = folder + QLatin1Char('/') + Name + QStringLiteral(".lock");
    SocketPath = folder + QLatin1Char('/') + Name + QStringLiteral(".socket");
    Lock = std::make_unique<QLockFile>(LockPath);
    // Only a living holder counts: the lock of a crashed or killed copy is taken over at once.
    Lock->setStaleLockTime(0);
    if (Lock->tryLock(0))
        return CurrentRole = TRole::First;
    if (Lock->error() == QLockFile::LockFailedError) {
        // Qt keeps a lock it cannot read. Whoever holds it must answer on the socket or be named
        // in it, or the lock is taken over.
        const QDeadlineTimer deadline(takeOverTimeout);
        for (;;) {
            if (LockNamesLiveProcess() || AnyCopyAnswers())
                return CurrentRole = TRole::Second;
            if (deadline.hasExpired())
                break;
            QThread::msleep(
                static_cast<unsigned long>(std::min(RemainingMs(deadline), RetryPauseMs)));
        }
        if (RemoveDeadLock(LockPath) && Lock->tryLock(0))
            return CurrentRole = TRole::First;
        if (Lock->error() == QLockFile::LockFailedError)
            return CurrentRole = TRole::Second;
    }
    Error = QStringLiteral("ロックファイル %1 を作成できないため、二重起動を確かめられません")
                .arg(LockPath);
    Lock.reset();
    return CurrentRole = TRole::Unavailable;
}

bool TZnSingleInstance::LockNamesLiveProcess() const {
    qint64 pid = 0;
    QString host;
    QString application;
    if (!Lock->getLockInfo(&pid, &host, &application) || pid <= 0 ||
        pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool TZnSingleInstance::AnyCopyAnswers() const {
    QLocalSocket probe;
    probe.connectToServer(SocketPath);
    const bool answers = probe.waitForConnected(RetryPauseMs);
    probe.abort();
    return answers;
}

bool TZnSingleInstance::Listen() {
    if (CurrentRole != TRole::First) {
        Error = QStringLiteral("最初に起動したコピーだけがファイルを受け取れます");
        return false;
    }
    if (Server != nullptr)
        return true;
    auto server = std::make_unique<QLocalServer>(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, this copy may remove what a dead copy left behind.
    QLocalServer::removeServer(SocketPath);
    if (!server->listen(SocketPath)) {
        Error = QStringLiteral("ファイル受け取り用のソケット %1 を開けません: %2")
                    .arg(SocketPath, server->errorString());
        return false;
    }
    Server = server.release();
    connect(Server, &QLocalServer::newConnection, this, &TZnSingleInstance::AcceptConnections);
    // A failed accept closes the server without a signal of any kind.
    Watchdog = new QTimer(this);
    Watchdog->setInterval(WatchdogMs);
    connect(Watchdog, &QTimer::timeout, this, &TZnSingleInstance::ListenAgainIfStopped);
    Watchdog->start();
    return true;
}

void TZnSingleInstance::ListenAgainIfStopped() {
    if (Server->socketDescriptor() != -1)
        return;
    Server->close();
    QLocalServer::removeServer(SocketPath);
    // While descriptors are still short this fails; the next round tries again.
    Server->listen(SocketPath);
}

bool TZnSingleInstance::HandOver(const QString& path, const TZnLaunchTokens& launch,
                                 std::chrono::milliseconds connectTimeout) {
    if (CurrentRole != TRole::Second) {
        Error = QStringLiteral("既に起動しているゴールランがありません");
        return false;
    }
    TZnHandOverMessage message;
    if (!path.isEmpty()) {
        message.HasCopyData = true;
        message.Identifier = CopyDataOpenPath;
        message.Bytes = AbsoluteNativePath(EncodeFileName(path)) + '\0';
    }
    message.Launch = launch;
    const QByteArray bytes = EncodeHandOver(message);
    if (bytes.size() - HandOverHeaderSize > MaxMessageSize) {
        Error = QStringLiteral("ファイル名が長すぎるため、起動中のゴールランに渡せません");
        return false;
    }

    QLocalSocket socket;
    const QDeadlineTimer deadline(connectTimeout);
    for (;;) {
        socket.connectToServer(SocketPath);
        if (socket.waitForConnected(RemainingMs(deadline)))
            break;
        socket.abort();
        if (deadline.hasExpired()) {
            Error = QStringLiteral("既に起動しているゴールランに接続できませんでした");
            return false;
        }
        QThread::msleep(static_cast<unsigned long>(std::min(RemainingMs(deadline), RetryPauseMs)));
    }

    const QString goneAway =
        QStringLiteral("既に起動しているゴールランが、受け取りを終える前に終了しました");
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(-1)) {
            Error = goneAway;
            return false;
        }
    }
    // No limit: the first copy answers after loading the file and closing any error box.
    const QByteArray expected = HandOverAnswer();
    QByteArray answer;
    while (answer.size() < expected.size()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(-1)) {
            Error = goneAway;
            return false;
        }
        answer += socket.read(expected.size() - answer.size());
    }
    if (answer != expected) {
        Error = goneAway;
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

void TZnSingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
        // Never more than one whole message is buffered.
        socket->setReadBufferSize(HandOverHeaderSize + MaxMessageSize);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessage(socket); });
        QTimer::singleShot(ReadTimeout, socket, [socket] {
            if (!socket->property(TakenProperty).toBool())
                socket->abort();
        });
        ReadMessage(socket);
        // A client gone before its message was complete leaves nothing behind.
        if (socket->state() == QLocalSocket::UnconnectedState)
            socket->deleteLater();
    }
}

void TZnSingleInstance::ReadMessage(QLocalSocket* socket) {
    // One message per connection, and nothing after it.
    if (socket->property(TakenProperty).toBool()) {
        if (socket->bytesAvailable() > 0)
            socket->abort();
        return;
    }
    if (socket->bytesAvailable() < HandOverHeaderSize)
        return;
    const std::optional<qsizetype> size = HandOverBodySize(socket->peek(HandOverHeaderSize));
    if (!size) {
        socket->abort();
        return;
    }
    const qint64 whole = HandOverHeaderSize + *size;
    if (socket->bytesAvailable() < whole)
        return;
    std::optional<TZnHandOverMessage> message =
        DecodeHandOverBody(socket->read(whole).mid(HandOverHeaderSize));
    if (!message || socket->bytesAvailable() > 0) {
        socket->abort();
        return;
    }
    socket->setProperty(TakenProperty, true);
    Pending.push_back({socket, std::move(*message)});
    HandlePending();
}

void TZnSingleInstance::HandlePending() {
    if (Handling)
        return;
    Handling = true;
    const auto done = qScopeGuard([this] { Handling = false; });
    while (!Pending.empty()) {
        TPending pending = std::move(Pending.front());
        Pending.pop_front();
        CurrentAnswer = std::make_shared<TAnswer>(pending.Socket);
        emit raiseRequested(pending.Message.Launch);
        if (pending.Message.HasCopyData)
            emit copyDataReceived(pending.Message.Identifier, pending.Message.Bytes);
        CurrentAnswer.reset();
    }
}
