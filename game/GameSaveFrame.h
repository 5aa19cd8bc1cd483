#pragma once

// The frame that carries the game's records after the 5122-byte image: tagged sections, each with
// its own length, version and checksum, as PNG carries its chunks. What the sections hold is
// GameSaveSections.h's business; this file only frames them. Every number a little-endian two's
// complement int32:
//
//   offset  size  field
//        0     8  magic "ZnRecord"
//        8     4  version of the frame, 2
//       12     4  count of sections n
//       16   ...  n sections, each:
//                   4  tag, 4 ASCII letters
//                   4  length L of the body
//                   4  version of the section's layout
//                   L  body
//                   4  CRC-32 (GameCrc32.h) of the tag, length, version and body
//
// Sections may stand in any order. A reader takes sections until the bytes end, whatever the
// count says: a count written or damaged wrong must not hide the sections after it, and one that
// disagrees with the sections found is reported. A section whose checksum fails costs only itself
// when the section after it reads whole or it ends with the bytes, for then its length was
// right. Otherwise its length is in doubt and the frame breaks there, as it does at a section
// that runs past the end or where the count promises sections after the last: whatever followed
// the break is unknown, and no tag can name it.
//
// The case of a tag's fourth letter marks the section, as PNG marks its chunks: lower case when
// a release that does not know it may write it back unchanged after changing the game, upper
// case when such a release must drop it once the game changes (its contents would no longer
// agree with the rest).
//
// Version 1 of the frame, written by the release that introduced the records, still loads: the
// same header, sections of only a tag, a length and the body (version 1 each), and one CRC-32 of
// every byte from the magic to the last section after them; a wrong checksum there costs every
// section.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class TZnWriteStream;

using TZnTag = std::array<uint8_t, 4>;

struct TZnSection {
    TZnTag Tag{};
    int32_t Version = 1;
    std::vector<uint8_t> Body;

    [[nodiscard]] bool SafeToCopy() const { return (Tag[3] & 0x20) != 0; }
    bool operator==(const TZnSection&) const = default;
};

struct TZnFrame {
    std::vector<TZnSection> Sections; // the intact sections, in the file's order
    // The tags of sections whose checksum failed, and of the section the frame broke at, as far as
    // they stand where a section begins.
    std::vector<TZnTag> Damaged;
    bool Broken = false;     // sections of the frame could not be reached
    int32_t Count = 0;       // the count of sections the header gives
    size_t Found = 0;        // the sections found whole before the end or the break, intact or not
    bool CountWrong = false; // Count disagrees with the sections found
};

// True when `bytes` begin with the frame's magic.
bool StartsWithFrame(std::span<const uint8_t> bytes);

// Reads a frame of either version: a first one as far as its count goes, bytes after it ignored;
// the current one to the end of the bytes.
TZnFrame ReadFrame(std::span<const uint8_t> bytes);

// Writes a frame of the current version holding `sections` in their order.
void WriteFrame(TZnWriteStream& stream, std::span<const TZnSection> sections);

// The bytes a section with a body of `bodySize` bytes takes in a frame, and a frame's own.
size_t FramedSectionSize(size_t bodySize);
size_t FrameHeaderSize();
