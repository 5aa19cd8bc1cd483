#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GameSaveData.h"
#include "GameTestSupport.h"
#include "ZnStream.h"

namespace {

// The reason of the file error `action` throws.
TZnFileErrorReason ReasonOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EZnFileError& error) {
        return error.Reason();
    }
    ADD_FAILURE() << "no file error";
    return TZnFileErrorReason::SystemError;
}

size_t ClubField(int club, int field) {
    return 126 + 56 * static_cast<size_t>(club) + 4 * static_cast<size_t>(field);
}

size_t MatchAt(int day, int match) {
    return 1030 + 17 * (8 * static_cast<size_t>(day) + static_cast<size_t>(match));
}

size_t EntryCount(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST_F(GameTest, NewGameImageFieldByField) {
    const auto bytes = PlainImage(Game);
    ASSERT_EQ(bytes.size(), 5122u);
    const uint8_t title[] = {0x83, 0x53, 0x81, 0x5B, 0x83, 0x8B, 0x83, 0x89, 0x83, 0x93};
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "Vomera");
    EXPECT_TRUE(std::equal(title, title + 10, bytes.begin() + 20));
    EXPECT_EQ(std::string(bytes.begin() + 120, bytes.begin() + 124), "1.00");
    for (size_t i : {6, 19, 30, 119, 124, 125})
        EXPECT_EQ(bytes[i], 0) << "padding at " << i;
    for (int k = 0; k < 16; ++k) {
        // Defense, Attack, BuildUp, NameIndex, ..., ClubId at field 8, PrevRank 11, Rank 12.
        EXPECT_EQ(Int32At(bytes, ClubField(k, 0)), 6000 - 300 * k);
        EXPECT_EQ(Int32At(bytes, ClubField(k, 1)), 6000 - 300 * k);
        EXPECT_EQ(Int32At(bytes, ClubField(k, 3)), k);
        EXPECT_EQ(Int32At(bytes, ClubField(k, 8)), k);
        EXPECT_EQ(Int32At(bytes, ClubField(k, 11)), k);
        EXPECT_EQ(Int32At(bytes, ClubField(k, 12)), k);
    }
    EXPECT_EQ(Int32At(bytes, 1022), 0);
    EXPECT_EQ(Int32At(bytes, 1026), 20000);
    // Matchday 1 with the player's fixture first: 15-10 stored away first.
    EXPECT_EQ(Int32At(bytes, MatchAt(0, 0)), 10);
    EXPECT_EQ(Int32At(bytes, MatchAt(0, 0) + 4), 15);
    for (int d = 0; d < 30; ++d)
        for (int m = 0; m < 8; ++m) {
            EXPECT_EQ(bytes[MatchAt(d, m) + 8], 0);
            EXPECT_EQ(Int32At(bytes, MatchAt(d, m) + 9) | Int32At(bytes, MatchAt(d, m) + 13), 0);
        }
    EXPECT_EQ(Int32At(bytes, 5110), 15);
    EXPECT_EQ(Int32At(bytes, 5114), 0);
    EXPECT_EQ(Int32At(bytes, 5118), 0);
}

TEST_F(GameTest, SaveAndLoadReturnEveryStoredField) {
    for (int i = 0; i < 11; ++i)
        Game.PlayMatchday();
    Game.InvestBuildUp("250");
    Game.Finished = true;
    const auto before = Image(Game);
    const std::string state = Game.MyClub().Name + std::to_string(Game.MyClubIndex());

    TZnGameGoalrun other(KeepSeedSource());
    for (int i = 0; i < 16; ++i)
        other.TeamNames.push_back("name" + std::to_string(i));
    other.LoadFromStream(before);
    EXPECT_EQ(Image(other), before);
    EXPECT_FALSE(other.Finished) << "a finished game offers the next season once loaded";
    EXPECT_EQ(other.Matchday, 11);
    EXPECT_EQ(other.MyClub().BuildUp, 250);
    EXPECT_EQ(other.MyClub().Coach, &other.Coach());
    EXPECT_EQ(other.MyClub().Name, "name15") << "names come from the current name list";
    for (int32_t p = 0; p < 16; ++p) {
        const TZnClub& club = other.Clubs().Items(p);
        EXPECT_EQ(club.Coach, &club == &other.MyClub() ? &other.Coach() : nullptr);
    }
    ASSERT_FALSE(Log.Lines.empty());
    Game.LoadFromStream(before);
    EXPECT_TRUE(Log.Lines.empty()) << "a successful load clears the log";
}

TEST_F(GameTest, LoaderRefusesDamagedImagesAndKeepsTheGame) {
    for (int i = 0; i < 5; ++i)
        Game.PlayMatchday();
    Game.SeasonLog.Clear(); // the plain image
    const auto good = PlainImage(Game);
    const auto log = Log.Lines;
    using Damage = std::function<void(std::vector<uint8_t>&)>;
    std::vector<std::pair<std::string, Damage>> cases = {
        {"header byte", [](auto& b) { b[3] ^= 1; }},
        {"version text", [](auto& b) { b[122] = '1'; }},
        {"5121 bytes", [](auto& b) { b.pop_back(); }},
        {"empty file", [](auto& b) { b.clear(); }},
        {"header only", [](auto& b) { b.resize(126); }},
        {"duplicate club id",
         [](auto& b) { PutInt32(b, ClubField(1, 8), Int32At(b, ClubField(0, 8))); }},
        {"club id 16", [](auto& b) { PutInt32(b, ClubField(2, 8), 16); }},
        {"name index -1", [](auto& b) { PutInt32(b, ClubField(3, 3), -1); }},
        {"duplicate rank",
         [](auto& b) { PutInt32(b, ClubField(4, 12), Int32At(b, ClubField(5, 12))); }},
        {"prev rank 99", [](auto& b) { PutInt32(b, ClubField(6, 11), 99); }},
        {"fixture id 16", [](auto& b) { PutInt32(b, MatchAt(7, 3), 16); }},
        {"club twice in a matchday",
         [](auto& b) { PutInt32(b, MatchAt(7, 3), Int32At(b, MatchAt(7, 4))); }},
        {"seven goals", [](auto& b) { PutInt32(b, MatchAt(0, 2) + 13, 7); }},
        {"negative goals", [](auto& b) { PutInt32(b, MatchAt(0, 2) + 9, -1); }},
        {"matchday 31", [](auto& b) { PutInt32(b, 5118, 31); }},
        {"matchday -1", [](auto& b) { PutInt32(b, 5118, -1); }},
        {"season -1", [](auto& b) { PutInt32(b, 5114, -1); }},
        {"unknown player id", [](auto& b) { PutInt32(b, 5110, 16); }},
        {"negative investment", [](auto& b) { PutInt32(b, ClubField(15, 2), -1); }},
        {"negative experience", [](auto& b) { PutInt32(b, 1022, -1); }},
        {"negative funds", [](auto& b) { PutInt32(b, 1026, -1); }},
        // Five matchdays are played: 0..4 must be, 5.. must not be.
        {"played fixture not played", [](auto& b) { b[MatchAt(4, 6) + 8] = 0; }},
        {"coming fixture played", [](auto& b) { b[MatchAt(5, 6) + 8] = 1; }},
        {"goals on a coming fixture", [](auto& b) { PutInt32(b, MatchAt(29, 7) + 13, 1); }},
        {"matchday 4 after five", [](auto& b) { PutInt32(b, 5118, 4); }},
        {"matchday 6 after five", [](auto& b) { PutInt32(b, 5118, 6); }},
        {"played result changed",
         [](auto& b) { PutInt32(b, MatchAt(2, 3) + 9, (Int32At(b, MatchAt(2, 3) + 9) + 1) % 7); }},
    };
    // Each field of the season record: Draws, Played, GoalsAgainst, GoalsFor, Losses, Points, Wins.
    for (int field : {4, 5, 6, 7, 9, 10, 13})
        cases.push_back({"record field " + std::to_string(field), [field](auto& b) {
                             PutInt32(b, ClubField(field, field),
                                      Int32At(b, ClubField(field, field)) + 1);
                         }});
    for (const auto& [what, damage] : cases) {
        auto bytes = good;
        damage(bytes);
        EXPECT_THROW(Game.LoadFromStream(bytes), EZnLoadError) << what;
        EXPECT_EQ(PlainImage(Game), good) << what << ": the running game must stay as it was";
        EXPECT_EQ(Log.Lines, log) << what << ": the log too";
    }
    // Strengthening money on a rival.
    auto bytes = good;
    const int rival = Int32At(good, ClubField(0, 8)) == Game.MyClub().ClubId ? 1 : 0;
    PutInt32(bytes, ClubField(rival, 2), 10);
    EXPECT_THROW(Game.LoadFromStream(bytes), EZnLoadError);
}

TEST_F(GameTest, LoaderAcceptsTrailingBytesAndPutsThePlayerFirst) {
    auto bytes = Image(Game);
    bytes.resize(6000, 0xAB);
    // Move the player's fixture of matchday 1 away from the first place.
    std::vector<uint8_t> first(bytes.begin() + MatchAt(0, 0), bytes.begin() + MatchAt(0, 1));
    std::copy(bytes.begin() + MatchAt(0, 5), bytes.begin() + MatchAt(0, 6),
              bytes.begin() + MatchAt(0, 0));
    std::copy(first.begin(), first.end(), bytes.begin() + MatchAt(0, 5));
    TZnGameGoalrun other(KeepSeedSource());
    other.LoadFromStream(bytes);
    const TZnMatch& opening = other.Schedule().Matchdays(0).Matches(0);
    EXPECT_EQ(opening.HomeId, 15);
    EXPECT_EQ(opening.AwayId, 10);
}

// After the season's shuffle, and after a load into a game whose clubs held other ids, each club
// is found by its id: the result of the next matchday names the opponent its fixture names.
TEST_F(GameTest, ClubsAreFoundByTheirIdsAfterAShuffleAndAfterALoad) {
    PlaySeason();
    Game.NextSeason();
    Game.PlayMatchday();
    TZnGameGoalrun loaded(KeepSeedSource());
    loaded.NewGame();
    loaded.LoadFromStream(Image(Game));
    loaded.Random.Seed = Game.Random.Seed;
    for (TZnGameGoalrun* game : {&Game, &loaded}) {
        const TZnClubList& clubs = game->Clubs();
        for (int32_t p = 0; p < clubs.Count(); ++p)
            EXPECT_EQ(&clubs.ClubById(clubs.Items(p).ClubId), &clubs.Items(p));
        TZnMessageList messages;
        game->SetMessageLog(&messages);
        game->PlayMatchday();
        const TZnMatch& match = game->MyLastMatch();
        const int32_t opponent = game->MyLastMatchAtHome() ? match.AwayId : match.HomeId;
        std::string name;
        for (int32_t p = 0; p < clubs.Count(); ++p)
            if (clubs.Items(p).ClubId == opponent)
                name = clubs.Items(p).Name;
        ASSERT_FALSE(messages.Messages.empty());
        EXPECT_EQ(messages.Messages.front().Name, name);
        EXPECT_EQ(messages.Messages.front().Numbers[0], 2);
        game->SetMessageLog(nullptr);
    }
    EXPECT_EQ(Image(loaded), Image(Game));
}

TEST_F(GameTest, FilesAreReplacedWholeOrNotAtAll) {
    const auto folder = TempFolder();
    const std::string path = (folder / "04savedata.sav").string();
    Game.SaveToFile(path);
    EXPECT_EQ(std::filesystem::file_size(path), Image(Game).size());
    TZnGameGoalrun loaded(KeepSeedSource());
    loaded.LoadFromFile(path);
    EXPECT_EQ(Image(loaded), Image(Game));

    Game.PlayMatchday();
    ASSERT_TRUE(Game.UnsavedProgress());
    Game.SaveToFile(path); // replaces
    EXPECT_FALSE(Game.UnsavedProgress());
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Matchday, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary file is left behind";

    EXPECT_THROW(Game.SaveToFile((folder / "missing" / "x.sav").string()), EZnSaveError);
    EXPECT_THROW(Game.SaveToFile(folder.string()), EZnSaveError) << "a folder is not a file";
    EXPECT_THROW(loaded.LoadFromFile((folder / "none.sav").string()), EZnLoadError);
    EXPECT_THROW(loaded.LoadFromFile(folder.string()), EZnLoadError);
    using enum TZnFileErrorReason;
    EXPECT_EQ(ReasonOf([&] { Game.SaveToFile((folder / "missing" / "x.sav").string()); }),
              NotFound);
    EXPECT_EQ(ReasonOf([&] { Game.SaveToFile(folder.string()); }), NotRegularFile);
    EXPECT_EQ(ReasonOf([&] { loaded.LoadFromFile((folder / "none.sav").string()); }), NotFound);
    EXPECT_EQ(ReasonOf([&] { loaded.LoadFromFile(""); }), BadName);

    if (::geteuid() != 0) { // root may write anywhere
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
        Game.PlayMatchday();
        EXPECT_EQ(ReasonOf([&] { Game.SaveToFile(path); }), NoPermission);
        EXPECT_TRUE(Game.UnsavedProgress()) << "a failed save saves nothing";
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        loaded.LoadFromFile(path);
        EXPECT_EQ(loaded.Matchday, 1) << "the old file is intact";
    }
    std::filesystem::remove_all(folder);
}

TEST_F(GameTest, GoldenImageAfterTwelveMatchdays) {
    // Pins every byte a seed produces: simulation, table order, fixture order and the layout.
    for (int i = 0; i < 12; ++i)
        Game.PlayMatchday();
    Game.InvestBuildUp("300");
    uint64_t hash = 1469598103934665603ull; // FNV-1a
    const auto image = Image(Game);
    for (uint8_t byte : std::span(image).first(SaveImageSize))
        hash = (hash ^ byte) * 1099511628211ull;
    EXPECT_EQ(hash, 11229967319008607718ull);
}

TEST_F(GameTest, SavingAndLoadingRefuseWhatIsNotARegularFile) {
    using Make = std::function<void(const std::string&)>;
    const std::pair<const char*, Make> cases[] = {
        {"FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"folder", [](const std::string& p) { std::filesystem::create_directory(p); }},
    };
    for (const auto& [what, make] : cases) {
        const auto folder = TempFolder();
        const std::string path = (folder / "target").string();
        make(path);
        struct stat before {
        }, after{};
        ::lstat(path.c_str(), &before);
        try {
            Game.SaveToFile(path);
            ADD_FAILURE() << what << " was written";
        } catch (const EZnSaveError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
        // Loading refuses it too, at once: a blocking open of a FIFO would wait for a writer.
        EXPECT_THROW(Game.LoadFromFile(path), EZnLoadError) << what;
        ::lstat(path.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino) << what;
        EXPECT_EQ(after.st_mode, before.st_mode) << what;
        EXPECT_EQ(after.st_size, before.st_size) << what;
        EXPECT_EQ(EntryCount(folder), 1u) << what << ": no temporary file is left behind";
        std::filesystem::remove_all(folder);
    }
    EXPECT_THROW(Game.SaveToFile(std::string("a\0b", 3)), EZnSaveError);
    EXPECT_THROW(Game.LoadFromFile(std::string("a\0b", 3)), EZnLoadError);
    EXPECT_THROW(Game.SaveToFile(""), EZnSaveError);
}

TEST_F(GameTest, SavingRefusesAFileTheUserMayNotWrite) {
    // A file without any write permission bit is refused for an ordinary user and for root, who
    // may write any file (the save runs in a child process that drops root for the first case).
    for (const bool asRoot : {false, true}) {
        const auto folder = TempFolder();
        const std::string path = (folder / "locked.sav").string();
        std::ofstream(path) << "old";
        ::chmod(path.c_str(), 0444);
        ::chmod(folder.c_str(), 0777); // the folder would let the file be replaced
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (!asRoot && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(2);
            try {
                Game.SaveToFile(path);
            } catch (const EZnSaveError& error) {
                ::_exit(error.Reason() == TZnFileErrorReason::NoPermission ? 0 : 3);
            }
            ::_exit(1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << "the save must be refused; as root: " << asRoot;
        EXPECT_EQ(FileBytes(path), std::vector<uint8_t>({'o', 'l', 'd'}));
        EXPECT_EQ(EntryCount(folder), 1u);
        std::filesystem::remove_all(folder);
    }
}

TEST_F(GameTest, SavingFollowsLinksAndKeepsModeAndGroup) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    // Root can give a file any group; others keep their own, which still must survive.
    const gid_t group = ::geteuid() == 0 ? 1 : ::getegid();
    struct Case {
        const char* what;
        const char* link; // the target that "save.sav" links to, or nullptr
        int oldMode;      // of an existing file, or -1 when there is none
        mode_t expected;
    };
    const Case cases[] = {
        {"new file", nullptr, -1, 0666 & ~mask},
        {"owner-only file", nullptr, 0600, 0600},
        {"link to a file", "real.sav", 0640, 0640},
        {"dangling link", "real.sav", -1, 0666 & ~mask},
    };
    for (const Case& c : cases) {
        const auto folder = TempFolder();
        const std::string path = (folder / "save.sav").string();
        const std::string file = c.link ? (folder / c.link).string() : path;
        if (c.oldMode >= 0) {
            std::ofstream(file) << "old";
            ::chmod(file.c_str(), static_cast<mode_t>(c.oldMode));
            ASSERT_EQ(::chown(file.c_str(), static_cast<uid_t>(-1), group), 0);
        }
        if (c.link)
            std::filesystem::create_symlink(c.link, path);
        Game.SaveToFile(path);
        EXPECT_EQ(FileBytes(file), Image(Game)) << c.what;
        EXPECT_EQ(std::filesystem::is_symlink(path), c.link != nullptr) << c.what;
        struct stat info {};
        ::stat(file.c_str(), &info);
        EXPECT_EQ(info.st_mode & 07777, c.expected) << c.what;
        if (c.oldMode >= 0) {
            EXPECT_EQ(info.st_gid, group) << c.what;
        }
        EXPECT_EQ(EntryCount(folder), c.link ? 2u : 1u) << c.what;
        std::filesystem::remove_all(folder);
    }
}

TEST_F(GameTest, KilledSavesLeaveTheOldOrNewFileAndNothingElse) {
    const auto folder = TempFolder();
    const std::string path = (folder / "save.sav").string();
    const auto oldImage = Image(Game);
    Game.SaveToFile(path);
    Game.PlayMatchday();
    const auto newImage = Image(Game);
    std::mt19937 random(7);
    int damaged = 0, leftovers = 0;
    for (int kill = 0; kill < 200; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) { // tells the parent it runs, then saves for ever
            (void)!::write(ready[1], "r", 1);
            for (;;)
                Game.SaveToFile(path);
        }
        char byte;
        ::close(ready[1]);
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 2000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto bytes = FileBytes(path);
        damaged += bytes != oldImage && bytes != newImage;
        // Only a kill between naming and renaming leaves a file, and the next save removes it.
        leftovers += EntryCount(folder) != 1;
        ASSERT_LE(EntryCount(folder), 2u) << "left-over files pile up";
    }
    EXPECT_EQ(damaged, 0);
    RecordProperty("KillsThatLeftATemporaryFile", leftovers);
    Game.SaveToFile(path);
    EXPECT_EQ(EntryCount(folder), 1u);
    std::filesystem::remove_all(folder);
}
