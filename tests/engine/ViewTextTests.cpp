#include <gtest/gtest.h>

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

// Every row's or column's position equals its identifier, so a view may address it either way.
template <class TId> void ExpectInIdOrder(const std::vector<TZnViewText<TId>>& texts) {
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(ViewIndex(texts[i].Id), i);
}

} // namespace

TEST_F(GameTest, ClubPanelBeforeTheFirstMatchday) {
    const auto rows = MyClubRows(Game);
    ExpectInIdOrder(rows);
    std::vector<std::pair<std::string_view, std::string>> shown;
    for (const auto& row : rows)
        shown.emplace_back(row.Caption, row.Value);
    const std::vector<std::pair<std::string_view, std::string>> expected = {
        {"担当チーム", "P"},
        {"前節結果", "なし"},
        {"前節勝敗", "なし"},
        {"今節", "第1節 P - K"},
        {"今節予想", "勝利確率36%"},
        {"今節強化費", "0円"},
        {"-", "-"},
        {"監督レベル", "1"},
        {"監督経験値", "0"},
        {"監督資金", "2億円"},
        {"シーズン", "1季目"}};
    EXPECT_EQ(shown, expected);
}

TEST_F(GameTest, ClubPanelAfterTheSeason) {
    PlaySeason();
    const auto rows = MyClubRows(Game);
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::LastResult), "第30節 K 3 - 0 P");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::LastOutcome), "負け");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::Next), "なし");
    EXPECT_EQ(ValueOf(rows, TZnMyClubRow::Prediction), "なし");
}

TEST_F(GameTest, TableAndFixtureCells) {
    TZnClub& club = Game.Clubs().Items(3);
    club.GoalsFor = 2;
    club.GoalsAgainst = 5;
    club.Points = 4;
    const auto row = RankTableRow(club);
    ExpectInIdOrder(row);
    std::vector<std::pair<std::string_view, std::string>> cells;
    for (const auto& cell : row)
        cells.emplace_back(cell.Caption, cell.Value);
    const std::vector<std::pair<std::string_view, std::string>> expected = {
        {"チーム", "D"}, {"順位", "4"}, {"勝点", "4"}, {"試合数", "0"}, {"勝", "0"},
        {"分", "0"},     {"負", "0"},   {"得点", "2"}, {"失点", "5"},   {"得失差", "-3"}};
    EXPECT_EQ(cells, expected);

    TZnMatch& match = Game.Schedule().Matchdays(0).Matches(1); // 1-3
    const auto before = FixtureRow(Game, match);
    ExpectInIdOrder(before);
    EXPECT_EQ(before[0].Caption, "Home");
    EXPECT_EQ(before[1].Caption, "");
    EXPECT_EQ(before[2].Caption, "Away");
    EXPECT_EQ(ValueOf(before, TZnFixtureColumn::Home), "B");
    EXPECT_EQ(ValueOf(before, TZnFixtureColumn::Score), "-");
    EXPECT_EQ(ValueOf(before, TZnFixtureColumn::Away), "D");
    match.Played = true;
    match.HomeGoals = 0;
    match.AwayGoals = 3;
    EXPECT_EQ(ValueOf(FixtureRow(Game, match), TZnFixtureColumn::Score), "0 - 3");
    EXPECT_EQ(PrizeText(0), "8億1920万円");
    EXPECT_EQ(PrizeText(4), "5120万円");
    EXPECT_EQ(PrizeText(15), "1万円");
}
