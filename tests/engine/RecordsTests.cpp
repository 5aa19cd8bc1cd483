#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ConstsGoalrun.h"
#include "GameRecords.h"
#include "GameSaveData.h"
#include "GameSeasonRecord.h"
#include "GameTestSupport.h"
#include "ZnStream.h"

namespace {

std::vector<uint8_t> Image(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return stream.Bytes;
}

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
    auto int32At = [&](size_t at) {
        return static_cast<size_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
    };
    for (size_t at = SaveImageSize + 16; at + 8 <= b.size(); at += 8 + int32At(at + 4))
        if (std::string(b.begin() + long(at), b.begin() + long(at) + 4) == tag)
            return at + 8;
    return 0;
}

// The checksum at the end made right again, so that only a value is wrong.
void FixCrc(std::vector<uint8_t>& b) {
    const uint32_t crc = Crc32(std::span(b).subspan(SaveImageSize, b.size() - SaveImageSize - 4));
    for (size_t i = 0; i < 4; ++i)
        b[b.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
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
    constexpr size_t Appended = SIZE_MAX;
    const struct {
        const char* name;
        const char* tag;
        size_t offset; // within the section's body
        uint8_t value;
        const char* line;
    } cases[] = {
        // The level of the first season: 0.
        {"career", "CARE", 4 + 20, 0, "経歴データ、過去のシーズンの記録"},
        // The best win of the first season, 4-2, made a 2-2 draw.
        {"season detail", "SEAS", 4 + 22, 2, "過去のシーズンの記録"},
        // The first four home rounds of the first fixture of matchday 1: no such value.
        {"rounds", "RNDS", 4, 0xFF, "今季の試合経過"},
        // The rank after matchday 1: 16.
        {"player's fixtures", "MINE", 16 + 32, 16, "今季の自チームの試合記録"},
        {"career appended", "CARE", Appended, 0, "経歴データ、過去のシーズンの記録"},
        {"season detail appended", "SEAS", Appended, 0, "過去のシーズンの記録"},
        {"rounds appended", "RNDS", Appended, 0, "今季の試合経過"},
        {"player's fixtures appended", "MINE", Appended, 0, "今季の自チームの試合記録"},
    };
    for (const auto& c : cases) {
        auto bytes = saved;
        const size_t body = SectionAt(bytes, c.tag);
        if (c.offset != Appended) {
            auto& target = bytes[body + c.offset];
            target = c.value != 0 || target != 0 ? c.value : 2;
        } else { // four zero bytes more at the end of the body, and its length made right
            const size_t length = bytes[body - 4] | bytes[body - 3] << 8 | bytes[body - 2] << 16;
            bytes.insert(bytes.begin() + long(body + length), 4, 0);
            for (size_t i = 0; i < 3; ++i)
                bytes[body - 4 + i] = static_cast<uint8_t>((length + 4) >> (8 * i));
        }
        FixCrc(bytes);
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
        EXPECT_EQ(other.SeasonLog.Mine == Game.SeasonLog.Mine, tag != "MINE") << c.name;
    }
    auto bytes = saved;
    bytes.back() ^= 1;
    Game.LoadFromStream(bytes);
    EXPECT_TRUE(Game.Career.Seasons.empty() && !Game.SeasonLog.StartKnown) << "a wrong checksum";
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
    EXPECT_EQ(Image(Game).size(), SaveImageSize);

    Game.NewGame();
    (void)Game.InvestBuildUp("250");
    const auto atStart = Image(Game);
    EXPECT_EQ(atStart.size(), SaveImageSize) << "before the first matchday the image is enough";
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
