#pragma once

// The wording of one language: every text the engine's values are shown in, for both the window
// and goalrun-cli. One table file per language (Wording<Lang>.cpp) fills a TZnWording; adding a
// language is such a file plus its line in Languages() (ZnWording.cpp).
//
// Templates hold numbered places "{0}" to "{9}", each filled with a piece already worded (a
// number, an amount of money, a season, a club's name); the comment of each field names them.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "GameMessage.h"

struct TZnMatchOdds;

struct TZnWording {
    std::string_view Code;         // "ja", "en": what --lang takes
    std::string_view ProductTitle; // the game's name
    // One template per TZnMessageId: {0}..{3} the message's Numbers worded by their kind
    // (ZnMessageText.cpp), {4} its Name.
    std::array<std::string_view, MessageCount> Messages;
    std::array<std::string_view, 2> Venues;          // home, away ({1} of a match result)
    std::array<std::string_view, 3> Outcomes;        // won, drawn, lost (the club panel)
    std::array<std::string_view, 6> RecordKinds;     // by TZnRecordKind, listed in RecordsDamaged
    std::string_view ListSeparator;                  // between the record kinds
    std::array<std::string_view, 10> RankCaptions;   // by TZnRankColumn
    std::array<std::string_view, 3> FixtureCaptions; // by TZnFixtureColumn
    std::array<std::string_view, 12> ClubCaptions;   // by TZnMyClubRow
    std::string_view None;                           // a club panel value that does not exist yet
    std::string_view LastResult;     // {0} matchday, {1} home club, {2} score, {3} away club
    std::string_view NextMatch;      // {0} matchday, {1} home club, {2} away club
    std::string_view SeasonName;     // {0} the season, 1-based
    std::string_view Odds;           // {0} win, {1} draw, {2} loss, whole percent
    std::string_view PredictionLow;  // the win chance is 10% or less
    std::string_view PredictionHigh; // the win chance is 90% or more
    std::string_view Prediction;     // {0} the win chance in whole percent
    std::string_view Title;          // the title column of the season history
    std::string_view CannotOpen;     // a save file that cannot be loaded
    std::string_view CannotCreate;   // a save file that cannot be written
    std::string_view AmountUnit;     // the unit of the amounts typed in the strengthening box
    // An amount of 万円 as the player reads it, with its currency.
    std::string (*Money)(int32_t amount);
    std::array<std::string_view, 3> Difficulties;          // by TZnDifficulty
    std::array<std::string_view, 8> AchievementNames;      // by TZnAchievementId
    std::array<std::string_view, 8> AchievementConditions; // one line each, by TZnAchievementId
};

const TZnWording& Japanese();
const TZnWording& English();
// Every language, Japanese first.
std::span<const TZnWording* const> Languages();
// The language of `code`, or nullptr.
const TZnWording* WordingFor(std::string_view code);

// `pattern` with each "{k}" replaced by pieces[k].
std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> pieces);

// "1季目" for Season 0 in Japanese; Season 2147483647 gives 2147483648.
std::string SeasonName(const TZnWording& wording, int32_t season);
// The rough win chance of a prediction value (TZnGameGoalrun::WinPrediction).
std::string WinPredictionText(const TZnWording& wording, int32_t prediction);
// "勝15% 分20% 負65%" in Japanese.
std::string OddsText(const TZnWording& wording, const TZnMatchOdds& odds);

// True when no message, venue, outcome, record kind or row caption is left empty: each table
// file asserts it of its wording, so a message added to TZnMessageId without its words in every
// language does not build.
constexpr bool IsComplete(const TZnWording& wording) {
    const auto filled = [](const auto& texts) {
        for (const std::string_view text : texts)
            if (text.empty())
                return false;
        return true;
    };
    return filled(wording.Messages) && filled(wording.Venues) && filled(wording.Outcomes) &&
           filled(wording.RecordKinds) && filled(wording.RankCaptions) &&
           filled(wording.ClubCaptions) && wording.Money != nullptr &&
           filled(wording.Difficulties) && filled(wording.AchievementNames) &&
           filled(wording.AchievementConditions);
}
