#include "ZnSingleInstance.h"

#include "ZnCopyData.h"
#include "ZnFileName.h"
#include "ZnLocalChannel.h"
#include "ZnLockFile.h"

#include <algorithm>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

namespace {

constexpr int RetryPauseMs = 50;
constexpr int WatchdogMs = 250;
// Keeps the socket's path well within the 107 bytes a local socket name may have.
constexpr qsizetype MaxDisplayPart = 40;

// A folder of this user that no other user may write into (so nobody else can have planted a
// socket or a lock there), and not a symbolic link that could be changed under us.
bool IsOwnPrivateFolder(const QString& folder) {
    struct stat info {};
    if (folder.isEmpty() || ::lstat(EncodeFileName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Our own folder under the cache folder, made for this user alone whatever the umask. Found open
// to others (a umask or a hand made it so), it is closed again when it is ours: a real folder,
// not a link, owned by this user.
bool MakeOwnPrivateFolder(const QString& folder) {
    const QByteArray name = EncodeFileName(folder);
    ::mkdir(name.constData(), S_IRWXU);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto closer = qScopeGuard([fd] { ::close(fd); });
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & 07777) != S_IRWXU && ::fchmod(fd, S_IRWXU) != 0)
        return false;
    return IsOwnPrivateFolder(folder);
}

// An X11 display name is [protocol/][host]:number[.screen]. The local display is reached the same
// way whether named ":0", ":0.0", "unix:0" or "unix/:0", so all of them become ":0"; a host, even
// "localhost", is reached over the network and stays a display of its own. Anything else is
// kept as it is.
QByteArray NormalDisplay(const QByteArray& display) {
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0 || display.startsWith('/'))
        return display;
    QByteArray host = display.left(colon);
    QByteArray number = display.mid(colon + 1);
    if (const qsizetype dot = number.indexOf('.'); dot >= 0)
        number.truncate(dot); // the screen
    if (number.isEmpty() || number.size() > 9 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return display;
    QByteArray protocol;
    if (const qsizetype slash = host.indexOf('/'); slash >= 0) {
        protocol = host.left(slash);
        host = host.mid(slash + 1);
    }
    if (protocol == "unix" || (protocol.isEmpty() && host == "unix"))
        host.clear();
    else if (!protocol.isEmpty() && protocol != "tcp")
        host = protocol + '/' + host;
    return host + ':' + QByteArray::number(number.toInt());
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

// What the first copy sends while a hand-over waits for its turn or its handler: never a byte of
// HandOverAnswer().
constexpr char KeepAliveByte = '.';
const char* const KeepAliveName = "_zn_keep_alive";

// The answer to a hand-over, sent when the last holder lets go of it.
class TAnswer {
public:
    explicit TAnswer(QPointer<TZnLocalConnection> socket) : Socket(std::move(socket)) {}
    TAnswer(const TAnswer&) = delete;
    TAnswer& operator=(const TAnswer&) = delete;
    ~TAnswer() {
        if (Socket == nullptr || !Socket->IsConnected())
            return;
        if (auto* keepAlive = Socket->findChild<QTimer*>(QLatin1String(KeepAliveName)))
            keepAlive->stop();
        // Sent now, as far as the socket takes it: the event loop may be about to end (the last
        // hand-over before quit).
        Socket->Write(HandOverAnswer());
        Socket->Close();
    }

private:
    QPointer<TZnLocalConnection> Socket;
};

const char* const TakenProperty = "_zn_message_taken";

} // namespace

TZnSingleInstance::TZnSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), Name(name) {}

TZnSingleInstance::~TZnSingleInstance() {
    // The socket goes first: a copy started now finds neither socket nor lock, and is first.
    if (Server != nullptr)
        Server->Close();
}

QString TZnSingleInstance::SessionName(const QString& base) {
    return SessionName(base, QGuiApplication::platformName());
}

QString TZnSingleInstance::SessionName(const QString& base, const QString& platform) {
    // A Wayland variable left over beside the X11 display the window uses names no display.
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QByteArray display;
    if (platform == QLatin1String("xcb"))
        display = NormalDisplay(qgetenv("DISPLAY"));
    else if (platform.startsWith(QLatin1String("wayland")) || !wayland.isEmpty())
        display = wayland;
    else
        display = NormalDisplay(qgetenv("DISPLAY"));
    if (display.isEmpty())
        return base;
    // Percent-encoding keeps distinct displays distinct and leaves only [A-Za-z0-9%._~-].
    QByteArray part = display.toPercentEncoding();
    if (part.size() > MaxDisplayPart)
        part = QCryptographicHash::hash(display, QCryptographicHash::Sha256).toHex().left(32);
    return base + QLatin1Char('-') + QString::fromLatin1(part);
}

QString TZnSingleInstance::ChannelFolder() {
    // Not Qt's runtime location: without the variable it makes a folder in /tmp, whose name
    // anybody could have taken first.
    const QString runtime = DecodeFileName(qgetenv("XDG_RUNTIME_DIR"));
    if (runtime.startsWith(QLatin1Char('/')) && IsOwnPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString own = cache + QStringLiteral("/hVomeraGoalrun");
    return MakeOwnPrivateFolder(own) ? own : QString();
}

TZnSingleInstance::TRole TZnSingleInstance::Claim() {
    if (CurrentRole != TRole::Undecided)
        return CurrentRole;
    const QString folder = ChannelFolder();
    if (folder.isEmpty()) {
        Error = [] {
            return tr("自分だけが書き込めるフォルダがないため、二重起動を確かめられません");
        };
        return CurrentRole = TRole::Unavailable;
    }
    LockPath = folder + QLatin1Char('/') + Name + QStringLiteral(".lock");
    SocketPath = folder + QLatin1Char('/') + Name + QStringLiteral(".socket");
    Lock = std::make_unique<TZnLockFile>(LockPath);
    switch (Lock->TryLock()) {
    case TZnLockFile::TResult::Taken:
        // A copy whose lock file somebody removed still runs, and still answers.
        if (!AnyCopyAnswers())
            return CurrentRole = TRole::First;
        Lock.reset();
        return CurrentRole = TRole::Second;
    case TZnLockFile::TResult::Held:
        Lock.reset();
        return CurrentRole = TRole::Second;
    case TZnLockFile::TResult::Blocked:
        break;
    }
    Error = Lock->ErrorWords();
    Lock.reset();
    return CurrentRole = TRole::Unavailable;
}

bool TZnSingleInstance::AnyCopyAnswers() const {
    TZnLocalClient probe;
    return probe.Connect(SocketPath, std::chrono::milliseconds(RetryPauseMs));
}

bool TZnSingleInstance::Listen() {
    if (CurrentRole != TRole::First) {
        Error = [] { return tr("最初に起動したコピーだけがファイルを受け取れます"); };
        return false;
    }
    if (Server != nullptr)
        return true;
    auto server = std::make_unique<TZnLocalServer>(this);
    // Holding the lock, this copy may replace what a dead copy left behind.
    if (!server->Listen(SocketPath)) {
        Error = [socket = SocketPath, reason = server->ErrorString()] {
            return tr("ファイル受け取り用のソケット %1 を開けません: %2").arg(socket, reason);
        };
        return false;
    }
    Server = server.release();
    Server->Accepted = [this](int fd) { Accept(fd); };
    // A failed accept (descriptors ran out) rests the server until the next round.
    Watchdog = new QTimer(this);
    Watchdog->setInterval(WatchdogMs);
    connect(Watchdog, &QTimer::timeout, this, &TZnSingleInstance::ListenAgainIfStopped);
    Watchdog->start();
    return true;
}

void TZnSingleInstance::ListenAgainIfStopped() {
    // While descriptors are still short this fails again; the next round tries again.
    Server->Resume();
}

bool TZnSingleInstance::HandOver(const QString& path, const TZnLaunchTokens& launch,
                                 std::chrono::milliseconds timeout) {
    if (CurrentRole != TRole::Second) {
        Error = [] { return tr("既に起動しているゴールランがありません"); };
        return false;
    }
    TZnHandOverMessage message;
    if (!path.isEmpty()) {
        message.HasCopyData = true;
        message.Identifier = CopyDataOpenPath;
        message.Bytes = AbsoluteNativePath(EncodeFileName(path)) + '\0';
    }
    message.Launch = launch;
    // The player is told of the file that was not opened.
    // The second copy says it at once: the words are taken now.
    const auto fail = [this, &message](QString reason) {
        if (message.HasCopyData)
            reason += tr("（%1 は開かれていません）").arg(DecodeFileName(message.Bytes.chopped(1)));
        Error = [reason] { return reason; };
        return false;
    };
    const QByteArray bytes = EncodeHandOver(message);
    if (bytes.size() - HandOverHeaderSize > MaxMessageSize)
        return fail(tr("ファイル名が長すぎるため、起動中のゴールランに渡せません"));

    TZnLocalClient socket;
    QDeadlineTimer deadline(timeout);
    for (;;) {
        if (socket.Connect(SocketPath, std::chrono::milliseconds(RemainingMs(deadline))))
            break;
        if (deadline.hasExpired())
            return fail(tr("既に起動しているゴールランに接続できませんでした"));
        QThread::msleep(static_cast<unsigned long>(std::min(RemainingMs(deadline), RetryPauseMs)));
    }

    // Every byte from the first copy shows that it still runs; silence for `timeout` does not.
    const QString goneAway = tr("既に起動しているゴールランが、受け取りを終える前に終了しました");
    const auto silent = [&] {
        return fail(tr("既に起動しているゴールランが%1秒間応答しません")
                        .arg(std::chrono::ceil<std::chrono::seconds>(timeout).count()));
    };
    using TResult = TZnLocalClient::TResult;
    if (const TResult sent = socket.Send(bytes, timeout); sent != TResult::Done)
        return sent == TResult::Silent ? silent() : fail(goneAway);
    const QByteArray expected = HandOverAnswer();
    QByteArray answer;
    // Signs of life do not answer: the notice comes `SlowAnswerAfter` after sending whatever
    // arrives meanwhile, and once.
    const QDeadlineTimer noticeAt(SlowAnswerAfter);
    bool noticed = !SlowAnswerNotice;
    QDeadlineTimer silence(timeout);
    while (answer.size() < expected.size()) {
        const bool noticeFirst = !noticed && noticeAt.deadline() < silence.deadline();
        const std::chrono::milliseconds wait(RemainingMs(noticeFirst ? noticeAt : silence));
        QByteArray got;
        const TResult read = socket.Receive(expected.size() - answer.size(), got, wait);
        if (read == TResult::Silent && noticeFirst) {
            noticed = true;
            SlowAnswerNotice(message.HasCopyData ? DecodeFileName(message.Bytes.chopped(1))
                                                 : QString());
            continue;
        }
        if (read != TResult::Done)
            return read == TResult::Silent ? silent() : fail(goneAway);
        silence.setRemainingTime(timeout);
        for (const char byte : got)
            if (byte != KeepAliveByte)
                answer += byte;
    }
    if (answer != expected)
        return fail(goneAway);
    socket.Close();
    return true;
}

void TZnSingleInstance::Accept(int fd) {
    // Never more than one whole message is buffered.
    auto* socket = new TZnLocalConnection(fd, HandOverHeaderSize + MaxMessageSize, this);
    // A client gone, whole message or not, leaves nothing behind.
    socket->Ended = [socket] { socket->deleteLater(); };
    socket->ReadyRead = [this, socket] { ReadMessage(socket); };
    QTimer::singleShot(ReadTimeout, socket, [socket] {
        if (!socket->property(TakenProperty).toBool())
            socket->Abort();
    });
}

void TZnSingleInstance::ReadMessage(TZnLocalConnection* socket) {
    // One message per connection, and nothing after it.
    if (socket->property(TakenProperty).toBool()) {
        if (socket->BytesAvailable() > 0)
            socket->Abort();
        return;
    }
    if (socket->BytesAvailable() < HandOverHeaderSize)
        return;
    const std::optional<qsizetype> size = HandOverBodySize(socket->Peek(HandOverHeaderSize));
    if (!size) {
        socket->Abort();
        return;
    }
    const qint64 whole = HandOverHeaderSize + *size;
    if (socket->BytesAvailable() < whole)
        return;
    std::optional<TZnHandOverMessage> message =
        DecodeHandOverBody(socket->Read(whole).mid(HandOverHeaderSize));
    if (!message || socket->BytesAvailable() > 0) {
        socket->Abort();
        return;
    }
    socket->setProperty(TakenProperty, true);
    // The second copy waits for the answer as long as it hears from this copy.
    auto* keepAlive = new QTimer(socket);
    keepAlive->setObjectName(QLatin1String(KeepAliveName));
    connect(keepAlive, &QTimer::timeout, socket,
            [socket] { socket->Write(QByteArray(1, KeepAliveByte)); });
    keepAlive->start(KeepAliveInterval);
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
