#include "GameSaveFrame.h"

#include <algorithm>

#include "GameCrc32.h"
#include "ZnStream.h"

namespace {

constexpr std::array<uint8_t, 8> FrameMagic = {'Z', 'n', 'R', 'e', 'c', 'o', 'r', 'd'};
constexpr int32_t FirstFrameVersion = 1;
constexpr int32_t FrameVersion = 2;

void WriteHeader(TZnWriteStream& stream, size_t count) {
    stream.WriteBytes(FrameMagic);
    stream.WriteInt32(FrameVersion);
    stream.WriteInt32(static_cast<int32_t>(count));
}

void WriteSection(TZnWriteStream& stream, const TZnSection& section) {
    const size_t start = stream.Bytes.size();
    stream.WriteBytes(section.Tag);
    stream.WriteInt32(static_cast<int32_t>(section.Body.size()));
    stream.WriteInt32(section.Version);
    stream.WriteBytes(section.Body);
    stream.WriteInt32(static_cast<int32_t>(Crc32(std::span(stream.Bytes).subspan(start))));
}

TZnTag ReadTag(TZnReadStream& stream) {
    const auto bytes = stream.ReadBytes(4);
    TZnTag tag;
    std::copy(bytes.begin(), bytes.end(), tag.begin());
    return tag;
}

// The body of `length` bytes; throws EZnReadError for a length the bytes cannot hold.
std::span<const uint8_t> ReadBody(TZnReadStream& stream, int32_t length) {
    if (length < 0)
        throw EZnReadError("a negative section length");
    return stream.ReadBytes(static_cast<size_t>(length));
}

// The first frame: every section stands or falls with the one checksum after them.
void ReadFirstVersion(TZnReadStream& stream, std::span<const uint8_t> bytes, int32_t count,
                      TZnFrame& frame) {
    for (int32_t i = 0; i < count; ++i) {
        TZnSection section;
        section.Tag = ReadTag(stream);
        const auto body = ReadBody(stream, stream.ReadInt32());
        section.Body.assign(body.begin(), body.end());
        frame.Sections.push_back(std::move(section));
    }
    const size_t checked = stream.Position();
    if (static_cast<uint32_t>(stream.ReadInt32()) != Crc32(bytes.first(checked)))
        throw EZnReadError("the checksum of the records");
}

// Sections to the end of the bytes (GameSaveFrame.h). The tag of a damaged section names its kind
// only where a section surely begins: at the start, after an intact section, or after damaged
// ones whose lengths what follows bears out (an intact section, or the end of the bytes).
void ReadSections(TZnReadStream& stream, std::span<const uint8_t> bytes, TZnFrame& frame) {
    std::vector<TZnTag> unsure; // damaged since the last intact section, the first one believed
    const auto confirm = [&] {
        frame.Damaged.insert(frame.Damaged.end(), unsure.begin(), unsure.end());
        frame.Found += unsure.size();
        unsure.clear();
    };
    while (stream.Position() < bytes.size()) {
        const size_t start = stream.Position();
        TZnSection section;
        bool tagRead = false;
        try {
            section.Tag = ReadTag(stream);
            tagRead = true;
            const int32_t length = stream.ReadInt32();
            section.Version = stream.ReadInt32();
            const auto body = ReadBody(stream, length);
            const size_t end = stream.Position();
            if (static_cast<uint32_t>(stream.ReadInt32()) !=
                Crc32(bytes.subspan(start, end - start))) {
                unsure.push_back(section.Tag);
                continue;
            }
            section.Body.assign(body.begin(), body.end());
        } catch (const EZnReadError&) {
            frame.Broken = true;
            if (!unsure.empty() || tagRead)
                frame.Damaged.push_back(unsure.empty() ? section.Tag : unsure.front());
            frame.Found += unsure.empty() ? 0 : 1;
            return;
        }
        confirm();
        frame.Sections.push_back(std::move(section));
        ++frame.Found;
    }
    // Damaged sections that end with the bytes had their lengths right.
    confirm();
}

} // namespace

bool StartsWithFrame(std::span<const uint8_t> bytes) {
    return bytes.size() >= FrameMagic.size() &&
           std::equal(FrameMagic.begin(), FrameMagic.end(), bytes.begin());
}

TZnFrame ReadFrame(std::span<const uint8_t> bytes) {
    TZnFrame frame;
    try {
        TZnReadStream stream(bytes);
        stream.ReadBytes(FrameMagic.size());
        const int32_t version = stream.ReadInt32();
        frame.Count = stream.ReadInt32();
        if (version == FirstFrameVersion) {
            // Nothing of a first frame counts before its checksum is right.
            TZnFrame first;
            ReadFirstVersion(stream, bytes, frame.Count, first);
            first.Count = frame.Count;
            first.Found = first.Sections.size();
            frame = std::move(first);
        } else if (version == FrameVersion) {
            ReadSections(stream, bytes, frame);
            // Where the bytes end cleanly, more sections counted than found are lost after the
            // last; a break within a section leaves the count nothing to be compared with but
            // the sections before it.
            const auto count = static_cast<int64_t>(frame.Count);
            const auto found = static_cast<int64_t>(frame.Found);
            frame.CountWrong = count < found || (!frame.Broken && count != found);
            frame.Broken = frame.Broken || count > found;
        } else {
            frame.Broken = true;
        }
    } catch (const EZnReadError&) {
        frame.Broken = true;
    }
    return frame;
}

void WriteFrame(TZnWriteStream& stream, std::span<const TZnSection> sections) {
    size_t size = FrameHeaderSize();
    for (const TZnSection& section : sections)
        size += FramedSectionSize(section.Body.size());
    stream.Bytes.reserve(stream.Bytes.size() + size);
    WriteHeader(stream, sections.size());
    for (const TZnSection& section : sections)
        WriteSection(stream, section);
}

size_t FramedSectionSize(size_t bodySize) {
    static const size_t empty = BytesWritten([](TZnWriteStream& s) { WriteSection(s, {}); });
    return empty + bodySize;
}

size_t FrameHeaderSize() {
    static const size_t size = BytesWritten([](TZnWriteStream& s) { WriteHeader(s, 0); });
    return size;
}
