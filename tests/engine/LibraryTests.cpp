// The game's identity in its saves, the check of the image, and the player's kept games read
// from real folders: listed in the order played, a damaged autosave passed over, an older state
// told from the newest, the autosaves of earlier releases brought in whole.

#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "GameAutosave.h"
#include "GameLibrary.h"
#include "GameTestSupport.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Sets the time of change of `path`, `seconds` after the epoch.
void Touch(const std::filesystem::path& path, int64_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

TEST_F(GameTest, IdentityAndProgressTravelAndAnEditedImageLosesItsRecords) {
    Game.GameIdSource = SeededGameIdSource(7);
    Game.NewGame();
    const TZnGameId id = *Game.Identity;
    EXPECT_EQ(TZnGameId::FromText(id.Text()), id);
    EXPECT_EQ(id.Text().size(), 32u);
    Game.NewGame();
    EXPECT_NE(*Game.Identity, id) << "every game is another";
    EXPECT_EQ(Game.Progress, 0);
    (void)Game.InvestBuildUp("100");
    for (int d = 0; d < 3; ++d)
        Game.PlayMatchday();
    EXPECT_EQ(Game.Progress, 4) << "an investment and three matchdays";
    const auto saved = Image(Game);

    TZnGameGoalrun other(KeepSeedSource());
    TZnLineLog log;
    other.SetMessageLog(&log);
    other.LoadFromStream(saved);
    EXPECT_EQ(other.Identity, Game.Identity);
    EXPECT_EQ(other.Progress, 4);
    EXPECT_EQ(Image(other), saved);
    EXPECT_TRUE(log.Lines.empty());

    // A flipped byte of the season (a value the loader accepts) and one of the funds: the image
    // loads without the records that no longer belong to it, and the log says so; an autosave,
    // which must hold, is refused.
    for (const size_t at : {size_t{5114}, size_t{1029}}) {
        auto edited = saved;
        edited[at] ^= 0x40;
        other.LoadFromStream(edited);
        EXPECT_EQ(log.Lines,
                  std::vector<std::string>{
                      "セーブデータの本体が書き換えられているため、記録（経歴、試合記録、"
                      "挑戦コード、達成記録）は読み込みませんでした。"})
            << at;
        EXPECT_FALSE(other.Identity) << "an edited game begins a lineage of its own";
        EXPECT_FALSE(other.SeasonLog.Mine[0].Recorded) << at;
        EXPECT_THROW(other.LoadFromStream(edited, TZnGameGoalrun::TZnImageCheck::Required),
                     EZnLoadError);
    }
    // A file of earlier releases, without the check, loads as before.
    other.LoadFromStream(PlainImage(Game));
    EXPECT_TRUE(log.Lines.empty());
    EXPECT_EQ(other.Matchday, 3);
}

TEST_F(GameTest, KeptGamesAreListedAsPlayedAndOlderStatesToldFromTheNewest) {
    const auto root = TempFolder();
    const TZnGameLibrary library(root.string() + "/games/");
    EXPECT_TRUE(library.Games().empty()) << "no folder yet: no game";
    EXPECT_TRUE(library.PlayedLast().empty());

    // The autosaves of an earlier release: plain images, autosave1 the newest.
    const auto old = root / "autosave";
    std::filesystem::create_directories(old);
    for (int n = 3; n >= 1; --n) {
        Game.PlayMatchday();
        Write(old / ("autosave" + std::to_string(n) + ".sav"), PlainImage(Game));
        Touch(old / ("autosave" + std::to_string(n) + ".sav"), 1000 - n);
    }
    const TZnGameId adopted = SeededGameIdSource(1)();
    EXPECT_TRUE(library.Adopt(old.string(), adopted));
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_FALSE(library.Adopt(old.string(), adopted)) << "nothing left to bring in";

    // A second game, played later, its newest autosave damaged in its image.
    TZnGameGoalrun second(KeepSeedSource());
    second.GameIdSource = SeededGameIdSource(2);
    second.NewGame({TZnChallengeCode::Parse("SAKURA26"), TZnDifficulty::Hard});
    const TZnAutosaveFolder folder(library.FolderOf(*second.Identity));
    for (int d = 0; d < 2; ++d) {
        second.PlayMatchday();
        TZnWriteStream stream;
        second.SaveToStream(stream);
        folder.Write(stream.Bytes);
    }
    auto damaged = Image(second);
    damaged[1029] ^= 0x40;
    Write(folder.Path(1), damaged);
    Touch(folder.Path(1), 2000);
    Touch(folder.Path(2), 1999);
    // A folder that names no game, and one with no autosave that loads.
    std::filesystem::create_directories(root / "games" / "notes");
    std::filesystem::create_directories(library.FolderOf(SeededGameIdSource(3)()));

    EXPECT_EQ(library.PlayedLast(), (std::vector<TZnGameId>{*second.Identity, adopted}));
    const auto games = library.Games();
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].Id, *second.Identity);
    EXPECT_EQ(games[0].Matchday, 1) << "the damaged newest is passed over";
    EXPECT_EQ(games[0].PassedOver, std::vector<std::string>{folder.Path(1)});
    EXPECT_EQ(games[0].Code, TZnChallengeCode::Parse("SAKURA26"));
    EXPECT_EQ(games[0].Difficulty, TZnDifficulty::Hard);
    EXPECT_EQ(games[1].Id, adopted);
    EXPECT_EQ(games[1].Matchday, 3);
    EXPECT_EQ(games[1].Rank, Game.MyClub().Rank);
    EXPECT_EQ(games[1].LastPlayedNs, int64_t{999} * 1'000'000'000);
    EXPECT_FALSE(games[2].Readable);

    // The newest state continues its game; an older one, or another as far on, does not.
    const TZnKeptGame& kept = games[0];
    second.LoadFromFile(folder.Path(2));
    EXPECT_TRUE(ContinuesKeptGame(kept, second.Progress, ImageCrcOf(second)));
    EXPECT_TRUE(ContinuesKeptGame(kept, second.Progress + 1, 0));
    EXPECT_FALSE(ContinuesKeptGame(kept, second.Progress, ImageCrcOf(second) + 1));
    EXPECT_FALSE(ContinuesKeptGame(kept, second.Progress - 1, ImageCrcOf(second)));
}
