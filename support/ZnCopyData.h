#pragma once

// A copy-data message: an identifier and a block of bytes handed to a window, synchronously.
// The program uses one identifier, CopyDataOpenPath: the bytes are a file path in the file
// system's encoding followed by one zero byte. Both hand-overs of a path end here: the file named
// on this copy's own command line (SendCopyData to the own window) and the one a second copy
// hands over (TZnSingleInstance delivers it with DeliverCopyData).
//
// The receiving window handles the event in its event() override:
//
//     if (event->type() == TZnCopyDataEvent::Type()) {
//         const auto& copy = static_cast<const TZnCopyDataEvent&>(*event);
//         if (copy.Identifier() == CopyDataOpenPath && !copy.Text().isEmpty())
//             OpenPath(copy.Text());
//         return true;
//     }
//
// Any other identifier, or an empty text, opens nothing.

#include <memory>

#include <QByteArray>
#include <QEvent>
#include <QString>

class QObject;

inline constexpr int CopyDataOpenPath = 1;

class TZnCopyDataEvent : public QEvent {
public:
    TZnCopyDataEvent(int identifier, QByteArray bytes, std::shared_ptr<void> keepAlive = {});

    // The event type, registered with Qt once.
    [[nodiscard]] static QEvent::Type Type();

    [[nodiscard]] int Identifier() const { return CopyIdentifier; }
    [[nodiscard]] const QByteArray& Bytes() const { return CopyBytes; }
    // The bytes up to the first zero byte, decoded as a file name (DecodeFileName: without loss).
    [[nodiscard]] QString Text() const;
    // Held by a receiver that finishes its work on the message later (after a command or a box
    // that is open now); the sender learns of the end when the last holder lets go.
    [[nodiscard]] const std::shared_ptr<void>& KeepAlive() const { return CopyKeepAlive; }

private:
    int CopyIdentifier;
    QByteArray CopyBytes;
    std::shared_ptr<void> CopyKeepAlive;
};

// `text` as the file name's bytes (EncodeFileName) with one terminating zero byte.
[[nodiscard]] QByteArray CopyDataBytes(const QString& text);
// The text of copy-data bytes: everything before the first zero byte (all of them when there is
// none), decoded as a file name.
[[nodiscard]] QString CopyDataText(const QByteArray& bytes);

// Sends `identifier` and `bytes` to `receiver` and returns once its handler has run, with what
// the receiver's event() returned. See TZnCopyDataEvent::KeepAlive for `keepAlive`.
bool DeliverCopyData(QObject* receiver, int identifier, const QByteArray& bytes,
                     std::shared_ptr<void> keepAlive = {});
// DeliverCopyData of CopyDataBytes(text).
bool SendCopyData(QObject* receiver, const QString& text, int identifier);
