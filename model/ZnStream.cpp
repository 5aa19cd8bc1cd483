#include "ZnStream.h"

void TZnWriteStream::WriteInt32(int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        Bytes.push_back(static_cast<uint8_t>(u >> shift));
}

std::span<const uint8_t> TZnReadStream::ReadBytes(size_t count) {
    if (Data.size() - Pos < count)
        throw EZnReadError("unexpected end of data");
    auto bytes = Data.subspan(Pos, count);
    Pos += count;
    return bytes;
}

int32_t TZnReadStream::ReadInt32() {
    auto b = ReadBytes(4);
    const uint32_t u =
        uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
    return static_cast<int32_t>(u);
}

uint8_t TZnReadStream::ReadByte() {
    return ReadBytes(1)[0];
}
