#include <gtest/gtest.h>

#include <functional>

#include "GameCareer.h"
#include "GameCrc32.h"
#include "GameSaveData.h"
#include "GameTestSupport.h"
#include "ZnStream.h"

namespace {

constexpr const char* DamagedLine = "経歴データが壊れているため読み込めませんでした。";

// The file an earlier release wrote: the image, then the career trailer.
std::vector<uint8_t> OldFile(const TZnGameGoalrun& game) {
    auto bytes = Image(game);
    bytes.resize(SaveImageSize);
    TZnWriteStream trailer;
    game.Career.WriteTrailer(trailer);
    bytes.insert(bytes.end(), trailer.Bytes.begin(), trailer.Bytes.end());
    return bytes;
}

// Field `field` of record `record` of an earlier release's trailer set to `value`, the checksum
// made right again so that only the value is wrong.
void PutTrailerField(std::vector<uint8_t>& b, size_t record, size_t field, int32_t value) {
    PutInt32(b, SaveImageSize + 16 + 48 * record + 4 * field, value);
    const uint32_t crc = Crc32(std::span(b).subspan(SaveImageSize, b.size() - SaveImageSize - 4));
    for (size_t i = 0; i < 4; ++i)
        b[b.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

} // namespace

class CareerTest : public GameTest {
protected:
    // Three ordinary seasons, then a fourth won by investing without limit. The funds are
    // given before the first season begins, so that every record follows from the one before.
    void PlayFourSeasons() {
        Game.Coach().Money = 2000000000;
        Game.SeasonLog.Start(Game.Coach().Money, Game.Coach().Level());
        for (int season = 0; season < 3; ++season) {
            PlaySeason();
            Game.NextSeason();
        }
        while (Game.CanPlayMatchday()) {
            (void)Game.InvestBuildUp("100000");
            Game.PlayMatchday();
        }
    }
};

TEST_F(CareerTest, EachSeasonEndAddsItsRecordAndANewGameEmptiesIt) {
    PlayFourSeasons();
    ASSERT_EQ(Game.Career.Seasons.size(), 4u);
    const TZnClub& me = Game.MyClub();
    const TZnSeasonRecord& last = Game.Career.Seasons.back();
    EXPECT_EQ(last, (TZnSeasonRecord{3, 0, me.Points, me.Wins, me.Draws, me.Losses, me.GoalsFor,
                                     me.GoalsAgainst, 81920, Game.Coach().Money,
                                     Game.Coach().Level(), true}));
    EXPECT_TRUE(Game.Finished);
    for (int32_t s = 0; s < 3; ++s) {
        EXPECT_EQ(Game.Career.Seasons[size_t(s)].Season, s);
        EXPECT_FALSE(Game.Career.Seasons[size_t(s)].Title);
    }
    Game.NewGame();
    EXPECT_TRUE(Game.Career.Seasons.empty());
}

TEST_F(CareerTest, CareerKeepsTheLatestTenThousandSeasons) {
    TZnCareer career;
    for (int32_t s = 0; s < 10002; ++s)
        career.Append({s, 3, 40, 10, 10, 10, 30, 30, 10240, 5000, 2, false});
    ASSERT_EQ(career.Seasons.size(), CareerCapacity);
    EXPECT_EQ(career.Seasons.front().Season, 2);
    EXPECT_EQ(career.Seasons.back().Season, 10001);
}

TEST_F(CareerTest, EarlierTrailerLoadsAndDamageLosesOnlyTheCareer) {
    PlayFourSeasons();
    const auto saved = OldFile(Game);
    ASSERT_EQ(saved.size(), SaveImageSize + 16 + 48 * 4 + 4);
    const auto career = Game.Career.Seasons;
    const auto details = Game.Career.Details;
    const auto seasonLog = Game.SeasonLog;
    const auto records = Image(Game);

    using Mutate = std::function<void(std::vector<uint8_t>&)>;
    const struct {
        const char* name;
        Mutate mutate;
        size_t seasons;
        bool damaged;
    } cases[] = {
        {"as saved", [](auto&) {}, 4, false},
        {"plain image", [](auto& b) { b.resize(SaveImageSize); }, 0, false},
        {"other bytes after the image", [](auto& b) { b[SaveImageSize] = 'X'; }, 0, false},
        {"a record byte", [](auto& b) { b[SaveImageSize + 20] ^= 1; }, 0, true},
        {"the checksum", [](auto& b) { b.back() ^= 0x80; }, 0, true},
        {"cut short", [](auto& b) { b.pop_back(); }, 0, true},
        {"version", [](auto& b) { b[SaveImageSize + 8] = 2; }, 0, true},
        {"count too large", [](auto& b) { b[SaveImageSize + 15] = 0x7F; }, 0, true},
        // Values no season can end with, under a right checksum.
        {"negative funds", [](auto& b) { PutTrailerField(b, 1, 9, -1); }, 0, true},
        {"points 2^31-1", [](auto& b) { PutTrailerField(b, 1, 2, INT32_MAX); }, 0, true},
        {"points -2^31", [](auto& b) { PutTrailerField(b, 1, 2, INT32_MIN); }, 0, true},
        {"level -5", [](auto& b) { PutTrailerField(b, 2, 10, -5); }, 0, true},
        {"rank 0 as shown", [](auto& b) { PutTrailerField(b, 0, 1, -1); }, 0, true},
        {"rank 17 as shown", [](auto& b) { PutTrailerField(b, 0, 1, 16); }, 0, true},
        {"seasons out of order", [](auto& b) { PutTrailerField(b, 2, 0, 0); }, 0, true},
        {"a season after the game's", [](auto& b) { PutTrailerField(b, 3, 0, 9); }, 0, true},
        {"the 16th place's prize 2^31-1", [](auto& b) { PutTrailerField(b, 0, 8, INT32_MAX); }, 0,
         true},
        {"funds 2^31-1", [](auto& b) { PutTrailerField(b, 1, 9, INT32_MAX); }, 0, true},
        {"level 2^31-1", [](auto& b) { PutTrailerField(b, 3, 10, INT32_MAX); }, 0, true},
        {"a level that falls", [](auto& b) { PutTrailerField(b, 2, 10, 1); }, 0, true},
        {"rank 1 without the title", [](auto& b) { PutTrailerField(b, 3, 11, 0); }, 0, true},
        // The current season, ended at its 30th matchday, as the image does not end it.
        {"the current season unlike the image",
         [&](auto& b) { PutTrailerField(b, 3, 9, career[3].Money - 1); }, 0, true},
        // The records of this release after the trailer are read too.
        {"records after the trailer",
         [&](auto& b) { b.insert(b.end(), records.begin() + SaveImageSize, records.end()); }, 4,
         false},
    };
    for (const auto& c : cases) {
        auto bytes = saved;
        c.mutate(bytes);
        Game.NewGame();
        Game.LoadFromStream(bytes);
        EXPECT_EQ(Game.Career.Seasons.size(), c.seasons) << c.name;
        const bool said = !Log.Lines.empty() && Log.Lines.back() == DamagedLine;
        EXPECT_EQ(said, c.damaged) << c.name;
        EXPECT_EQ(Log.Lines.size(), c.damaged ? 1u : 0u) << c.name;
        if (c.seasons != 0) {
            EXPECT_EQ(Game.Career.Seasons, career);
            EXPECT_EQ(OldFile(Game), saved) << c.name;
        }
        const bool recordsToo = bytes.size() > saved.size();
        EXPECT_EQ(Game.Career.Details == details, recordsToo) << c.name;
        EXPECT_EQ(Game.SeasonLog == seasonLog, recordsToo) << c.name;
    }
    // A career read again forgets the details of the one it held.
    TZnCareer reread = Game.Career;
    ASSERT_EQ(reread.ReadTrailer(std::span(saved).subspan(SaveImageSize)),
              TZnCareer::TZnTrailer::Read);
    EXPECT_EQ(reread.Details, std::deque<TZnSeasonDetail>(4));
    EXPECT_EQ(reread.ReadTrailer(std::span(saved).subspan(SaveImageSize, 20)),
              TZnCareer::TZnTrailer::Damaged);
    EXPECT_TRUE(reread.Details.empty());
}
