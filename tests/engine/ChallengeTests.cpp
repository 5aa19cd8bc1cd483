#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GameAchievements.h"
#include "GameAchievementsFile.h"
#include "GameChallenge.h"
#include "GameMatchRecord.h"
#include "GameOdds.h"
#include "GameSaveData.h"
#include "GameSaveFile.h"
#include "GameSaveFrame.h"
#include "GameTestSupport.h"

namespace {

// A game seeded from the clock, as the window's is: with a code nothing may depend on it.
struct ClockGame {
    explicit ClockGame(const TZnGameSetup& setup) {
        Game.SetMessageLog(&Log);
        // Two games are never one: these compare their saves, identity aside.
        Game.GameIdSource = SeededGameIdSource(0);
        Game.NewGame(setup);
    }
    // Plays `seasons` seasons (or until the title), investing `amount` before every matchday in
    // `investOn` (0-based).
    void Play(int seasons, std::initializer_list<int> investOn = {}, const char* amount = "500") {
        for (int s = 0; s < seasons && !Game.Finished; ++s) {
            if (s > 0)
                Game.NextSeason();
            while (Game.CanPlayMatchday()) {
                if (std::find(investOn.begin(), investOn.end(), Game.Matchday) != investOn.end())
                    Game.InvestBuildUp(amount);
                Game.PlayMatchday();
            }
        }
    }
    TZnLineLog Log;
    TZnGameGoalrun Game{ClockSeedSource()};
};

TZnGameSetup Coded(const char* code, TZnDifficulty difficulty = TZnDifficulty::Normal) {
    return {TZnChallengeCode::Parse(code), difficulty};
}

// The frame's sections after the image.
std::vector<TZnSection> SectionsOf(const std::vector<uint8_t>& image) {
    if (image.size() <= SaveImageSize)
        return {};
    return ReadFrame(std::span(image).subspan(SaveImageSize)).Sections;
}

} // namespace

TEST(ChallengeCode, ParsesItsAlphabetInEitherCaseAndRefusesAnythingElse) {
    const std::pair<const char*, const char*> good[] = {{"ABCD2345", "ABCD2345"},
                                                        {"abcd2345", "ABCD2345"},
                                                        {" \tzzzzzzzz\n", "ZZZZZZZZ"},
                                                        {"22222222", "22222222"},
                                                        {"HjKm9NpQ", "HJKM9NPQ"}};
    for (const auto& [text, shown] : good)
        EXPECT_EQ(TZnChallengeCode::Parse(text).Text(), shown) << text;
    EXPECT_EQ(TZnChallengeCode::Parse("22222222").Value(), 0u);
    EXPECT_EQ(TZnChallengeCode::Parse("ZZZZZZZZ").Value(), 852891037440u) << "31^8 - 1";
    EXPECT_EQ(TZnChallengeCode::FromValue(852891037442u).Text(), "22222223") << "modulo 31^8";
    for (const char* bad :
         {"", "ABCD234", "ABCD23456", "ABCD0345", "ABCDO345", "ABCD1345", "ABCDI345", "ABCDL345",
          "abcdl345", "abcdo345", "ABCD-345", "ABC D345", "ＡＢＣＤ2345", "ABCD\t345"}) {
        try {
            TZnChallengeCode::Parse(bad);
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const EZnChallengeCode& error) {
            EXPECT_NE(std::string(error.what()).find(ChallengeAlphabet), std::string::npos);
        }
    }
    // A drawn code is one of the alphabet, and another draw gives another.
    uint32_t next = 7;
    const auto source = [&](uint32_t) { return next++; };
    const TZnChallengeCode first = TZnChallengeCode::Draw(source);
    EXPECT_EQ(TZnChallengeCode::Parse(first.Text()), first);
    EXPECT_NE(TZnChallengeCode::Draw(source), first);
}

TEST(ChallengeCode, RefusalCountsCharactersAndShowsTheWrongOne) {
    const std::string rule =
        "a challenge code is 8 characters of " + std::string(ChallengeAlphabet);
    const std::string wrong = rule + " (0, 1, I, L and O are never used), not ";
    const std::pair<const char*, std::string> cases[] = {
        {"ABCD234", rule + ", not 7"},
        {"日本語", rule + ", not 3"},
        {"SAKURA2\u00D6", wrong + "'\u00D6'"}, // eight characters, nine bytes
        {"\uFF21BCD2345", wrong + "'\uFF21'"}, // a full-width A
        {"SAKURA2\xFF", wrong + "byte 255"},
        {"SAKURA\xC3\x28", wrong + "byte 195"}, // a lead byte without its follower
    };
    for (const auto& [text, message] : cases) {
        try {
            TZnChallengeCode::Parse(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const EZnChallengeCode& error) {
            EXPECT_EQ(error.what(), message) << text;
        }
    }
}

TEST(ChallengeCode, SeedsArePinnedAndDependOnSeasonAndMatchday) {
    // Golden values: a code must give the same seasons on every machine and in every release.
    const auto pinned = TZnChallengeCode::Parse("SAKURA26");
    EXPECT_EQ(pinned.MatchdaySeed(0, 0), 2652913985u);
    EXPECT_EQ(pinned.MatchdaySeed(0, 1), 1593574828u);
    EXPECT_EQ(pinned.MatchdaySeed(1, 0), 686548095u);
    EXPECT_EQ(pinned.ShuffleSeed(1), 3864792139u);
    EXPECT_NE(TZnChallengeCode::Parse("SAKURA27").MatchdaySeed(0, 0), 2652913985u);
}

TEST(ChallengeCode, SameCodeSameGameWhateverTheClockAnotherCodeAnotherGame) {
    ClockGame first(Coded("SAKURA26")), second(Coded("sakura26")), other(Coded("SAKURA27"));
    for (ClockGame* run : {&first, &second, &other})
        run->Play(2, {0, 4, 17});
    EXPECT_EQ(Image(first.Game), Image(second.Game));
    EXPECT_EQ(first.Log.Lines, second.Log.Lines);
    EXPECT_NE(Image(first.Game), Image(other.Game));
    // Investing changes the draws of its own matchday only: the matchdays after it are drawn
    // from the same seed, and the player's fixture with nothing invested is the same whatever
    // was invested before.
    ClockGame thrifty(Coded("SAKURA26")), spender(Coded("SAKURA26"));
    thrifty.Play(1);
    spender.Play(1, {2}, "3000");
    for (size_t d = 3; d < MatchdayCount; ++d)
        EXPECT_EQ(thrifty.Game.SeasonLog.Rounds[d], spender.Game.SeasonLog.Rounds[d]) << d;
    EXPECT_NE(thrifty.Game.SeasonLog.Rounds[2][0], spender.Game.SeasonLog.Rounds[2][0]);
}

TEST(Difficulty, SetsStartingFundsAndWinBonusAndTravelsInTheSave) {
    struct Row {
        TZnDifficulty Difficulty;
        int32_t Funds;
        int32_t Bonus;
        const char* Key;
    };
    const Row rows[] = {{TZnDifficulty::Easy, 30000, 150, "easy"},
                        {TZnDifficulty::Normal, 20000, 100, "normal"},
                        {TZnDifficulty::Hard, 10000, 50, "hard"}};
    for (const Row& row : rows) {
        EXPECT_EQ(DifficultyKey(row.Difficulty), row.Key);
        EXPECT_EQ(DifficultyOfKey(row.Key), row.Difficulty);
        ClockGame run(Coded("SAKURA26", row.Difficulty));
        EXPECT_EQ(run.Game.Coach().Money, row.Funds) << row.Key;
        EXPECT_EQ(run.Log.Lines.at(1),
                  MessageText(Japanese(), {TZnMessageId::StartingFunds, {row.Funds}}));
        int32_t before = run.Game.Coach().Money;
        while (run.Game.MyClub().Wins == 0) {
            before = run.Game.Coach().Money;
            run.Game.PlayMatchday();
        }
        EXPECT_EQ(run.Game.Coach().Money, before + row.Bonus) << row.Key;
        EXPECT_EQ(MatchdayReport(run.Game, run.Game.Matchday)->Mine->Bonus, row.Bonus);
        run.Play(1, {3, 8});
        // The records of an easy or hard season load back whole: their funds are checked with
        // the difficulty's bonus, not 普通's.
        TZnGameGoalrun loaded(KeepSeedSource());
        TZnLineLog log;
        loaded.SetMessageLog(&log);
        loaded.LoadFromStream(Image(run.Game));
        EXPECT_TRUE(log.Lines.empty()) << row.Key << ": " << log.Lines.front();
        EXPECT_EQ(loaded.Setup(), run.Game.Setup()) << row.Key;
        EXPECT_EQ(loaded.SeasonLog, run.Game.SeasonLog) << row.Key;
        EXPECT_EQ(loaded.Career.Details, run.Game.Career.Details) << row.Key;
        EXPECT_EQ(Image(loaded), Image(run.Game)) << row.Key;
    }
    EXPECT_FALSE(DifficultyOfKey("Hard"));
    // Without a code at 普通 the save holds no challenge section: it is today's file.
    ClockGame plain(TZnGameSetup{});
    plain.Play(1, {1});
    for (const TZnSection& section : SectionsOf(Image(plain.Game)))
        EXPECT_NE(std::string(section.Tag.begin(), section.Tag.end()), "CHAL");
}

TEST(Achievements, EachConditionFromCraftedFactsInTheListedOrder) {
    using enum TZnAchievementId;
    // A matchday in the middle of a season where nothing is met, varied one fact at a time.
    const TZnMatchdayFacts quiet{3, 12, false, true, 0, 0.5, 4, 7, 3};
    const auto with = [&](auto change) {
        TZnMatchdayFacts f = quiet;
        change(f);
        return f;
    };
    const auto won = [](TZnMatchdayFacts& f) {
        f.Won = true;
        f.WinningRun = 1;
    };
    const auto end = [](TZnMatchdayFacts& f) { f.Matchday = MatchdayCount; };
    const std::pair<TZnMatchdayFacts, std::vector<TZnAchievementId>> rows[] = {
        {quiet, {}},
        {with([&](auto& f) { won(f); }), {}},
        {with([&](auto& f) { won(f), f.WonBefore = false; }), {FirstWin}},
        {with([&](auto& f) { f.WonBefore = false; }), {}},
        {with([&](auto& f) { won(f), f.WinningRun = 10; }), {TenInARow}},
        {with([&](auto& f) { won(f), f.WinningRun = 9; }), {}},
        {with([&](auto& f) { won(f), f.WinningRun = 11; }), {}},
        {with([&](auto& f) { won(f), f.WinChance = 0.0499; }), {GiantKilling}},
        {with([&](auto& f) { won(f), f.WinChance = 0.05; }), {}},
        {with([&](auto& f) { f.WinChance = 0.01; }), {}},
        {with([&](auto& f) { end(f), f.Losses = 0; }), {UnbeatenSeason}},
        {with([&](auto& f) { f.Losses = 0; }), {}},
        {with([&](auto& f) { end(f), f.Losses = 1; }), {}},
        {with([&](auto& f) { f.Rank = 0; }), {}},
        {with([&](auto& f) { end(f), f.Rank = 0, f.Season = 5, f.InvestedMatches = 11; }), {Title}},
        {with([&](auto& f) { end(f), f.Rank = 0, f.Season = 4, f.InvestedMatches = 11; }),
         {Title, TitleInFive}},
        {with([&](auto& f) { end(f), f.Rank = 0, f.Season = 5, f.InvestedMatches = 10; }),
         {Title, FrugalTitle}},
        {with([&](auto& f) { end(f), f.Rank = 0, f.Season = 5, f.InvestedMatches.reset(); }),
         {Title}},
        {with([&](auto& f) { end(f), f.InvestedMatches = 0; }), {}},
        {with([&](auto& f) { end(f), f.Season = 99; }), {HundredSeasons}},
        {with([&](auto& f) { end(f), f.Season = 98; }), {}},
        {with([&](auto& f) { f.Season = 99; }), {}},
        // Every other fact at its best, but no win and not the 30th matchday: nothing, so a
        // matchday without a win of the player's earns nothing before the season's end.
        {with([&](auto& f) {
             f.WonBefore = false, f.WinningRun = 10, f.WinChance = 0.01, f.Losses = 0, f.Rank = 0,
             f.Season = 99, f.InvestedMatches = 0;
         }),
         {}},
        // Everything at once stands in the listed order.
        {with([&](auto& f) {
             end(f), won(f), f.WonBefore = false, f.WinChance = 0.01, f.Losses = 0, f.Rank = 0,
                             f.Season = 0, f.InvestedMatches = 0;
         }),
         {FirstWin, GiantKilling, UnbeatenSeason, Title, TitleInFive, FrugalTitle}},
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(AchievementsMet(rows[i].first), rows[i].second) << "row " << i;
    // Earned once a game, stamped with the season and matchday.
    std::vector<TZnAchievement> earned = {{Title, 0, 30}};
    EXPECT_EQ(EarnAchievements(rows[std::size(rows) - 1].first, earned), 5u);
    EXPECT_EQ(earned.at(1), (TZnAchievement{FirstWin, 0, 30}));
    EXPECT_EQ(EarnAchievements(rows[std::size(rows) - 1].first, earned), 0u);
    const std::vector<std::string_view> keys = {
        "first_win", "ten_in_a_row",  "giant_killing", "unbeaten_season",
        "title",     "title_in_five", "frugal_title",  "hundred_seasons"};
    for (const TZnAchievementId id : AllAchievements()) {
        EXPECT_EQ(AchievementKey(id), keys.at(static_cast<size_t>(id)));
        EXPECT_EQ(AchievementOfKey(keys.at(static_cast<size_t>(id))), id);
    }
}

TEST(Achievements, CountAtNormalAndHardOnlyAndTravelInTheSave) {
    std::array<std::vector<TZnAchievement>, DifficultyCount> earned;
    for (const auto difficulty :
         {TZnDifficulty::Easy, TZnDifficulty::Normal, TZnDifficulty::Hard}) {
        ClockGame run(Coded("SAKURA26", difficulty));
        run.Play(2);
        earned[static_cast<size_t>(difficulty)] = run.Game.Achievements;
        // What the records prove is what was earned while playing, here the current season's.
        if (difficulty != TZnDifficulty::Easy) {
            TZnGameGoalrun loaded(KeepSeedSource());
            loaded.LoadFromStream(Image(run.Game));
            EXPECT_EQ(loaded.Achievements, run.Game.Achievements);
        }
    }
    EXPECT_TRUE(earned[0].empty());
    ASSERT_FALSE(earned[1].empty());
    EXPECT_EQ(earned[1].front().Id, TZnAchievementId::FirstWin);
    ASSERT_FALSE(earned[2].empty());
    // The first win of a season of the same code: 難しい plays the same draws with less money.
    EXPECT_EQ(earned[2].front(), earned[1].front());

    // A game without a code at 普通 saves no list: loaded, its records give back what they prove.
    // The weakest club may go a whole season without a win (about once in 130 seasons): another
    // game from the clock is played until one earns something.
    std::unique_ptr<ClockGame> game;
    for (int tries = 0; tries < 20 && (!game || game->Game.Achievements.empty()); ++tries) {
        game = std::make_unique<ClockGame>(TZnGameSetup{});
        game->Play(1);
    }
    ClockGame& plain = *game;
    ASSERT_FALSE(plain.Game.Achievements.empty());
    TZnGameGoalrun loaded(KeepSeedSource());
    loaded.LoadFromStream(Image(plain.Game));
    EXPECT_EQ(loaded.Achievements, plain.Game.Achievements);
    plain.Game.SeasonLog.Clear(); // the plain image: nothing known of the season's odds
    loaded.LoadFromStream(Image(plain.Game));
    for (const TZnAchievement& a : loaded.Achievements)
        EXPECT_NE(a.Id, TZnAchievementId::GiantKilling);

    // Lists no game can hold.
    using enum TZnAchievementId;
    const std::vector<std::vector<TZnAchievement>> implausible = {
        {{FirstWin, 0, 3}, {FirstWin, 0, 4}},
        {{Title, 0, 30}, {FirstWin, 0, 30}},
        {{FirstWin, 0, 5}, {GiantKilling, 0, 4}},
        {{FirstWin, 0, 0}},
        {{FirstWin, 0, 31}},
        {{FirstWin, -1, 3}},
        {{FirstWin, 2, 9}},
        {{static_cast<TZnAchievementId>(8), 0, 3}}};
    for (const auto& list : implausible)
        EXPECT_FALSE(PlausibleAchievements(list, 2, 8)) << list.size();
    EXPECT_TRUE(PlausibleAchievements(
        std::vector<TZnAchievement>{{FirstWin, 0, 30}, {Title, 0, 30}, {TenInARow, 2, 8}}, 2, 8));
}

// A matchday earns what the facts of that matchday meet, the matchdays PlayMatchday works out no
// facts for included. The funds of a rich coach buy a run of wins and, in the second season, the
// title, won on a 30th matchday the player does not win.
TEST(Achievements, EveryMatchdayEarnsWhatItsFactsMeet) {
    ClockGame run(Coded("SAKURA26"));
    run.Game.Coach().Money = 100000000;
    run.Game.SeasonLog.Start(run.Game.Coach().Money, run.Game.Coach().Level());
    for (int season = 0; !run.Game.Finished; ++season) {
        ASSERT_LT(season, 2);
        if (season > 0)
            run.Game.NextSeason();
        while (run.Game.CanPlayMatchday()) {
            if (run.Game.Matchday < MatchdayCount - 1) // the last match is left to chance
                run.Game.InvestBuildUp("3000");
            std::vector<TZnAchievement> expected = run.Game.Achievements;
            run.Game.PlayMatchday();
            EarnAchievements(MatchdayFacts(run.Game, run.Game.Matchday), expected);
            EXPECT_EQ(run.Game.Achievements, expected)
                << "season " << season << ", matchday " << run.Game.Matchday;
        }
    }
    EXPECT_NE(run.Game.MyLastResult(), mrWin);
    std::vector<TZnAchievementId> ids;
    for (const TZnAchievement& a : run.Game.Achievements)
        ids.push_back(a.Id);
    using enum TZnAchievementId;
    EXPECT_EQ(ids, (std::vector{FirstWin, TenInARow, Title, TitleInFive}));
}

TEST(Achievements, ALostChallengeIsNamedOnlyWhereTheFileHeldOne) {
    ClockGame run(Coded("SAKURA26", TZnDifficulty::Hard));
    run.Play(1);
    ASSERT_FALSE(run.Game.Achievements.empty());
    auto bytes = Image(run.Game);
    auto sections = SectionsOf(bytes);
    ASSERT_EQ(sections.size(), 8u) << "the image's check, the game and six kinds";
    // Every byte of the challenge section's body, changed, fails its checksum.
    TZnWriteStream rewritten;
    sections[6].Body[0] ^= 1;
    WriteFrame(rewritten, sections);
    bytes.resize(SaveImageSize);
    bytes.insert(bytes.end(), rewritten.Bytes.begin(), rewritten.Bytes.end());
    TZnGameGoalrun loaded(KeepSeedSource());
    TZnLineLog log;
    loaded.SetMessageLog(&log);
    loaded.LoadFromStream(bytes);
    EXPECT_EQ(loaded.Setup(), TZnGameSetup{}) << "a game without a code at 普通";
    EXPECT_EQ(loaded.Matchday, MatchdayCount);
    ASSERT_EQ(log.Lines.size(), 1u);
    // The hard season's funds, checked with 普通's bonus, no longer agree.
    EXPECT_EQ(log.Lines[0],
              "今季の自チームの試合記録、挑戦コードと難易度が壊れているため読み込めませんでした。");
    EXPECT_EQ(loaded.Achievements, run.Game.Achievements);

    // A frame cut within its last section names what it cost, as before codes existed, and
    // says that what may have followed it (the challenge and the achievements, where the file
    // held them) is lost too, without naming it.
    ClockGame plain(TZnGameSetup{});
    plain.Play(1);
    auto cut = Image(plain.Game);
    cut.resize(cut.size() - 8);
    TZnLineLog cutLog;
    loaded.SetMessageLog(&cutLog);
    loaded.LoadFromStream(cut);
    EXPECT_EQ(cutLog.Lines,
              std::vector<std::string>{"記録の途中が壊れているため、今季の自チームの試合記録、"
                                       "壊れた箇所より後の記録を読み込めませんでした。"});
}

TEST(AchievementsFile, KeepsTheFirstOfEachAndRefusesOrSkipsWhatIsNotItsOwn) {
    using enum TZnAchievementId;
    using State = TZnAchievementsFileState;
    // A folder of its own, whoever else runs the tests on this machine.
    std::string pattern = (std::filesystem::temp_directory_path() / "goalrun-achv-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::string path = (folder / "achievements").string();
    EXPECT_EQ(ReadAchievementsFile(path).State, State::Missing);
    const TZnEarnedAchievement first{FirstWin, "2026-12-07", 0, TZnDifficulty::Normal, {}};
    const TZnEarnedAchievement title{Title, "2026-12-08", 4, TZnDifficulty::Hard,
                                     TZnChallengeCode::Parse("SAKURA26")};
    EXPECT_EQ(RecordAchievements(path, std::vector{first}).size(), 1u);
    // A second first win keeps the first one's date; easy earns nothing.
    auto again = first;
    again.Date = "2027-01-01";
    auto easy = title;
    easy.Id = GiantKilling;
    easy.Difficulty = TZnDifficulty::Easy;
    EXPECT_EQ(RecordAchievements(path, std::vector{again, title, easy}).size(), 1u);
    const auto read = ReadAchievementsFile(path);
    EXPECT_EQ(read.State, State::Read);
    EXPECT_EQ(read.Earned, (std::vector{first, title}));
    const auto bytes = ReadRegularFile(path, 1000);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "first_win\t2026-12-07\t1\tnormal\t-\ntitle\t2026-12-08\t5\thard\tSAKURA26\n");

    // Damaged lines are skipped, the good ones kept, and the next record writes them anew.
    const std::string good = "unbeaten_season\t2026-01-02\t3\tnormal\t-\n";
    const std::string damaged[] = {
        "bogus\t2026-01-02\t3\tnormal\t-\n",         "title\t2026-1-02\t3\tnormal\t-\n",
        "title\t2026-01-02\t0\tnormal\t-\n",         "title\t2026-01-02\t3\teasy\t-\n",
        "title\t2026-01-02\t3\tnormal\tSAKURA20\n",  "title\t2026-01-02\t3\tnormal\n",
        "unbeaten_season\t2027-01-02\t9\thard\t-\n", "title\t2026-01-02\t3\tnormal\t-"};
    for (const std::string& line : damaged) {
        WriteFileAtomically(path, AchievementsBytes(std::vector<TZnEarnedAchievement>{}));
        const std::string text = good + line;
        WriteFileAtomically(path,
                            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        const auto file = ReadAchievementsFile(path);
        EXPECT_EQ(file.State, State::Damaged) << line;
        ASSERT_EQ(file.Earned.size(), 1u) << line;
        EXPECT_EQ(file.Earned[0].Season, 2) << line;
        EXPECT_EQ(RecordAchievements(path, std::vector{first}).size(), 1u);
        EXPECT_EQ(ReadAchievementsFile(path).State, State::Read) << line;
    }
    // A file too large is read up to its bound; what is not a regular file is never replaced.
    std::string huge;
    while (huge.size() <= AchievementsFileMaxSize)
        huge += good;
    WriteFileAtomically(path,
                        std::span(reinterpret_cast<const uint8_t*>(huge.data()), huge.size()));
    EXPECT_EQ(ReadAchievementsFile(path).State, State::Damaged);
    EXPECT_EQ(ReadAchievementsFile(path).Earned.size(), 1u);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(ReadAchievementsFile(path).State, State::Refused);
    EXPECT_THROW(RecordAchievements(path, std::vector{first}), EZnSaveError);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadAchievementsFile(path).State, State::Refused) << "at once, without a writer";
    EXPECT_THROW(RecordAchievements(path, std::vector{first}), EZnSaveError);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    std::filesystem::remove_all(folder);
}

namespace {

// A folder of its own for one test, removed at its end, and its achievements file.
struct AchievementsFolder {
    AchievementsFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "goalrun-XXXXXX").string();
        Folder = ::mkdtemp(pattern.data()) != nullptr ? pattern : "";
        Path = (std::filesystem::path(Folder) / "achievements").string();
    }
    ~AchievementsFolder() { std::filesystem::remove_all(Folder); }
    [[nodiscard]] std::string Text() const {
        const auto bytes = ReadRegularFile(Path, 1 << 20);
        return {bytes.begin(), bytes.end()};
    }
    void Write(const std::string& text) const {
        WriteFileAtomically(Path,
                            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    std::string Folder, Path;
};

const std::string FirstWinLine = "first_win\t2026-12-07\t1\tnormal\t-\n";
const std::string TitleLine = "title\t2026-12-08\t5\thard\tSAKURA26\n";
const std::string UnbeatenLine = "unbeaten_season\t2027-01-02\t3\tnormal\t-\n";
const TZnEarnedAchievement Unbeaten{
    TZnAchievementId::UnbeatenSeason, "2027-01-02", 2, TZnDifficulty::Normal, {}};

} // namespace

TEST(AchievementsFile, EveryGoodLineReadIsKeptByTheNextRecord) {
    const std::string junk = "# written by hand\n";
    // Junk that brings a file to `size` bytes with its last line complete.
    const auto padTo = [](std::string text, size_t size) {
        return text + std::string(size - text.size() - 1, 'x') + '\n';
    };
    const size_t bound = AchievementsFileMaxSize;
    struct Case {
        const char* Name;
        std::string Text;
        bool Damaged;
        std::string Kept; // the file's lines before those recorded
    } cases[] = {
        {"crlf", "first_win\t2026-12-07\t1\tnormal\t-\r\ntitle\t2026-12-08\t5\thard\tSAKURA26\r\n",
         false, FirstWinLine + TitleLine},
        {"junk around", junk + FirstWinLine + junk + TitleLine + junk, true,
         FirstWinLine + TitleLine},
        {"too large", padTo(FirstWinLine + TitleLine, bound + 1000), true,
         FirstWinLine + TitleLine},
        // The bound falls after a line's end, then within one.
        {"at the bound", padTo(FirstWinLine, bound - TitleLine.size()) + TitleLine + "x\n", true,
         FirstWinLine + TitleLine},
        {"cut", padTo(FirstWinLine, bound - TitleLine.size() + 1) + TitleLine, true, FirstWinLine},
    };
    for (const Case& c : cases) {
        AchievementsFolder files;
        files.Write(c.Text);
        EXPECT_EQ(ReadAchievementsFile(files.Path).State,
                  c.Damaged ? TZnAchievementsFileState::Damaged : TZnAchievementsFileState::Read)
            << c.Name;
        EXPECT_EQ(RecordAchievements(files.Path, std::vector{Unbeaten}).size(), 1u) << c.Name;
        EXPECT_EQ(files.Text(), c.Kept + UnbeatenLine) << c.Name;
    }
}

TEST(AchievementsFile, TwoCopiesRecordingAtOnceKeepEachOthersLines) {
    AchievementsFolder files;
    files.Write(FirstWinLine);
    // Another copy holds the lock: nothing is written without it.
    int other = ::open((files.Path + ".lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_THROW(RecordAchievements(files.Path, std::vector{Unbeaten}, {}), EZnSaveError);
    EXPECT_EQ(files.Text(), FirstWinLine);
    // This copy waits; the other adds its title and lets go. Only then does this copy read, so
    // it finds the title.
    std::vector<TZnEarnedAchievement> added;
    std::thread waiting([&] {
        added = RecordAchievements(files.Path, std::vector{Unbeaten}, std::chrono::seconds(20));
    });
    files.Write(files.Text() + TitleLine);
    EXPECT_EQ(files.Text(), FirstWinLine + TitleLine) << "written under the other's lock";
    ::close(other);
    waiting.join();
    EXPECT_EQ(added.size(), 1u);
    EXPECT_EQ(files.Text(), FirstWinLine + TitleLine + UnbeatenLine);

    // A lock that is not a plain file of its own is refused at once, and nothing is written.
    AchievementsFolder linked;
    std::filesystem::create_symlink(linked.Folder + "/elsewhere", linked.Path + ".lock");
    EXPECT_THROW(RecordAchievements(linked.Path, std::vector{Unbeaten}), EZnSaveError);
    EXPECT_FALSE(std::filesystem::exists(linked.Folder + "/elsewhere"));
    std::filesystem::remove(linked.Path + ".lock");
    ASSERT_EQ(::mkfifo((linked.Path + ".lock").c_str(), 0600), 0);
    EXPECT_THROW(RecordAchievements(linked.Path, std::vector{Unbeaten}), EZnSaveError);
    EXPECT_FALSE(std::filesystem::exists(linked.Path));
}
