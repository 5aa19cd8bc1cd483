#include "GameIdentity.h"

#include <memory>
#include <random>

#include "GameCrc32.h"
#include "ZnStream.h"

namespace {

constexpr std::string_view HexDigits = "0123456789abcdef";

int HexValue(char c) {
    const size_t at = HexDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

void WriteInt64(TZnWriteStream& stream, int64_t value) {
    stream.WriteInt32(static_cast<int32_t>(value & 0xFFFFFFFF));
    stream.WriteInt32(static_cast<int32_t>(static_cast<uint64_t>(value) >> 32));
}

int64_t ReadInt64(TZnReadStream& stream) {
    const auto low = static_cast<uint32_t>(stream.ReadInt32());
    const auto high = static_cast<uint32_t>(stream.ReadInt32());
    return static_cast<int64_t>((uint64_t{high} << 32) | low);
}

} // namespace

std::string TZnGameId::Text() const {
    std::string text;
    for (const uint8_t byte : Bytes) {
        text += HexDigits[byte >> 4];
        text += HexDigits[byte & 0x0F];
    }
    return text;
}

std::optional<TZnGameId> TZnGameId::FromText(std::string_view text) {
    TZnGameId id;
    if (text.size() != 2 * id.Bytes.size())
        return std::nullopt;
    for (size_t i = 0; i < id.Bytes.size(); ++i) {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        id.Bytes[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return id;
}

TZnGameIdSource RandomGameIdSource() {
    return [] {
        std::random_device device;
        TZnGameId id;
        for (size_t i = 0; i < id.Bytes.size(); i += 4) {
            const uint32_t word = device();
            for (size_t k = 0; k < 4; ++k)
                id.Bytes[i + k] = static_cast<uint8_t>(word >> (8 * k));
        }
        return id;
    };
}

TZnGameIdSource SeededGameIdSource(uint32_t seed) {
    // A generator of its own, so that drawing an identity takes no draw of the game's.
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] {
        TZnGameId id;
        for (size_t i = 0; i < id.Bytes.size(); i += 4) {
            const uint32_t word = (*engine)();
            for (size_t k = 0; k < 4; ++k)
                id.Bytes[i + k] = static_cast<uint8_t>(word >> (8 * k));
        }
        return id;
    };
}

std::vector<uint8_t> GameSectionBody(const TZnGameId& id, int64_t progress) {
    TZnWriteStream stream;
    stream.WriteBytes(id.Bytes);
    WriteInt64(stream, progress);
    return std::move(stream.Bytes);
}

std::optional<TZnGameSection> ReadGameSection(std::span<const uint8_t> body) {
    TZnGameSection section;
    if (body.size() != section.Id.Bytes.size() + 8)
        return std::nullopt;
    TZnReadStream stream(body);
    const auto id = stream.ReadBytes(section.Id.Bytes.size());
    std::copy(id.begin(), id.end(), section.Id.Bytes.begin());
    section.Progress = ReadInt64(stream);
    if (section.Progress < 0)
        return std::nullopt;
    return section;
}

std::vector<uint8_t> ImageCheckBody(std::span<const uint8_t> image) {
    TZnWriteStream stream;
    stream.WriteInt32(static_cast<int32_t>(Crc32(image)));
    return std::move(stream.Bytes);
}

std::optional<uint32_t> ReadImageCheck(std::span<const uint8_t> body) {
    if (body.size() != 4)
        return std::nullopt;
    TZnReadStream stream(body);
    return static_cast<uint32_t>(stream.ReadInt32());
}
