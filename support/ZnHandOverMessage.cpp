#include "ZnHandOverMessage.h"

#include <cstdint>

#include <QtEndian>

namespace {

const QByteArray Magic = QByteArrayLiteral("GLRN");
constexpr std::uint8_t KindRaise = 0;
constexpr std::uint8_t KindCopyData = 1;

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

TZnLaunchTokens TZnLaunchTokens::FromEnvironment() {
    return {qgetenv("XDG_ACTIVATION_TOKEN"), qgetenv("DESKTOP_STARTUP_ID")};
}

QByteArray EncodeHandOver(const TZnHandOverMessage& message) {
    QByteArray body;
    body.append(static_cast<char>(message.HasCopyData ? KindCopyData : KindRaise));
    if (message.HasCopyData) {
        AppendUInt32(body, static_cast<std::uint32_t>(message.Identifier));
        AppendBlock(body, message.Bytes);
    }
    AppendBlock(body, message.Launch.ActivationToken);
    AppendBlock(body, message.Launch.StartupId);
    QByteArray out = Magic;
    AppendUInt32(out, static_cast<std::uint32_t>(body.size()));
    return out + body;
}

std::optional<qsizetype> HandOverBodySize(const QByteArray& header) {
    if (header.size() < HandOverHeaderSize || !header.startsWith(Magic))
        return std::nullopt;
    const auto size = qFromLittleEndian<std::uint32_t>(header.constData() + Magic.size());
    if (size > HandOverMaxBodySize)
        return std::nullopt;
    return static_cast<qsizetype>(size);
}

std::optional<TZnHandOverMessage> DecodeHandOverBody(const QByteArray& body) {
    TBodyReader reader(body);
    const std::uint8_t kind = reader.UInt8();
    if (kind != KindRaise && kind != KindCopyData)
        return std::nullopt;
    TZnHandOverMessage message;
    message.HasCopyData = kind == KindCopyData;
    if (message.HasCopyData) {
        message.Identifier = static_cast<std::int32_t>(reader.UInt32());
        message.Bytes = reader.Block();
    }
    message.Launch.ActivationToken = reader.Block();
    message.Launch.StartupId = reader.Block();
    if (!reader.Complete())
        return std::nullopt;
    return message;
}

QByteArray HandOverAnswer() {
    return QByteArrayLiteral("GLOK");
}
