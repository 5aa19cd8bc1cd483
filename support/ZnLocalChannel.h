#pragma once

// The local stream sockets (AF_UNIX) between the copies of the program, on the system's calls and
// the event loop's descriptor notifiers: a listening socket with its accepted connections for the
// first copy, and a blocking client for a second copy. The window framework's network module
// would do the same, but loading it and the libraries it pulls in (authentication, proxies)
// costs every start time and memory for a socket that a second copy uses once.
//
// A connection gives way at once to whatever the peer does: a closed peer or an error ends it
// (Ended), never a blocked call.

#include <chrono>
#include <functional>

#include <QByteArray>
#include <QObject>
#include <QString>

class QDeadlineTimer;
class QSocketNotifier;

// What is left of `deadline` in whole milliseconds, for the calls that wait an int of them.
[[nodiscard]] int RemainingMs(const QDeadlineTimer& deadline);

// One accepted connection of the first copy. Reads into a buffer of at most the read limit (the
// peer waits while it is full); writes are queued and sent as the socket takes them.
class TZnLocalConnection : public QObject {
public:
    TZnLocalConnection(int fd, qsizetype readLimit, QObject* parent = nullptr);
    ~TZnLocalConnection() override;
    TZnLocalConnection(const TZnLocalConnection&) = delete;
    TZnLocalConnection& operator=(const TZnLocalConnection&) = delete;

    [[nodiscard]] bool IsConnected() const { return Fd >= 0; }
    [[nodiscard]] qsizetype BytesAvailable() const { return Input.size(); }
    [[nodiscard]] QByteArray Peek(qsizetype size) const { return Input.left(size); }
    QByteArray Read(qsizetype size);
    // Queued behind what is not sent yet; nothing once the connection has ended.
    void Write(const QByteArray& bytes);
    // Ends the connection once everything written has been sent.
    void Close();
    // Ends the connection now; what is not sent is dropped.
    void Abort();

    // Called with new bytes in the buffer, and once when the connection ends.
    std::function<void()> ReadyRead;
    std::function<void()> Ended;

private:
    void ReadSome();
    void SendSome();
    void End();

    int Fd;
    qsizetype ReadLimit;
    QByteArray Input;
    QByteArray Output;
    bool Closing = false;
    QSocketNotifier* Readable = nullptr;
    QSocketNotifier* Writable = nullptr;
};

// The first copy's listening socket, readable and writable by this user alone.
class TZnLocalServer : public QObject {
public:
    explicit TZnLocalServer(QObject* parent = nullptr);
    ~TZnLocalServer() override;
    TZnLocalServer(const TZnLocalServer&) = delete;
    TZnLocalServer& operator=(const TZnLocalServer&) = delete;

    // Replaces whatever is at `path` (the caller holds the lock) with a socket of mode 0700,
    // made in a private folder beside it and moved into place, so that nobody else can connect
    // in between. False with ErrorString on failure.
    [[nodiscard]] bool Listen(const QString& path);
    // Stops listening and removes the socket; connections already accepted go on.
    void Close();
    [[nodiscard]] QString ErrorString() const { return Error; }
    // Accepting again after a failure (descriptors ran out): the connections waiting in the
    // queue are then taken.
    void Resume();

    // Called with each accepted connection's descriptor (non-blocking, closed on exec), which the
    // handler then owns.
    std::function<void(int fd)> Accepted;

private:
    void AcceptAll();

    int Fd = -1;
    QString Path;
    QString Error;
    QSocketNotifier* Incoming = nullptr;
    bool Resting = false; // after a failed accept, until Resume
};

// A second copy's connection: every call blocks for at most the time it is given.
class TZnLocalClient {
public:
    TZnLocalClient() = default;
    ~TZnLocalClient();
    TZnLocalClient(const TZnLocalClient&) = delete;
    TZnLocalClient& operator=(const TZnLocalClient&) = delete;

    // Tries until connected or `timeout` has passed (a full queue is waited out); a path nobody
    // listens on fails at once.
    [[nodiscard]] bool Connect(const QString& path, std::chrono::milliseconds timeout);
    enum class TResult { Done, Silent, Ended };
    // All of `bytes`; Silent when they were not all taken within `timeout`.
    TResult Send(const QByteArray& bytes, std::chrono::milliseconds timeout);
    // Some bytes, at most `size`, appended to `out`; Silent when none came for `timeout`, Ended
    // when the peer has closed.
    TResult Receive(qsizetype size, QByteArray& out, std::chrono::milliseconds timeout);
    void Close();

private:
    int Fd = -1;
};
