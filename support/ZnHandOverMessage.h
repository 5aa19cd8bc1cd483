#pragma once

// The message a second copy of the program sends to the first, as pure functions over bytes, so
// that both ends (and the tests) read one definition of it.
//
// All numbers little-endian:
//
//     offset  size  field
//     0       4     "GLRN"
//     4       4     N, the size of the body that follows; at most HandOverMaxBodySize
//     8       1     kind: 0 = only come to the front, 1 = come to the front and take copy data
//     (kind 1 only:)
//             4     identifier (signed)
//             4     byte count C
//             C     the bytes: the path in the file system's encoding and one zero byte
//     (always:)
//             4     length T, then T bytes of XDG_ACTIVATION_TOKEN (may be 0)
//             4     length S, then S bytes of DESKTOP_STARTUP_ID (may be 0)
//
// The body must be exactly N bytes and nothing may follow it. The first copy answers with the
// 4 bytes of HandOverAnswer() once the message has been handled.

#include <optional>

#include <QByteArray>

// What the desktop gave this start so that the window it raises may take the focus.
struct TZnLaunchTokens {
    QByteArray ActivationToken; // XDG_ACTIVATION_TOKEN (Wayland)
    QByteArray StartupId;       // DESKTOP_STARTUP_ID (X11)

    // Must be called before the QApplication exists: its platform plugin takes the variables
    // out of the environment.
    [[nodiscard]] static TZnLaunchTokens FromEnvironment();
    bool operator==(const TZnLaunchTokens&) const = default;
};

struct TZnHandOverMessage {
    bool HasCopyData = false;
    int Identifier = 0;
    QByteArray Bytes;
    TZnLaunchTokens Launch;
    bool operator==(const TZnHandOverMessage&) const = default;
};

inline constexpr qsizetype HandOverHeaderSize = 8;
inline constexpr qsizetype HandOverMaxBodySize = 64 * 1024;

// Header and body.
[[nodiscard]] QByteArray EncodeHandOver(const TZnHandOverMessage& message);
// The body size a header announces, known as soon as its HandOverHeaderSize bytes are; nothing
// when they are not the header of a message or announce more than HandOverMaxBodySize.
[[nodiscard]] std::optional<qsizetype> HandOverBodySize(const QByteArray& header);
// Nothing when `body` breaks the layout in any way.
[[nodiscard]] std::optional<TZnHandOverMessage> DecodeHandOverBody(const QByteArray& body);
[[nodiscard]] QByteArray HandOverAnswer();
