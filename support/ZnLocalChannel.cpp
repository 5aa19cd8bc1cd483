#include "ZnLocalChannel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QThread>

#include "ZnFileName.h"

namespace {

constexpr int ConnectRetryMs = 5;
constexpr qsizetype ReadChunk = 4096;

// The socket address of `path`; nothing when the path does not fit.
std::optional<sockaddr_un> Address(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return address;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Waits until `fd` is ready for `events`; false when the deadline passed first.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd one{fd, events, 0};
        const int ready = ::poll(&one, 1, RemainingMs(deadline));
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

} // namespace

int RemainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(
        std::clamp<qint64>(deadline.remainingTime(), 0, std::numeric_limits<int>::max()));
}

// ---- A connection of the first copy ---------------------------------------------------------

TZnLocalConnection::TZnLocalConnection(int fd, qsizetype readLimit, QObject* parent)
    : QObject(parent), Fd(fd), ReadLimit(readLimit) {
    Readable = new QSocketNotifier(Fd, QSocketNotifier::Read, this);
    connect(Readable, &QSocketNotifier::activated, this, [this] { ReadSome(); });
    Writable = new QSocketNotifier(Fd, QSocketNotifier::Write, this);
    Writable->setEnabled(false);
    connect(Writable, &QSocketNotifier::activated, this, [this] { SendSome(); });
}

TZnLocalConnection::~TZnLocalConnection() {
    if (Fd >= 0)
        ::close(Fd);
}

QByteArray TZnLocalConnection::Read(qsizetype size) {
    const QByteArray taken = Input.left(size);
    Input.remove(0, taken.size());
    // Room again: the bytes the peer still has come in.
    if (Fd >= 0 && Input.size() < ReadLimit)
        Readable->setEnabled(true);
    return taken;
}

void TZnLocalConnection::ReadSome() {
    bool got = false;
    while (Fd >= 0 && Input.size() < ReadLimit) {
        char chunk[ReadChunk];
        const auto room = static_cast<size_t>(std::min(ReadLimit - Input.size(), ReadChunk));
        const ssize_t n = ::recv(Fd, chunk, room, 0);
        if (n > 0) {
            Input.append(chunk, n);
            got = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // Closed by the peer, or failed: what came before it is still read first.
        if (got && ReadyRead)
            ReadyRead();
        End();
        return;
    }
    // A full buffer waits for Read.
    if (Fd >= 0)
        Readable->setEnabled(Input.size() < ReadLimit);
    if (got && ReadyRead)
        ReadyRead();
}

void TZnLocalConnection::Write(const QByteArray& bytes) {
    if (Fd < 0)
        return;
    Output += bytes;
    SendSome();
}

void TZnLocalConnection::SendSome() {
    while (Fd >= 0 && !Output.isEmpty()) {
        const ssize_t n = ::send(Fd, Output.constData(), static_cast<size_t>(Output.size()),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n >= 0) {
            Output.remove(0, n);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            Writable->setEnabled(true);
            return;
        } else if (errno != EINTR) {
            End();
            return;
        }
    }
    if (Fd < 0)
        return;
    Writable->setEnabled(false);
    if (Closing)
        End();
}

void TZnLocalConnection::Close() {
    Closing = true;
    if (Fd >= 0 && Output.isEmpty())
        End();
}

void TZnLocalConnection::Abort() {
    Output.clear();
    End();
}

void TZnLocalConnection::End() {
    if (Fd < 0)
        return;
    Readable->setEnabled(false);
    Writable->setEnabled(false);
    ::close(Fd);
    Fd = -1;
    if (Ended)
        Ended();
}

// ---- The first copy's listening socket ------------------------------------------------------

TZnLocalServer::TZnLocalServer(QObject* parent) : QObject(parent) {}

TZnLocalServer::~TZnLocalServer() {
    Close();
}

bool TZnLocalServer::Listen(const QString& path) {
    Close();
    const QByteArray name = EncodeFileName(path);
    const auto fail = [this](const QString& reason) {
        Error = reason;
        return false;
    };
    if (!Address(name))
        return fail(QStringLiteral("socket path too long"));
    // Bound where nobody else can reach it, given this user's mode there, then moved into place.
    const qsizetype slash = name.lastIndexOf('/');
    QByteArray folder = name.left(slash + 1) + ".socket-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr)
        return fail(qt_error_string(errno));
    const QByteArray staged = folder + "/s";
    const int fd = NewSocket();
    const auto address = Address(staged);
    bool ok = fd >= 0 && address;
    if (ok)
        ok = ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0 &&
             ::chmod(staged.constData(), S_IRWXU) == 0 && ::listen(fd, SOMAXCONN) == 0 &&
             ::rename(staged.constData(), name.constData()) == 0;
    const int error = errno;
    ::unlink(staged.constData());
    ::rmdir(folder.constData());
    if (!ok) {
        if (fd >= 0)
            ::close(fd);
        return fail(address ? qt_error_string(error) : QStringLiteral("socket path too long"));
    }
    Fd = fd;
    Path = path;
    Error.clear();
    Incoming = new QSocketNotifier(Fd, QSocketNotifier::Read, this);
    connect(Incoming, &QSocketNotifier::activated, this, [this] { AcceptAll(); });
    // Switched on explicitly while descriptors are to spare: a checking build inspects the
    // notifier on its first call from here, which it cannot do once they have run out.
    Incoming->setEnabled(true);
    return true;
}

void TZnLocalServer::AcceptAll() {
    for (;;) {
        const int fd = ::accept4(Fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            if (Accepted)
                Accepted(fd);
            else
                ::close(fd);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        // Out of descriptors or memory, the connection stays queued: the notifier would call
        // again at once, so it rests until Resume.
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            Incoming->setEnabled(false);
            Resting = true;
        }
        return;
    }
}

void TZnLocalServer::Resume() {
    if (Incoming != nullptr && Resting) {
        Resting = false;
        Incoming->setEnabled(true);
        AcceptAll();
    }
}

void TZnLocalServer::Close() {
    if (Fd < 0)
        return;
    delete Incoming;
    Incoming = nullptr;
    Resting = false;
    ::close(Fd);
    Fd = -1;
    ::unlink(EncodeFileName(Path).constData());
}

// ---- A second copy's connection -------------------------------------------------------------

TZnLocalClient::~TZnLocalClient() {
    Close();
}

bool TZnLocalClient::Connect(const QString& path, std::chrono::milliseconds timeout) {
    Close();
    const auto address = Address(EncodeFileName(path));
    if (!address)
        return false;
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        Fd = NewSocket();
        if (Fd < 0)
            return false;
        if (::connect(Fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0)
            return true;
        const int error = errno;
        Close();
        // A full queue empties as the first copy accepts; anything else is an answer.
        if ((error != EAGAIN && error != EINTR) || deadline.hasExpired())
            return false;
        QThread::msleep(
            static_cast<unsigned long>(std::min(RemainingMs(deadline), ConnectRetryMs)));
    }
}

TZnLocalClient::TResult TZnLocalClient::Send(const QByteArray& bytes,
                                             std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (Fd < 0)
            return TResult::Ended;
        const ssize_t n = ::send(Fd, bytes.constData() + sent,
                                 static_cast<size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (n >= 0) {
            sent += n;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitFor(Fd, POLLOUT, deadline))
                return TResult::Silent;
        } else if (errno != EINTR) {
            return TResult::Ended;
        }
    }
    return TResult::Done;
}

TZnLocalClient::TResult TZnLocalClient::Receive(qsizetype size, QByteArray& out,
                                                std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        if (Fd < 0)
            return TResult::Ended;
        QByteArray chunk(std::min(size, ReadChunk), Qt::Uninitialized);
        const ssize_t n = ::recv(Fd, chunk.data(), static_cast<size_t>(chunk.size()), 0);
        if (n > 0) {
            out.append(chunk.constData(), n);
            return TResult::Done;
        }
        if (n == 0)
            return TResult::Ended;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return TResult::Ended;
        if (!WaitFor(Fd, POLLIN, deadline))
            return TResult::Silent;
    }
}

void TZnLocalClient::Close() {
    if (Fd >= 0)
        ::close(Fd);
    Fd = -1;
}
