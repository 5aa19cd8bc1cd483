#pragma once

// Only one copy of the program runs per user. The first copy holds a lock file and listens on a
// local socket, both in the user's runtime folder; a later copy finds the lock taken, hands its
// file (or only a request to come to the front) to the first copy, waits until the first copy has
// handled it, and ends.
//
// Intended use in main(), after the QApplication exists and before any window:
//
//     TZnSingleInstance instance;
//     switch (instance.Claim()) {
//     case TZnSingleInstance::TRole::Second:
//         if (!instance.HandOver(args.value(1))) {     // blocks until the first copy answered
//             std::fprintf(stderr, "goalrun: %s\n", qPrintable(instance.ErrorString()));
//             return 1;
//         }
//         return 0;                                     // no window of our own
//     case TZnSingleInstance::TRole::Unavailable:       // no runtime folder: run unguarded
//         std::fprintf(stderr, "goalrun: %s\n", qPrintable(instance.ErrorString()));
//         break;
//     case TZnSingleInstance::TRole::First:
//         break;
//     }
//     TFormMain window(...);
//     QObject::connect(&instance, &TZnSingleInstance::raiseRequested, &window,
//                      [&window](const QByteArray& token) {
//                          TZnSingleInstance::RaiseWindow(&window, token); });
//     QObject::connect(&instance, &TZnSingleInstance::copyDataReceived, &window,
//                      [&window](int id, const QByteArray& bytes) {
//                          DeliverCopyData(&window, id, bytes); });
//     if (instance.Role() == TZnSingleInstance::TRole::First && !instance.Listen())
//         std::fprintf(stderr, "goalrun: %s\n", qPrintable(instance.ErrorString()));
//     window.show();
//     return app.exec();                                // the lock goes with `instance`
//
// The first copy's own command-line file does not pass through here: the window sends it to
// itself with SendCopyData (ZnCopyData.h) after the new game of its first activation.
//
// The hand-over message, all numbers little-endian:
//
//     offset  size  field
//     0       4     "GLRN"
//     4       4     N, the size of the body that follows; at most MaxMessageSize
//     8       1     kind: 0 = only come to the front, 1 = come to the front and take copy data
//     (kind 1 only:)
//             4     identifier (signed)
//             4     byte count C
//             C     the bytes: the path in the file system's encoding and one zero byte
//     (always:)
//             4     length T, then T bytes of XDG_ACTIVATION_TOKEN (may be 0)
//             4     length S, then S bytes of DESKTOP_STARTUP_ID (may be 0)
//
// The body must be exactly N bytes. The first copy answers with the 4 bytes "GLOK" once its
// handlers have returned; a message that breaks these rules is dropped with its connection.

#include <chrono>
#include <deque>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QWidget;

class TZnSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class TRole {
        Undecided,   // Claim has not been called
        First,       // this copy holds the lock
        Second,      // another copy holds it
        Unavailable, // no runtime folder or lock file could be used; see ErrorString
    };

    static constexpr qsizetype MaxMessageSize = 64 * 1024;
    static constexpr std::chrono::milliseconds DefaultConnectTimeout{10000};

    // `name` names the lock file and the socket in QStandardPaths::RuntimeLocation.
    explicit TZnSingleInstance(const QString& name = QStringLiteral("hVomeraGoalrun"),
                               QObject* parent = nullptr);
    ~TZnSingleInstance() override;
    TZnSingleInstance(const TZnSingleInstance&) = delete;
    TZnSingleInstance& operator=(const TZnSingleInstance&) = delete;

    // Decides, once, which copy this is. The first copy keeps the lock until this object is
    // destroyed; the lock of a copy that crashed or was killed is taken over at once.
    TRole Claim();
    [[nodiscard]] TRole Role() const { return CurrentRole; }

    // First copy only: replaces any socket a dead copy left and starts answering hand-overs,
    // which then arrive through the event loop. False (see ErrorString) when listening fails.
    [[nodiscard]] bool Listen();

    // Second copy only: hands `path` (made absolute against the working folder; empty: only come
    // to the front) with CopyDataOpenPath to the first copy and waits, without an event loop,
    // until it has been handled. Connecting is retried until `connectTimeout` has passed, since
    // the first copy may still be starting; waiting for the answer has no limit, since the first
    // copy may be showing a message box. False with a one-line ErrorString when the first copy
    // cannot be reached or goes away before it answers.
    [[nodiscard]] bool HandOver(const QString& path,
                                std::chrono::milliseconds connectTimeout = DefaultConnectTimeout);

    [[nodiscard]] const QString& ErrorString() const { return Error; }
    // Empty until Claim has found the runtime folder.
    [[nodiscard]] const QString& LockFilePath() const { return LockPath; }
    [[nodiscard]] const QString& ServerName() const { return SocketPath; }

    // Brings `window` to the front: out of the minimised state, raised and activated. A Wayland
    // compositor only lets the window take the focus with the activation token of the start.
    static void RaiseWindow(QWidget* window, const QByteArray& activationToken);

signals:
    // Every hand-over asks the first copy to come to the front, before any copy data.
    void raiseRequested(const QByteArray& activationToken, const QByteArray& startupId);
    // A hand-over with data. The second copy gets its answer after the handlers have returned.
    void copyDataReceived(int identifier, const QByteArray& bytes);

private:
    struct TMessage {
        bool HasCopyData = false;
        int Identifier = 0;
        QByteArray Bytes;
        QByteArray ActivationToken;
        QByteArray StartupId;
    };
    struct TPending {
        QPointer<QLocalSocket> Socket;
        TMessage Message;
    };

    [[nodiscard]] static QByteArray Encode(const TMessage& message);
    [[nodiscard]] static bool Decode(const QByteArray& body, TMessage& message);

    void AcceptConnections();
    void ReadMessage(QLocalSocket* socket);
    void HandlePending();

    QString Name;
    QString LockPath;
    QString SocketPath;
    TRole CurrentRole = TRole::Undecided;
    QString Error;
    std::unique_ptr<QLockFile> Lock;
    QLocalServer* Server = nullptr; // owned as a child
    // Hand-overs wait here while a handler runs (it may show a message box, whose event loop
    // would otherwise start the next one inside it).
    std::deque<TPending> Pending;
    bool Handling = false;
};
