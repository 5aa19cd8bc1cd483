#include "ZnSingleInstance.h"

#include "ZnCopyData.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <QtEndian>

namespace {

const QByteArray Magic = QByteArrayLiteral("GLRN");
const QByteArray Answer = QByteArrayLiteral("GLOK");
constexpr qsizetype HeaderSize = 8;
constexpr std::uint8_t KindRaise = 0;
constexpr std::uint8_t KindCopyData = 1;
constexpr int RetryPauseMs = 50;

void AppendUInt32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendBlock(QByteArray& out, const QByteArray& block) {
    AppendUInt32(out, static_cast<std::uint32_t>(block.size()));
    out.append(block);
}

// Reads a body front to back; any read past its end marks it broken.
class TBodyReader {
public:
    explicit TBodyReader(const QByteArray& body) : Body(body) {}

    std::uint8_t UInt8() {
        if (!Has(1))
            return 0;
        return static_cast<std::uint8_t>(Body[Position++]);
    }
    std::uint32_t UInt32() {
        if (!Has(4))
            return 0;
        const auto value = qFromLittleEndian<std::uint32_t>(Body.constData() + Position);
        Position += 4;
        return value;
    }
    QByteArray Block() {
        const std::uint32_t size = UInt32();
        if (!Has(size))
            return {};
        const QByteArray block = Body.mid(Position, size);
        Position += size;
        return block;
    }
    [[nodiscard]] bool Complete() const { return !Broken && Position == Body.size(); }
    [[nodiscard]] bool IsBroken() const { return Broken; }

private:
    bool Has(qint64 size) {
        if (Broken || size > Body.size() - Position) {
            Broken = true;
            return false;
        }
        return true;
    }
    const QByteArray& Body;
    qsizetype Position = 0;
    bool Broken = false;
};

} // namespace

TZnSingleInstance::TZnSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), Name(name) {}

TZnSingleInstance::~TZnSingleInstance() {
    // The socket goes first: a copy started now finds neither socket nor lock, and is first.
    if (Server != nullptr)
        Server->close();
}

TZnSingleInstance::TRole TZnSingleInstance::Claim() {
    if (CurrentRole != TRole::Undecided)
        return CurrentRole;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        Error = QStringLiteral("実行時フォルダがないため、二重起動を確かめられません");
        return CurrentRole = TRole::Unavailable;
    }
    LockPath = folder + QLatin1Char('/') + Name + QStringLiteral(".lock");
    SocketPath = folder + QLatin1Char('/') + Name + QStringLiteral(".socket");
    Lock = std::make_unique<QLockFile>(LockPath);
    // Only a living holder counts: the lock of a crashed or killed copy is taken over at once.
    Lock->setStaleLockTime(0);
    if (Lock->tryLock(0))
        return CurrentRole = TRole::First;
    if (Lock->error() == QLockFile::LockFailedError)
        return CurrentRole = TRole::Second;
    Error = QStringLiteral("ロックファイル %1 を作成できないため、二重起動を確かめられません")
                .arg(LockPath);
    Lock.reset();
    return CurrentRole = TRole::Unavailable;
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
    return true;
}

bool TZnSingleInstance::HandOver(const QString& path, std::chrono::milliseconds connectTimeout) {
    if (CurrentRole != TRole::Second) {
        Error = QStringLiteral("既に起動しているゴールランがありません");
        return false;
    }
    TMessage message;
    if (!path.isEmpty()) {
        message.HasCopyData = true;
        message.Identifier = CopyDataOpenPath;
        message.Bytes = CopyDataBytes(QFileInfo(path).absoluteFilePath());
    }
    message.ActivationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    message.StartupId = qgetenv("DESKTOP_STARTUP_ID");
    const QByteArray bytes = Encode(message);
    if (bytes.size() - HeaderSize > MaxMessageSize) {
        Error = QStringLiteral("ファイル名が長すぎるため、起動中のゴールランに渡せません");
        return false;
    }

    QLocalSocket socket;
    const QDeadlineTimer deadline(connectTimeout);
    for (;;) {
        socket.connectToServer(SocketPath);
        const qint64 remaining =
            std::clamp<qint64>(deadline.remainingTime(), 0, std::numeric_limits<int>::max());
        if (socket.waitForConnected(static_cast<int>(remaining)))
            break;
        socket.abort();
        if (deadline.hasExpired()) {
            Error = QStringLiteral("既に起動しているゴールランに接続できませんでした");
            return false;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::clamp<qint64>(deadline.remainingTime(), 0, RetryPauseMs)));
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
    QByteArray answer;
    while (answer.size() < Answer.size()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(-1)) {
            Error = goneAway;
            return false;
        }
        answer += socket.read(Answer.size() - answer.size());
    }
    if (answer != Answer) {
        Error = goneAway;
        return false;
    }
    socket.disconnectFromServer();
    return true;
}

void TZnSingleInstance::RaiseWindow(QWidget* window, const QByteArray& activationToken) {
    if (window == nullptr)
        return;
    // Qt's Wayland support reads the token from the environment when it activates a window.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

QByteArray TZnSingleInstance::Encode(const TMessage& message) {
    QByteArray body;
    body.append(static_cast<char>(message.HasCopyData ? KindCopyData : KindRaise));
    if (message.HasCopyData) {
        AppendUInt32(body, static_cast<std::uint32_t>(message.Identifier));
        AppendBlock(body, message.Bytes);
    }
    AppendBlock(body, message.ActivationToken);
    AppendBlock(body, message.StartupId);
    QByteArray out = Magic;
    AppendUInt32(out, static_cast<std::uint32_t>(body.size()));
    return out + body;
}

bool TZnSingleInstance::Decode(const QByteArray& body, TMessage& message) {
    TBodyReader reader(body);
    const std::uint8_t kind = reader.UInt8();
    if (kind != KindRaise && kind != KindCopyData)
        return false;
    message.HasCopyData = kind == KindCopyData;
    if (message.HasCopyData) {
        message.Identifier = static_cast<std::int32_t>(reader.UInt32());
        message.Bytes = reader.Block();
    }
    message.ActivationToken = reader.Block();
    message.StartupId = reader.Block();
    return reader.Complete();
}

void TZnSingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessage(socket); });
        ReadMessage(socket);
        // A client gone before its message was complete leaves nothing behind.
        if (socket->state() == QLocalSocket::UnconnectedState)
            socket->deleteLater();
    }
}

void TZnSingleInstance::ReadMessage(QLocalSocket* socket) {
    // One message per connection; whatever follows it is not read.
    static constexpr const char* TakenProperty = "_zn_message_taken";
    if (socket->property(TakenProperty).toBool())
        return;
    if (socket->bytesAvailable() < HeaderSize)
        return;
    const QByteArray header = socket->peek(HeaderSize);
    const auto size = qFromLittleEndian<std::uint32_t>(header.constData() + Magic.size());
    if (!header.startsWith(Magic) || size > MaxMessageSize) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < HeaderSize + static_cast<qint64>(size))
        return;
    const QByteArray body = socket->read(HeaderSize + size).mid(HeaderSize);
    TMessage message;
    if (!Decode(body, message)) {
        socket->abort();
        return;
    }
    socket->setProperty(TakenProperty, true);
    Pending.push_back({socket, std::move(message)});
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
        emit raiseRequested(pending.Message.ActivationToken, pending.Message.StartupId);
        if (pending.Message.HasCopyData)
            emit copyDataReceived(pending.Message.Identifier, pending.Message.Bytes);
        QLocalSocket* socket = pending.Socket.data();
        if (socket != nullptr && socket->state() == QLocalSocket::ConnectedState) {
            socket->write(Answer);
            // Written now: the event loop may be about to end (the last hand-over before quit).
            socket->flush();
            socket->disconnectFromServer();
        }
    }
}
