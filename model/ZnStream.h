#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// Raised when a read would go past the end of the data.
class EZnReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A growing byte buffer that the model records write themselves into, little-endian.
class TZnWriteStream {
public:
    void WriteInt32(int32_t value);
    void WriteByte(uint8_t value) { Bytes.push_back(value); }
    void WriteBytes(std::span<const uint8_t> bytes) {
        Bytes.insert(Bytes.end(), bytes.begin(), bytes.end());
    }

    std::vector<uint8_t> Bytes;
};

// The number of bytes `write` puts into a stream: a record's size taken from its own writer, so
// that a bound on sizes cannot disagree with what is written.
template <typename Write> size_t BytesWritten(Write write) {
    TZnWriteStream stream;
    write(stream);
    return stream.Bytes.size();
}

// A read position over bytes that the caller keeps alive.
class TZnReadStream {
public:
    explicit TZnReadStream(std::span<const uint8_t> data) : Data(data) {}

    // Each read throws EZnReadError when fewer bytes remain than it needs.
    int32_t ReadInt32();
    uint8_t ReadByte();
    std::span<const uint8_t> ReadBytes(size_t count);

    size_t Position() const { return Pos; }

private:
    std::span<const uint8_t> Data;
    size_t Pos = 0;
};
