#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "GameGoalrun.h"
#include "GameSaveData.h"
#include "ZnMessageText.h"
#include "ZnStream.h"

// The bytes the game saves.
inline std::vector<uint8_t> Image(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return stream.Bytes;
}

// The 5122-byte image alone, as the plain image's readers see the file.
inline std::vector<uint8_t> PlainImage(const TZnGameGoalrun& game) {
    auto bytes = Image(game);
    bytes.resize(SaveImageSize);
    return bytes;
}

// A new empty folder of the running test's own.
inline std::filesystem::path TempFolder() {
    auto folder = std::filesystem::temp_directory_path() /
                  ("goalrun-test-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// The little-endian int32 of a save file at `offset`, read and written.
inline int32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset) {
    TZnReadStream stream(std::span<const uint8_t>(bytes).subspan(offset));
    return stream.ReadInt32();
}

inline void PutInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t value) {
    TZnWriteStream stream;
    stream.WriteInt32(value);
    std::copy(stream.Bytes.begin(), stream.Bytes.end(), bytes.begin() + static_cast<long>(offset));
}

// A game whose matchdays are reproducible from `seed`, writing into an in-memory log.
class GameTest : public ::testing::Test {
protected:
    explicit GameTest(uint32_t seed = 1) : Game(KeepSeedSource()) {
        Game.Random.Seed = seed;
        Game.SetMessageLog(&Log);
        Game.NewGame();
    }

    void PlaySeason() {
        while (Game.CanPlayMatchday())
            Game.PlayMatchday();
    }

    TZnLineLog Log;
    TZnGameGoalrun Game;
};
