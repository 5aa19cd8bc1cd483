#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "GameTestSupport.h"
#include "GameViewText.h"

namespace {

// The value of row or column `id` among `texts`, looked up by name rather than position.
template <class TId> std::string ValueOf(const std::vector<TZnViewText<TId>>& texts, TId id) {
    for (const auto& text : texts)
        if (text.Id == id)
            return text.Value;
    ADD_FAILURE() << "no text with id " << static_cast<int>(id);
    return {};
}

using TShown = std::vector<std::pair<std::string_view, std::string>>;

// Caption and value of each text in order. Every row's or column's position equals its
// identifier, so a view may address it either way.
template <class TId> TShown Shown(const std::vector<TZnViewText<TId>>& texts) {
    TShown shown;
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(ViewIndex(texts[i].Id), i);
        shown.emplace_back(texts[i].Caption, texts[i].Value);
    }
    return shown;
}

} // namespace

TEST_F(GameTest, ClubPanelBeforeTheFirstMatchday) {
    const TShown expected = {{"担当チーム", "P"},
                             {"前節結果", "なし"},
                             {"前節勝敗", "なし"},
                             {"今節", "第1節 P - K"},
                             {"今節予想", "勝利確率36%"},
                             {"今節強化費", "0円"},
                             {"-", "-"},
                             {"監督レベル", "1"},
                             {"監督経験値", "0"},
                             {"監督資金", "2億円"},
                             {"シーズン", "1季目"},
                             {"勝敗見込み", "勝15% 分26% 負59%"}};
    EXPECT_EQ(Shown(MyClubRows(Japanese(), Game)), expected);
}

TEST_F(GameTest, ClubPanelAfterTheSeason) {
    PlaySeason();
    const auto rows = MyClubRows(Japanese(), Game);
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::LastResult), "第30節 K 3 - 0 P");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::LastOutcome), "負け");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::Next), "なし");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::Prediction), "なし");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::Odds), "なし");
}

TEST_F(GameTest, TableAndFixtureCells) {
    TZnClub& club = Game.Clubs().Items(3);
    club.GoalsFor = 2;
    club.GoalsAgainst = 5;
    club.Points = 4;
    const TShown expected = {{"チーム", "D"}, {"順位", "4"},   {"勝点", "4"}, {"試合数", "0"},
                             {"勝", "0"},     {"分", "0"},     {"負", "0"},   {"得点", "2"},
                             {"失点", "5"},   {"得失差", "-3"}};
    EXPECT_EQ(Shown(RankTableRow(Japanese(), club)), expected);

    TZnMatch& match = Game.Schedule().Matchdays(0).Matches(1); // 1-3
    EXPECT_EQ(Shown(FixtureRow(Japanese(), Game, match)),
              (TShown{{"Home", "B"}, {"", "-"}, {"Away", "D"}}));
    match.Played = true;
    match.HomeGoals = 0;
    match.AwayGoals = 3;
    EXPECT_EQ(ValueOf(FixtureRow(Japanese(), Game, match), TZnFixtureColumn::Score), "0 - 3");
    EXPECT_EQ(PrizeText(Japanese(), 0), "8億1920万円");
    EXPECT_EQ(PrizeText(Japanese(), 4), "5120万円");
    EXPECT_EQ(PrizeText(Japanese(), 15), "1万円");
}

// A language is the source's texts as a catalog translates them, each looked up in the context
// lupdate collected it in; what the catalog lacks stays Japanese. Money follows the catalog's
// digits: "万" counts in 万, 億 and 兆, any other text writes every digit in groups of three.
TEST(Wording, MadeFromALookup) {
    std::vector<std::string> asked;
    const TZnWording xx = MakeWording("xx", [&](const char* context, const char* source) {
        asked.push_back(std::string(context) + "/" + source);
        const std::map<std::string, std::string> catalog = {
            {"GameMessages/経験値%1を獲得しました。", "+%1 XP"},
            {"GameMessages/Home", "at home"},
            {"GameWords/%1円", "%1 Y"},
            {"GameWords/万", "."},
            {"GameWords/%1季目", "S%1"}};
        const auto found = catalog.find(asked.back());
        return found == catalog.end() ? std::string() : found->second;
    });
    EXPECT_EQ(xx.Code, "xx");
    EXPECT_EQ(MessageText(xx, {TZnMessageId::ExperienceGained, {12}}), "+12 XP");
    EXPECT_EQ(MessageText(xx, {TZnMessageId::MatchWon, {7, 0}, "B"}),
              "第7節 at homeで、Bに勝ちました！");
    EXPECT_EQ(SeasonName(xx, 2), "S3");
    EXPECT_EQ(xx.Money(20000), "200.000.000 Y");
    EXPECT_EQ(xx.Money(1), "10.000 Y");
    EXPECT_EQ(xx.Money(0), "0 Y");
    EXPECT_EQ(xx.Money(-3), "0 Y");
    EXPECT_EQ(xx.Money(2147483647), "21.474.836.470.000 Y");
    EXPECT_EQ(xx.RankCaptions, Japanese().RankCaptions);
    // Every text is asked for once, but the empty caption of the score column.
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "GameWords/Home"), 1);
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "GameWords/"), 0);
    EXPECT_EQ(MakeWording("ja", nullptr).Messages, Japanese().Messages);
    EXPECT_EQ(Japanese().Money(100012345), "1兆1億2345万円");
}

TEST(Wording, FillTemplate) {
    EXPECT_EQ(FillTemplate("%2-%1%x%9%0 %", {"a", "b"}), "b-a%x%9%0 %");
    EXPECT_EQ(FillTemplate("%1%2", {"%2", "b"}), "%2b");
    EXPECT_EQ(FillTemplate("%10|%1", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}), "j|a");
}

// Every message rendered with distinct values, then with one value changed at a time: each value
// a message names changes its text, and no place is left unfilled. (The catalogs' check holds
// every translation to the same places.)
TEST(Wording, EachMessageShowsItsValues) {
    const std::vector<std::string> expected = {
        "-----", "v----", "-----", "vv--v", "vv--v", "vv--v", "v----", "v----", "vv---", "-----",
        "-----", "v----", "v----", "-----", "-----", "v----", "v----", "-----", "v----", "vv---"};
    ASSERT_EQ(expected.size(), MessageCount);
    for (size_t id = 0; id < MessageCount; ++id) {
        const TZnMessage message{static_cast<TZnMessageId>(id), {3, 0, 5, 7}, "Zeta"};
        const std::string text = MessageText(Japanese(), message);
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
        std::string changes;
        for (size_t i = 0; i <= 4; ++i) {
            TZnMessage other = message;
            if (i < 4)
                other.Numbers[i] += 1;
            else
                other.Name = "Yuma";
            changes += MessageText(Japanese(), other) != text ? 'v' : '-';
        }
        EXPECT_EQ(changes, expected[id]) << text;
    }
}
