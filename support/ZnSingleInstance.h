#pragma once

// Only one copy of the program runs per user and graphical session. The first copy holds a lock
// file (ZnLockFile.h) and listens on a local socket, both in a folder only this user can write (the
// runtime folder, else a folder of our own in the cache folder); a later copy finds the lock held,
// hands its file (or only a request to come to the front) to the first copy, waits until the first
// copy has handled it, and ends. The message itself is ZnHandOverMessage.h.
// The sockets are ZnLocalChannel.h.
//
// Intended use in main():
//
//     const TZnLaunchTokens launch = TZnLaunchTokens::FromEnvironment(); // before QApplication
//     QApplication app(argc, argv);
//     TZnSingleInstance instance;
//     switch (instance.Claim()) {
//     case TZnSingleInstance::TRole::Second:                // blocks until the first answered
//         return instance.HandOver(file, launch) ? 0 : 1;   // no window of our own
//     case TZnSingleInstance::TRole::Unavailable:           // no usable folder or lock: unguarded
//     case ...First:
//     }
//     TFormMain window(...);
//     ConnectHandOvers(instance, window);                    // ui/SingleCopy.h
//     if (instance.Role() == TZnSingleInstance::TRole::First && !instance.Listen()) ...
//
// The first copy's own command-line file does not pass through here: the window sends it to
// itself with SendCopyData (ZnCopyData.h) after the new game of its first activation.

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include <QObject>
#include <QPointer>
#include <QString>

#include "ZnHandOverMessage.h"

class QTimer;
class TZnLocalConnection;
class TZnLocalServer;
class TZnLockFile;

class TZnSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class TRole {
        Undecided,   // Claim has not been called
        First,       // this copy holds the lock
        Second,      // another copy holds it
        Unavailable, // no folder or lock file could be used; see ErrorString
    };

    static constexpr qsizetype MaxMessageSize = HandOverMaxBodySize;
    // How long a second copy tries to connect, and how long it waits without a sign of life from
    // the first copy for the answer.
    static constexpr std::chrono::milliseconds HandOverTimeout{10000};
    // How often the first copy tells a waiting second copy that it still works on its message.
    static constexpr std::chrono::milliseconds KeepAliveInterval{2000};
    // How long a connection may take to send its whole message.
    static constexpr std::chrono::milliseconds DefaultReadTimeout{5000};
    // How long a second copy waits for the answer before it says that it waits.
    static constexpr std::chrono::milliseconds SlowAnswerDelay{1000};

    // `name` names the lock file and the socket; the default is SessionName("hVomeraGoalrun").
    explicit TZnSingleInstance(const QString& name = SessionName(QStringLiteral("hVomeraGoalrun")),
                               QObject* parent = nullptr);
    ~TZnSingleInstance() override;
    TZnSingleInstance(const TZnSingleInstance&) = delete;
    TZnSingleInstance& operator=(const TZnSingleInstance&) = delete;

    // `base` and the display the window goes to, in characters safe in a file name, so each
    // display has its own running copy: on the platform "xcb" the X11 display (DISPLAY), on a
    // "wayland" platform WAYLAND_DISPLAY, on any other (or before the window framework has
    // chosen, `platform` empty) WAYLAND_DISPLAY, else DISPLAY. An X11 display counts by host and
    // number: ":0", ":0.0", "unix:0" and "unix/:0" are one display, while "localhost:0" (reached
    // over the network) is another.
    [[nodiscard]] static QString SessionName(const QString& base, const QString& platform);
    // The same on the platform the window framework runs on.
    [[nodiscard]] static QString SessionName(const QString& base);
    // The folder of the lock and the socket: $XDG_RUNTIME_DIR when it is an absolute path to a
    // folder of this user that nobody else may write, else hVomeraGoalrun in the cache folder,
    // made for this user alone (a folder of ours found open to others is closed to mode 0700;
    // one of anybody else, or a symbolic link, is refused). Empty when neither can be had.
    [[nodiscard]] static QString ChannelFolder();

    // Decides, once, without waiting, which copy this is. The first copy keeps the lock until this
    // object is destroyed. A lock no living process holds (a crashed or killed copy's, whatever
    // number it names) is taken over at once, unless a copy still answers on the socket. Something
    // at the lock path that is no lock file is removed (a FIFO, a link, an empty folder), or makes
    // the copy Unavailable with an ErrorString naming it.
    TRole Claim();
    [[nodiscard]] TRole Role() const { return CurrentRole; }

    // First copy only: replaces any socket a dead copy left and starts answering hand-overs,
    // which then arrive through the event loop. False (see ErrorString) when listening fails.
    // When the server stops (a failed accept when descriptors run out) it listens again.
    [[nodiscard]] bool Listen();
    // A connection that has not sent its whole message within `timeout` is dropped.
    void SetReadTimeout(std::chrono::milliseconds timeout) { ReadTimeout = timeout; }

    // Second copy only: hands `path` (made absolute against the working folder, not cleaned;
    // empty: only come to the front) with CopyDataOpenPath to the first copy and waits, without
    // an event loop, until it has been handled. Connecting is retried until `timeout` has passed,
    // since the first copy may still be starting. The answer may take as long as the first copy
    // shows a message box, and the first copy says every KeepAliveInterval that it still works
    // on the message; a first copy silent for `timeout` (stopped, or hung) is given up. False
    // with a one-line ErrorString, which names the file that was not opened, when the first copy
    // cannot be reached, stays silent or goes away before it answers.
    [[nodiscard]] bool HandOver(const QString& path, const TZnLaunchTokens& launch = {},
                                std::chrono::milliseconds timeout = HandOverTimeout);

    // Second copy only: HandOver calls `notice` once when the first copy has not answered
    // `after` the message went out. The first copy answers only once it has handled the message,
    // and a message box it shows meanwhile waits for the player, so a second copy started from a
    // terminal would look hung without a word. `notice` gets the path as sent (absolute; empty
    // for the raise request alone).
    void SetSlowAnswerNotice(std::function<void(const QString& path)> notice,
                             std::chrono::milliseconds after = SlowAnswerDelay) {
        SlowAnswerNotice = std::move(notice);
        SlowAnswerAfter = after;
    }

    // Called in a copyDataReceived handler that finishes its work later: the second copy is then
    // answered when the last copy of the returned handle is gone, not when the handler returns.
    [[nodiscard]] std::shared_ptr<void> DeferAnswer() const { return CurrentAnswer; }

    // In the language of the moment.
    [[nodiscard]] QString ErrorString() const { return Error ? Error() : QString(); }
    // What words ErrorString, for a text that must follow a later change of language.
    [[nodiscard]] const std::function<QString()>& ErrorWords() const { return Error; }
    // Empty until Claim has found the folder.
    [[nodiscard]] const QString& LockFilePath() const { return LockPath; }
    [[nodiscard]] const QString& ServerName() const { return SocketPath; }

signals:
    // Every hand-over asks the first copy to come to the front, before any copy data.
    void raiseRequested(const TZnLaunchTokens& launch);
    // A hand-over with data. The second copy gets its answer after the handlers have returned
    // (or later, see DeferAnswer).
    void copyDataReceived(int identifier, const QByteArray& bytes);

private:
    struct TPending {
        QPointer<TZnLocalConnection> Socket;
        TZnHandOverMessage Message;
    };

    [[nodiscard]] bool AnyCopyAnswers() const;
    void Accept(int fd);
    void ReadMessage(TZnLocalConnection* socket);
    void HandlePending();
    void ListenAgainIfStopped();

    QString Name;
    QString LockPath;
    QString SocketPath;
    TRole CurrentRole = TRole::Undecided;
    std::function<QString()> Error;
    std::unique_ptr<TZnLockFile> Lock;
    TZnLocalServer* Server = nullptr; // owned as a child
    QTimer* Watchdog = nullptr;       // owned as a child
    std::chrono::milliseconds ReadTimeout = DefaultReadTimeout;
    std::function<void(const QString& path)> SlowAnswerNotice;
    std::chrono::milliseconds SlowAnswerAfter = SlowAnswerDelay;
    // Hand-overs wait here while a handler runs (it may show a message box, whose event loop
    // would otherwise start the next one inside it).
    std::deque<TPending> Pending;
    bool Handling = false;
    std::shared_ptr<void> CurrentAnswer; // while copyDataReceived is emitted
};
