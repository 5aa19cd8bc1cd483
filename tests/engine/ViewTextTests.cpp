#include <gtest/gtest.h>

#include <algorithm>

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

// English money is the amount of 万円 written out in yen; no Japanese byte in any English text.
TEST_F(GameTest, EnglishWording) {
    const TZnWording& en = English();
    EXPECT_EQ(en.Money(20000), "¥200,000,000");
    EXPECT_EQ(en.Money(1), "¥10,000");
    EXPECT_EQ(en.Money(0), "¥0");
    EXPECT_EQ(en.Money(-3), "¥0");
    EXPECT_EQ(en.Money(2147483647), "¥21,474,836,470,000");
    EXPECT_EQ(MessageText(en, {TZnMessageId::MatchWon, {7, 1}, "B"}),
              "Matchday 7, away: won against B!");
    EXPECT_EQ(MessageText(en, {TZnMessageId::RecordsDamaged, {0b1010}}),
              "Could not read the records of past seasons, this season's matches of your club: "
              "damaged in the file.");
    auto texts = Shown(MyClubRows(en, Game));
    for (size_t id = 0; id < MessageCount; ++id)
        texts.emplace_back("", MessageText(en, {static_cast<TZnMessageId>(id), {1, 1, 1, 1}, "A"}));
    for (const auto& [caption, value] : texts)
        EXPECT_EQ((std::string(caption) + value).find_first_of("\xE3\xE4\xE5\xE6\xE7\xE8\xE9"),
                  std::string::npos)
            << caption << value;
}

TEST(Wording, LanguagesByCode) {
    for (const TZnWording* wording : Languages())
        EXPECT_EQ(WordingFor(wording->Code), wording);
    EXPECT_EQ(WordingFor("ja"), &Japanese());
    EXPECT_EQ(WordingFor("xx"), nullptr);
    EXPECT_EQ(FillTemplate("{1}-{0}{x}{9}", {"a", "b"}), "b-a{x}{9}");
}

// Every message of every language rendered with distinct values, then with one value changed at
// a time: a value one language shows, every language shows, and no place is left unfilled. The
// view templates name the same places in every language.
TEST(Wording, EveryLanguageShowsTheSameValuesOfEachMessage) {
    const auto places = [](std::string_view text) {
        std::string found;
        for (size_t i = 0; i + 2 < text.size(); ++i)
            if (text[i] == '{' && text[i + 2] == '}')
                found += text[i + 1];
        std::sort(found.begin(), found.end());
        return found;
    };
    const auto views = [](const TZnWording& w) {
        return std::vector{w.LastResult, w.NextMatch, w.SeasonName, w.Odds, w.Prediction};
    };
    for (size_t id = 0; id < MessageCount; ++id) {
        std::vector<std::string> shown;
        for (const TZnWording* w : Languages()) {
            const TZnMessage message{static_cast<TZnMessageId>(id), {3, 0, 5, 7}, "Zeta"};
            const std::string text = MessageText(*w, message);
            EXPECT_EQ(text.find('{'), std::string::npos) << text;
            std::string changes;
            for (size_t i = 0; i <= 4; ++i) {
                TZnMessage other = message;
                if (i < 4)
                    other.Numbers[i] += 1;
                else
                    other.Name = "Yuma";
                changes += MessageText(*w, other) != text ? 'v' : '-';
            }
            shown.push_back(changes);
            EXPECT_EQ(shown.front(), changes) << w->Code << ": " << text;
        }
    }
    for (const TZnWording* w : Languages())
        for (size_t i = 0; i < views(*w).size(); ++i)
            EXPECT_EQ(places(views(*w)[i]), places(views(Japanese())[i])) << views(*w)[i];
}
