#pragma once

// Who a game is and how far it has come: every game gets an identity when it begins, which each
// save of it carries, and counts its changes, so that the player's kept games (GameLibrary.h)
// can tell the newest state of a game from an older one that was opened again.
//
// Two sections of the save records (GameSaveSections.h) hold them, version 1 each:
//
//   "GAMe"  the game: its identity (16 bytes) and its progress (8 bytes, little-endian): the
//           changes made since it began. Safe to copy: a release that does not know it keeps it
//           when the game changes, so the game stays itself (its progress then lags behind).
//   "ICRC"  the check of the image: the CRC-32 (GameCrc32.h) of the 5122 bytes before the
//           records. Not safe to copy: once another release changes the game the check would
//           no longer hold, so it goes.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TZnGameId {
    std::array<uint8_t, 16> Bytes{};

    // 32 lower-case hexadecimal digits: the name of the game's folder.
    [[nodiscard]] std::string Text() const;
    // Reads what Text() writes, nothing else.
    static std::optional<TZnGameId> FromText(std::string_view text);

    bool operator==(const TZnGameId&) const = default;
    auto operator<=>(const TZnGameId&) const = default;
};

// Where a new game's identity comes from.
using TZnGameIdSource = std::function<TZnGameId()>;
// Sixteen bytes of the system's random source: no two games share one.
TZnGameIdSource RandomGameIdSource();
// Identities that follow from `seed` alone, one after the other (goalrun-cli --seed, tests).
TZnGameIdSource SeededGameIdSource(uint32_t seed);

// The body of a "GAMe" section, and what one holds; nothing for a body that is not one.
std::vector<uint8_t> GameSectionBody(const TZnGameId& id, int64_t progress);
struct TZnGameSection {
    TZnGameId Id;
    int64_t Progress = 0;
};
std::optional<TZnGameSection> ReadGameSection(std::span<const uint8_t> body);

// The body of an "ICRC" section for `image`, and the check one holds.
std::vector<uint8_t> ImageCheckBody(std::span<const uint8_t> image);
std::optional<uint32_t> ReadImageCheck(std::span<const uint8_t> body);
