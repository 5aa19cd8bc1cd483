#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include "ConstsGoalrun.h"
#include "GameAchievements.h"
#include "GameCrc32.h"
#include "GameMatchRecord.h"
#include "GameRecords.h"
#include "GameSaveData.h"
#include "GameSaveFile.h"
#include "GameSaveFrame.h"
#include "GameSaveSections.h"
#include "GameSeasonRecord.h"
#include "GameTestSupport.h"
#include "ZnStream.h"

namespace {

// The rounds of every fixture of the coming matchday, drawn again from a copy of the generator
// the way the matches have always been played: "-" no chance, "x" stopped, "G" goal; home
// rounds, then away rounds.
std::vector<std::string> ReplayRounds(const TZnGameGoalrun& game) {
    TZnRandom random = game.Random;
    std::vector<std::string> fixtures;
    const TZnMatchList& day = game.Schedule().Matchdays(game.Matchday);
    for (int32_t j = 0; j < day.Count(); ++j) {
        const TZnClub& home = game.Clubs().ClubById(day.Matches(j).HomeId);
        const TZnClub& away = game.Clubs().ClubById(day.Matches(j).AwayId);
        std::string homeRounds, awayRounds;
        for (int k = 0; k < 6; ++k) {
            for (auto [attack, defense, out] :
                 {std::tuple{home.EffectiveAttack() * 1.1, double(away.EffectiveDefense()),
                             &homeRounds},
                  std::tuple{double(away.EffectiveAttack()), home.EffectiveDefense() * 1.1,
                             &awayRounds}}) {
                const bool chance = random.Below(10000) < attack;
                *out += !chance ? '-' : random.Below(10000) > defense ? 'G' : 'x';
            }
        }
        fixtures.push_back(homeRounds + awayRounds);
    }
    return fixtures;
}

std::string Marks(const TZnFixtureReport& f) {
    std::string marks;
    for (const auto* side : {&f.HomeRounds, &f.AwayRounds})
        for (const TZnRound r : *side)
            marks += r == TZnRound::Goal ? 'G' : r == TZnRound::Stopped ? 'x' : '-';
    return marks;
}

// Offset of the body of the section tagged `tag` in a saved file's records; 0 when absent.
size_t SectionAt(const std::vector<uint8_t>& b, const std::string& tag) {
    for (size_t at = SaveImageSize + 16; at + 12 <= b.size(); at += 16 + size_t(Int32At(b, at + 4)))
        if (std::string(b.begin() + long(at), b.begin() + long(at) + 4) == tag)
            return at + 12;
    return 0;
}

// The checksum of section `tag` made right again, so that only a value is wrong.
void FixCrc(std::vector<uint8_t>& b, const std::string& tag) {
    const size_t body = SectionAt(b, tag);
    if (body == 0)
        return;
    const size_t end = body + size_t(Int32At(b, body - 8));
    PutInt32(b, end, int32_t(Crc32(std::span(b).subspan(body - 12, end - body + 12))));
}

// The check of the image made right again after the image was edited, so that the records are
// read against the edited image.
void FixImageCheck(std::vector<uint8_t>& b) {
    PutInt32(b, SectionAt(b, "ICRC"), int32_t(Crc32(std::span(b).first(SaveImageSize))));
    FixCrc(b, "ICRC");
}

// Adds a section at the end of a saved file's records, as a later release might.
void AddSection(std::vector<uint8_t>& b, const std::string& tag, int32_t version,
                std::vector<uint8_t> body) {
    PutInt32(b, SaveImageSize + 12, Int32At(b, SaveImageSize + 12) + 1);
    const size_t start = b.size();
    b.insert(b.end(), tag.begin(), tag.end());
    b.resize(b.size() + 8);
    PutInt32(b, start + 4, int32_t(body.size()));
    PutInt32(b, start + 8, version);
    b.insert(b.end(), body.begin(), body.end());
    b.resize(b.size() + 4);
    PutInt32(b, b.size() - 4, int32_t(Crc32(std::span(b).subspan(start, b.size() - 4 - start))));
}

// The same records in the first frame of the release that introduced them: no version or
// checksum of their own, one checksum after them all.
std::vector<uint8_t> FirstFrame(const std::vector<uint8_t>& b) {
    std::vector<uint8_t> first(b.begin(), b.begin() + long(SaveImageSize) + 16);
    PutInt32(first, SaveImageSize + 8, 1);
    for (size_t at = SaveImageSize + 16; at < b.size(); at += 16 + size_t(Int32At(b, at + 4))) {
        first.insert(first.end(), b.begin() + long(at), b.begin() + long(at) + 8);
        first.insert(first.end(), b.begin() + long(at) + 12,
                     b.begin() + long(at) + 12 + Int32At(b, at + 4));
    }
    first.resize(first.size() + 4);
    PutInt32(
        first, first.size() - 4,
        int32_t(Crc32(std::span(first).subspan(SaveImageSize, first.size() - SaveImageSize - 4))));
    return first;
}

} // namespace

class RecordsTest : public GameTest {
protected:
    // Two seasons and five matchdays of a third, with money invested now and then.
    void PlayIntoThirdSeason() {
        for (int i = 0; i < 65; ++i) {
            if (!Game.CanPlayMatchday())
                Game.NextSeason();
            if (i % 4 == 0)
                (void)Game.InvestBuildUp("700");
            Game.PlayMatchday();
        }
    }
};

TEST_F(RecordsTest, RecordedRoundsAreTheDrawsAndAgreeWithTheScore) {
    const struct {
        uint32_t seed;
        int matchdays;
        const char* invest;
    } cases[] = {{1, 30, "0"}, {7, 12, "5000"}, {42, 30, "300"}, {99, 3, "19000"}};
    for (const auto& c : cases) {
        Game.Random.Seed = c.seed;
        Game.NewGame();
        for (int d = 1; d <= c.matchdays; ++d) {
            (void)Game.InvestBuildUp(c.invest);
            const auto expected = ReplayRounds(Game);
            Game.PlayMatchday();
            const auto report = MatchdayReport(Game, d);
            ASSERT_TRUE(report && report->Mine);
            for (size_t j = 0; j < expected.size(); ++j) {
                const TZnFixtureReport& f = report->Fixtures[j];
                const std::string marks = Marks(f);
                ASSERT_EQ(marks, expected[j]) << "seed " << c.seed << " matchday " << d;
                EXPECT_EQ(std::count(marks.begin(), marks.begin() + 6, 'G'), f.HomeGoals);
                EXPECT_EQ(std::count(marks.begin() + 6, marks.end(), 'G'), f.AwayGoals);
                EXPECT_EQ(6 - std::count(marks.begin(), marks.begin() + 6, '-'), f.HomeChances);
                EXPECT_EQ(6 - std::count(marks.begin() + 6, marks.end(), '-'), f.AwayChances);
            }
            EXPECT_EQ(report->Mine->RankAfter, Game.MyClub().Rank);
            EXPECT_EQ(report->Mine->MoneyAfter, Game.Coach().Money);
        }
        const TZnSeasonReview review = CurrentSeasonReview(Game);
        EXPECT_EQ(review.MoneyStart - review.Invested + review.Bonuses + review.Prize,
                  review.MoneyNow)
            << "seed " << c.seed;
    }
}

TEST_F(RecordsTest, EverySectionRoundTrips) {
    PlayIntoThirdSeason();
    const auto saved = Image(Game);
    for (const char* tag : {"CARE", "SEAS", "RNDS", "MINE"})
        EXPECT_NE(SectionAt(saved, tag), 0u) << tag;
    TZnGameGoalrun other(KeepSeedSource());
    other.LoadFromStream(saved);
    EXPECT_EQ(other.Career.Seasons, Game.Career.Seasons);
    EXPECT_EQ(other.Career.Details, Game.Career.Details);
    EXPECT_EQ(other.SeasonLog, Game.SeasonLog);
    EXPECT_EQ(Image(other), saved);
    EXPECT_TRUE(Game.Career.Details[1].Known && Game.Career.Details[1].StartKnown);
}

TEST_F(RecordsTest, DamagedSectionCostsOnlyItsOwnRecords) {
    PlayIntoThirdSeason();
    const auto saved = Image(Game);
    // Sets the byte at `at` to `value`, or to 2 where it holds 0 already.
    const auto setByte = [](std::vector<uint8_t>& b, size_t at, uint8_t value) {
        b[at] = value != 0 || b[at] != 0 ? value : 2;
    };
    using Edit = std::function<void(std::vector<uint8_t>&, size_t)>; // bytes, the section's body
    // Four zero bytes more at the end of the section's body, its length made right.
    const Edit append = [](std::vector<uint8_t>& b, size_t at) {
        const int32_t length = Int32At(b, at - 8);
        b.insert(b.begin() + long(at) + length, 4, 0);
        PutInt32(b, at - 8, length + 4);
    };
    const struct {
        const char* name;
        const char* tag; // "" for an edit of the image
        Edit edit;
        const char* line;
    } cases[] = {
        // The level of the first season: 0.
        {"career", "CARE", [&](auto& b, size_t at) { setByte(b, at + 4 + 20, 0); },
         "経歴データ、過去のシーズンの記録"},
        // The last season is the current one, which has five matchdays to its 30th.
        {"career ends with this season", "CARE",
         [](auto& b, size_t at) { PutInt32(b, at + 28, 2); }, "経歴データ、過去のシーズンの記録"},
        // The best win of the first season: a goal fewer than conceded.
        {"season detail", "SEAS", [&](auto& b, size_t at) { setByte(b, at + 4 + 22, 0); },
         "過去のシーズンの記録"},
        // The best win of the first season, 4-2, made a 2-2 draw.
        {"season detail's best win a draw", "SEAS",
         [&](auto& b, size_t at) { setByte(b, at + 4 + 22, 2); }, "過去のシーズンの記録"},
        // The investment of the first season: 2^63-1.
        {"season's investment", "SEAS",
         [](auto& b, size_t at) {
             PutInt32(b, at + 4 + 13, -1);
             PutInt32(b, at + 4 + 17, INT32_MAX);
         },
         "過去のシーズンの記録"},
        // The first four home rounds of the first fixture of matchday 1: no such value.
        {"rounds", "RNDS", [&](auto& b, size_t at) { setByte(b, at + 4, 0xFF); }, "今季の試合経過"},
        // The rank after matchday 1: 16.
        {"player's fixtures", "MINE", [&](auto& b, size_t at) { setByte(b, at + 16 + 32, 16); },
         "今季の自チームの試合記録"},
        // 2^31-1 invested in matchday 1, the strengths it gives noted alike.
        {"investment", "MINE",
         [](auto& b, size_t at) {
             for (const size_t field : {1, 3, 4})
                 PutInt32(b, at + 16 + 4 * field, INT32_MAX);
         },
         "今季の自チームの試合記録"},
        {"funds after matchday 1", "MINE",
         [](auto& b, size_t at) { PutInt32(b, at + 16 + 36, Int32At(b, at + 16 + 36) + 1); },
         "今季の自チームの試合記録"},
        // The coach's funds of the image, unlike those after the last matchday.
        {"funds of the image", "", [](auto& b, size_t) { PutInt32(b, 1026, Int32At(b, 1026) - 1); },
         "今季の自チームの試合記録"},
        {"career appended", "CARE", append, "経歴データ、過去のシーズンの記録"},
        {"season detail appended", "SEAS", append, "過去のシーズンの記録"},
        {"rounds appended", "RNDS", append, "今季の試合経過"},
        {"player's fixtures appended", "MINE", append, "今季の自チームの試合記録"},
    };
    for (const auto& c : cases) {
        auto bytes = saved;
        c.edit(bytes, SectionAt(bytes, c.tag));
        FixCrc(bytes, c.tag);
        FixImageCheck(bytes);
        TZnGameGoalrun other(KeepSeedSource());
        TZnLineLog log;
        other.SetMessageLog(&log);
        other.LoadFromStream(bytes);
        EXPECT_EQ(log.Lines, std::vector<std::string>{std::string(c.line) +
                                                      "が壊れているため読み込めませんでした。"})
            << c.name;
        EXPECT_EQ(other.Matchday, Game.Matchday) << c.name;
        const std::string tag = c.tag;
        EXPECT_EQ(other.Career.Seasons.size(), tag == "CARE" ? 0u : 2u) << c.name;
        EXPECT_EQ(other.SeasonLog.Rounds == Game.SeasonLog.Rounds, tag != "RNDS") << c.name;
        EXPECT_EQ(other.SeasonLog.Mine == Game.SeasonLog.Mine, tag != "MINE" && !tag.empty())
            << c.name;
    }
    // One damaged section among four costs only its own records.
    auto bytes = saved;
    bytes[SectionAt(bytes, "SEAS") + 5] ^= 1;
    TZnGameGoalrun other(KeepSeedSource());
    TZnLineLog log;
    other.SetMessageLog(&log);
    other.LoadFromStream(bytes);
    EXPECT_EQ(log.Lines, std::vector<std::string>{
                             "過去のシーズンの記録が壊れているため読み込めませんでした。"});
    EXPECT_EQ(other.Career.Seasons, Game.Career.Seasons);
    EXPECT_EQ(other.Career.Details, std::deque<TZnSeasonDetail>(2));
    EXPECT_EQ(other.SeasonLog, Game.SeasonLog);
}

TEST_F(RecordsTest, SectionsOfLaterReleasesAreKeptAndWrittenBack) {
    PlayIntoThirdSeason();
    auto later = Image(Game);
    AddSection(later, "xTRa", 1, {1, 2, 3}); // safe to copy
    AddSection(later, "XTRA", 1, {4, 5});    // not safe to copy
    auto newerCareer = later;
    AddSection(newerCareer, "CARE", 2, {6}); // a later layout of a known kind
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        std::vector<uint8_t> written;
    } cases[] = {
        {"later sections", later, later},
        {"a later career layout", newerCareer, newerCareer},
        {"the first frame with a tag it does not know", FirstFrame(later), later},
    };
    for (const auto& c : cases) {
        TZnGameGoalrun other(KeepSeedSource());
        TZnLineLog log;
        other.SetMessageLog(&log);
        other.LoadFromStream(c.file);
        EXPECT_TRUE(log.Lines.empty()) << c.name;
        EXPECT_EQ(other.Career.Seasons, Game.Career.Seasons) << c.name;
        EXPECT_EQ(other.Career.Details, Game.Career.Details) << c.name;
        EXPECT_EQ(other.SeasonLog, Game.SeasonLog) << c.name;
        EXPECT_EQ(Image(other), c.written) << c.name << ": written back unchanged";
        // Once the game changes, only what is safe to copy goes on.
        other.PlayMatchday();
        const auto changed = Image(other);
        EXPECT_NE(SectionAt(changed, "xTRa"), 0u) << c.name;
        EXPECT_EQ(Int32At(changed, SaveImageSize + 12), 7)
            << c.name << ": the image's check, the game, four kinds and xTRa";
    }
}

// The largest file the game writes: a career at its capacity with the detail of every season,
// and a whole season's rounds and fixtures.
TEST_F(RecordsTest, FullCareerLoadsBackWhole) {
    // Seasons of ten wins, draws and losses each: 30 experience, three levels a season.
    for (int32_t s = 0; s < int32_t{CareerCapacity}; ++s) {
        Game.Career.Append({s, 3, 40, 10, 10, 10, 30, 30, 10240, 50000, 4 + 3 * s, false});
        TZnSeasonDetail& d = Game.Career.Details.back();
        d = {true,
             true,
             50000,
             1 + 3 * s,
             1000,
             TZnResultLine{1, 2, 0, 5},
             TZnResultLine{2, 0, 1, 6},
             12,
             4,
             {}};
        d.Ranks.back() = 3;
    }
    Game.Season = int32_t{CareerCapacity};
    // The coach the last season left: its funds and level are what the current one begins with.
    Game.Coach().Money = 50000;
    Game.Coach().Experience = 300000;
    Game.SeasonLog.Start(Game.Coach().Money, Game.Coach().Level());
    PlaySeason();
    ASSERT_EQ(Game.Career.Seasons.size(), CareerCapacity);
    const auto folder = std::filesystem::temp_directory_path() /
                        ("goalrun-full-career-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "full.sav").string();
    Game.SaveToFile(path);
    EXPECT_EQ(std::filesystem::file_size(path), SaveFileMaxSize() - ForeignSectionsMaxSize)
        << "the bound is exact";
    TZnGameGoalrun other(KeepSeedSource());
    TZnLineLog log;
    other.SetMessageLog(&log);
    other.LoadFromFile(path);
    std::filesystem::remove_all(folder);
    EXPECT_TRUE(log.Lines.empty());
    EXPECT_EQ(other.Career.Seasons, Game.Career.Seasons);
    EXPECT_EQ(other.Career.Details, Game.Career.Details);
    EXPECT_EQ(other.SeasonLog, Game.SeasonLog);
}

TEST_F(RecordsTest, PlainImageLoadsWithoutRecords) {
    for (int d = 0; d < 4; ++d)
        Game.PlayMatchday();
    auto bytes = Image(Game);
    bytes.resize(SaveImageSize);
    Game.LoadFromStream(bytes);
    const auto report = MatchdayReport(Game, 4);
    ASSERT_TRUE(report);
    EXPECT_FALSE(report->Fixtures[0].HasRounds || report->Mine);
    EXPECT_FALSE(CurrentSeasonReview(Game).StartKnown);
    for (const char* tag : {"CARE", "SEAS", "RNDS", "MINE"})
        EXPECT_EQ(SectionAt(Image(Game), tag), 0u) << tag;

    Game.NewGame();
    (void)Game.InvestBuildUp("250");
    const auto atStart = Image(Game);
    for (const char* tag : {"CARE", "SEAS", "RNDS", "MINE"})
        EXPECT_EQ(SectionAt(atStart, tag), 0u)
            << tag << ": before the first matchday the image is enough";
    Game.LoadFromStream(atStart);
    const TZnSeasonReview review = CurrentSeasonReview(Game);
    EXPECT_TRUE(review.StartKnown);
    EXPECT_EQ(review.MoneyStart, StartingMoney);
}

TEST(SeasonSummaryTest, TiesGoToMoreGoalsThenTheEarlierMatchday) {
    TZnSeasonDetail d;
    // Four wins, two defeats, then five unbeaten matches with two wins in them.
    SummariseResults({{2, 0, 1},
                      {3, 1, 2},
                      {1, 0, 3},
                      {3, 1, 4},
                      {0, 2, 5},
                      {1, 3, 6},
                      {0, 0, 7},
                      {1, 1, 8},
                      {2, 0, 9},
                      {0, 0, 10},
                      {1, 0, 11}},
                     d);
    EXPECT_EQ(d.BestWin, (TZnResultLine{2, 3, 1, 2}));
    EXPECT_EQ(d.WorstDefeat, (TZnResultLine{6, 1, 3, 6}));
    EXPECT_EQ(d.LongestUnbeaten, 5);
    EXPECT_EQ(d.LongestWinning, 4);
}

TEST_F(RecordsTest, RecordsBookKeepsTheEarliestSeasonAmongEquals) {
    for (int32_t s = 0; s < 4; ++s) {
        Game.Career.Append({s, s == 2 ? 0 : 3, 40, 10, 10, 10, 30, s % 2 == 1 ? 20 : 30, 100,
                            s == 3 ? 900 : 500, 2, s == 2});
        Game.Career.Details.back().Known = s != 0;
        Game.Career.Details.back().LongestUnbeaten = 5;
        Game.Career.Details.back().BestWin = TZnResultLine{10 - s, 4, 1, 3};
    }
    const TZnRecordsBook book = RecordsBook(Game);
    EXPECT_EQ(book.Titles, 1);
    EXPECT_EQ(book.BestRank->Season, 2);
    EXPECT_EQ(book.MostPoints->Season, 0);
    EXPECT_EQ(book.FewestConceded->Season, 1);
    EXPECT_EQ(book.FewestConceded->Value, 20);
    EXPECT_EQ(book.HighestMoney->Value, 900);
    EXPECT_EQ(book.LongestUnbeaten->Season, 1) << "season 0 has no detail";
    EXPECT_EQ(book.BiggestWin->Season, 1);
    EXPECT_EQ(book.BiggestWin->Result.Line.Matchday, 9);
}

namespace {

// A file's sections after the image, rewritten by `edit` and framed again with right checksums.
std::vector<uint8_t> Rewritten(const std::vector<uint8_t>& b,
                               const std::function<void(std::vector<TZnSection>&)>& edit) {
    auto sections = ReadFrame(std::span(b).subspan(SaveImageSize)).Sections;
    edit(sections);
    TZnWriteStream frame;
    WriteFrame(frame, sections);
    std::vector<uint8_t> file(b.begin(), b.begin() + long(SaveImageSize));
    file.insert(file.end(), frame.Bytes.begin(), frame.Bytes.end());
    return file;
}

TZnSection& Tagged(std::vector<TZnSection>& sections, const std::string& tag) {
    return *std::find_if(sections.begin(), sections.end(), [&](const TZnSection& s) {
        return std::string(s.Tag.begin(), s.Tag.end()) == tag;
    });
}

std::vector<uint8_t> AchievementsBody(const std::vector<TZnAchievement>& earned) {
    TZnWriteStream body;
    body.WriteInt32(int32_t(earned.size()));
    for (const TZnAchievement& a : earned)
        for (const int32_t value : {int32_t(a.Id), a.Season, a.Matchday})
            body.WriteInt32(value);
    return body.Bytes;
}

// The lines `game` logs loading `file`.
std::vector<std::string> LoadLog(TZnGameGoalrun& game, const std::vector<uint8_t>& file) {
    TZnLineLog log;
    game.SetMessageLog(&log);
    game.LoadFromStream(file);
    game.SetMessageLog(nullptr);
    return log.Lines;
}

std::string Damaged(const std::string& kinds) {
    return kinds + "が壊れているため読み込めませんでした。";
}

std::string Broken(const std::string& kinds) {
    return "記録の途中が壊れているため、" + kinds +
           "壊れた箇所より後の記録を読み込めませんでした。";
}

std::string WrongCount(int said, int found) {
    return "記録の数が合いません（ファイルには" + std::to_string(said) + "件とありますが、" +
           std::to_string(found) + "件ありました）。";
}

} // namespace

// A game with a code at 普通 two seasons and five matchdays in: every kind of record, and the
// challenge and achievements sections besides the image's check and the game's identity.
class CodedRecordsTest : public RecordsTest {
protected:
    CodedRecordsTest() {
        Game.NewGame({TZnChallengeCode::Parse("SAKURA26"), TZnDifficulty::Normal});
        PlayIntoThirdSeason();
    }
};

TEST_F(CodedRecordsTest, FramesWhoseCountOrLengthsDisagreeSayWhatTheyLost) {
    const auto saved = Image(Game);
    ASSERT_EQ(Int32At(saved, SaveImageSize + 12), 8);
    // The count, or a section's length, set to `value`.
    const auto count = [](int32_t value) {
        return [=](std::vector<uint8_t>& b) { PutInt32(b, SaveImageSize + 12, value); };
    };
    const auto length = [](const char* tag, int32_t change) {
        return [=](std::vector<uint8_t>& b) {
            const size_t at = SectionAt(b, tag) - 8;
            PutInt32(b, at, Int32At(b, at) + change);
        };
    };
    // The tags are copied: an initializer list's array ends with the statement that made it.
    const auto flip = [](std::vector<const char*> tags) {
        return [=](std::vector<uint8_t>& b) {
            for (const char* tag : tags)
                b[SectionAt(b, tag) + 5] ^= 1;
        };
    };
    const struct {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> edit;
        std::vector<std::string> lines;
        // The kinds read whole: Career, Seasons, Rounds, Mine, cHallenge, Achievements.
        std::string kept;
    } cases[] = {
        {"count 0", count(0), {WrongCount(0, 8)}, "CSRMHA"},
        {"count -1", count(-1), {WrongCount(-1, 8)}, "CSRMHA"},
        {"count short of the sections", count(3), {WrongCount(3, 8)}, "CSRMHA"},
        {"count beyond the sections", count(9), {WrongCount(9, 8), Broken("")}, "CSRMHA"},
        {"rounds past the end",
         length("RNDS", 1 << 30),
         {Broken("今季の試合経過、今季の自チームの試合記録、")},
         "CS"},
        {"season detail four bytes longer",
         length("SEAS", 4),
         {Broken("過去のシーズンの記録、今季の試合経過、今季の自チームの試合記録、")},
         "C"},
        {"two damaged sections in a row",
         flip({"SEAS", "RNDS"}),
         {Damaged("過去のシーズンの記録、今季の試合経過")},
         "CMHA"},
    };
    for (const auto& c : cases) {
        auto bytes = saved;
        c.edit(bytes);
        TZnGameGoalrun other(KeepSeedSource());
        EXPECT_EQ(LoadLog(other, bytes), c.lines) << c.name;
        const auto kept = [&](char kind) { return c.kept.find(kind) != std::string::npos; };
        EXPECT_EQ(other.Career.Seasons == Game.Career.Seasons, kept('C')) << c.name;
        EXPECT_EQ(other.Career.Details == Game.Career.Details, kept('S')) << c.name;
        EXPECT_EQ(other.SeasonLog.Rounds == Game.SeasonLog.Rounds, kept('R')) << c.name;
        EXPECT_EQ(other.SeasonLog.Mine == Game.SeasonLog.Mine, kept('M')) << c.name;
        EXPECT_EQ(other.Setup() == Game.Setup(), kept('H')) << c.name;
        if (kept('A')) {
            EXPECT_EQ(other.Achievements, Game.Achievements) << c.name;
        }
    }
}

TEST_F(CodedRecordsTest, ALaterLayoutIsKeptWithWhatIsCheckedAgainstIt) {
    const auto saved = Image(Game);
    for (const char* tag : {"CARE", "CHAL"}) {
        const auto later = Rewritten(saved, [&](auto& s) { Tagged(s, tag).Version = 2; });
        TZnGameGoalrun other(KeepSeedSource());
        EXPECT_EQ(LoadLog(other, later), std::vector<std::string>{}) << tag;
        EXPECT_EQ(Image(other), later) << tag << ": written back as it came";
        // Unread: the kind and what is checked against it; read: everything else.
        const bool challenge = std::string(tag) == "CHAL";
        EXPECT_TRUE(other.Career.Seasons.empty()) << tag;
        EXPECT_EQ(other.SeasonLog.Rounds, Game.SeasonLog.Rounds) << tag;
        EXPECT_EQ(other.SeasonLog.Mine == Game.SeasonLog.Mine, !challenge) << tag;
        EXPECT_EQ(other.Setup() == Game.Setup(), !challenge) << tag;
        if (!challenge) {
            EXPECT_EQ(other.Achievements, Game.Achievements);
        }
        // Once the game changes, the sections kept unread go, as a later release's do.
        other.PlayMatchday();
        const auto changed = Image(other);
        for (const char* gone : {tag, "SEAS"})
            EXPECT_EQ(SectionAt(changed, gone), 0u) << tag << ": " << gone;
    }
}

TEST_F(CodedRecordsTest, RecordsNoGameCouldHoldAreRefused) {
    using enum TZnAchievementId;
    const TZnAchievement firstWin = Game.Achievements.at(0);
    // The premises: 16th and 15th with losses in the first two seasons, wins in the first, none
    // yet in the third, whose third matchday was lost.
    ASSERT_EQ(firstWin, (TZnAchievement{FirstWin, 0, 3}));
    ASSERT_EQ(Game.Career.Seasons.at(0).Rank, 15);
    ASSERT_GT(Game.Career.Seasons.at(1).Losses, 0);
    ASSERT_EQ(Game.MyClub().Wins, 0);
    const auto achievements = [](std::vector<TZnAchievement> list) {
        return [=](std::vector<TZnSection>& s) { Tagged(s, "ACHV").Body = AchievementsBody(list); };
    };
    const auto difficulty = [](int32_t value) {
        return [=](std::vector<TZnSection>& s) { PutInt32(Tagged(s, "CHAL").Body, 12, value); };
    };
    std::vector<TZnAchievement> allAtOnce;
    for (const TZnAchievementId id : AllAchievements())
        allAtOnce.push_back({id, 0, 1});
    const struct {
        const char* name;
        std::function<void(std::vector<TZnSection>&)> edit;
        std::string lost; // the kinds the line names; "" for none
    } cases[] = {
        {"as saved", [](auto&) {}, ""},
        // What the records cannot tell stands: the odds of a win of the second season.
        {"a giant killing in a season without odds", achievements({firstWin, {GiantKilling, 1, 5}}),
         ""},
        {"all eight on the first matchday", achievements(allAtOnce), "達成記録"},
        {"a title in a season ended 16th", achievements({firstWin, {Title, 0, 30}}), "達成記録"},
        {"an unbeaten season with losses", achievements({firstWin, {UnbeatenSeason, 1, 30}}),
         "達成記録"},
        {"a first win after a season with wins", achievements({{FirstWin, 1, 4}}), "達成記録"},
        {"a giant killing on a matchday lost", achievements({firstWin, {GiantKilling, 2, 3}}),
         "達成記録"},
        // Season 1 began with more than season 0 ended with and all season 1 invested.
        {"a season's start beyond the end of the one before",
         [](auto& s) {
             auto& body = Tagged(s, "SEAS").Body;
             const size_t start = 4 + 46 + 5;
             PutInt32(body, start, Int32At(body, start) + Int32At(body, start + 8) + 1);
         },
         "過去のシーズンの記録"},
        // The season before ends with 1万 more than this one began with (the MINE section), in
        // a file without the details that would tell it too.
        {"a career ending above this season's start",
         [](auto& s) {
             auto& body = Tagged(s, "CARE").Body;
             PutInt32(body, 4 + 24 + 16, Int32At(body, 4 + 24 + 16) + 1);
             std::erase_if(s, [](const TZnSection& section) {
                 return section.Tag == TZnTag{'S', 'E', 'A', 'S'};
             });
         },
         "経歴データ"},
        {"難しい on a game that began with 2億", difficulty(2), "挑戦コードと難易度"},
        {"易しい on a game that began with 2億", difficulty(0), "挑戦コードと難易度"},
    };
    const auto saved = Image(Game);
    for (const auto& c : cases) {
        TZnGameGoalrun other(KeepSeedSource());
        EXPECT_EQ(LoadLog(other, Rewritten(saved, c.edit)),
                  c.lost.empty() ? std::vector<std::string>{}
                                 : std::vector<std::string>{Damaged(c.lost)})
            << c.name;
        EXPECT_EQ(other.Matchday, Game.Matchday) << c.name;
        EXPECT_EQ(other.Setup() == Game.Setup(), c.lost != "挑戦コードと難易度") << c.name;
    }
    // Where nothing tells how the game began, the bonus of a win recorded this season does.
    while (Game.MyClub().Wins == 0)
        Game.PlayMatchday();
    const auto bonusShown = Rewritten(Image(Game), [&](auto& s) {
        difficulty(2)(s);
        std::erase_if(s, [](const TZnSection& section) {
            return section.Tag == TZnTag{'C', 'A', 'R', 'E'} ||
                   section.Tag == TZnTag{'S', 'E', 'A', 'S'};
        });
    });
    TZnGameGoalrun shown(KeepSeedSource());
    EXPECT_EQ(LoadLog(shown, bonusShown), std::vector<std::string>{Damaged("挑戦コードと難易度")});
    EXPECT_EQ(shown.SeasonLog, Game.SeasonLog);
    // Before the first matchday the image tells how the season began: the career's last season,
    // here without the details that would tell it too, must end there, not 1万 above.
    PlaySeason();
    Game.NextSeason();
    const auto atStart = Rewritten(Image(Game), [](auto& s) {
        auto& body = Tagged(s, "CARE").Body;
        PutInt32(body, 4 + 2 * 24 + 16, Int32At(body, 4 + 2 * 24 + 16) + 1);
        std::erase_if(s, [](const auto& section) {
            return section.Tag == TZnTag{'S', 'E', 'A', 'S'};
        });
    });
    TZnGameGoalrun other(KeepSeedSource());
    EXPECT_EQ(LoadLog(other, atStart), std::vector<std::string>{Damaged("経歴データ")});
    EXPECT_TRUE(other.Career.Seasons.empty());
}

// A file may end a season with money still invested for a match (the image allows it): the next
// season begins with it, and every save of that season loads back whole.
TEST_F(RecordsTest, MoneyInvestedOverTheSeasonsEndBeginsTheNext) {
    PlaySeason();
    auto bytes = Image(Game);
    for (size_t club = 0; club < 16; ++club)
        if (Int32At(bytes, 126 + 56 * club + 32) == Game.MyClub().ClubId)
            PutInt32(bytes, 126 + 56 * club + 8, 45);
    FixImageCheck(bytes);
    Game.LoadFromStream(bytes);
    ASSERT_EQ(Game.MyClub().BuildUp, 45);
    Game.NextSeason();
    for (int matchday = 0; matchday < 2; ++matchday) {
        const auto saved = Image(Game);
        TZnGameGoalrun other(KeepSeedSource());
        EXPECT_EQ(LoadLog(other, saved), std::vector<std::string>{}) << matchday;
        EXPECT_EQ(Image(other), saved) << matchday;
        Game.PlayMatchday();
    }
}
