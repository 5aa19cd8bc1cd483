#pragma once

// The wording of one language: every text the engine's values are shown in, for both the window
// and goalrun-cli. The texts are Japanese in the source (WordingJa.cpp) and marked there with
// ZN_TRANSLATE_NOOP, so that lupdate collects them into translations/goalrun_<code>.ts beside the
// window's texts; a language is its catalog, which the programs read and hand to MakeWording as a
// lookup. The engine itself never needs one: without it, every text is the Japanese source.
//
// Templates hold numbered places "%1", "%2" ..., as the window's texts do, each filled with a
// piece already worded (a number, an amount of money, a season, a club's name); the comment of
// each field names them.

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "GameMessage.h"

struct TZnMatchOdds;

// Marks `source`, a text of the engine in `context`, for the catalogs; lupdate reads it as
// QT_TRANSLATE_NOOP (-tr-function-alias), the compiler as the text itself.
#define ZN_TRANSLATE_NOOP(context, source) source

// The translation of `source` in `context`, or an empty text when the catalog has none.
using TZnLookup = std::function<std::string(const char* context, const char* source)>;

// Every text of a wording, as the source marks them (const char*) or as a language shows them.
template <class TText> struct TZnTexts {
    TText ProductTitle; // the game's name
    // One template per TZnMessageId: %1..%4 the message's Numbers worded by their kind
    // (ZnMessageText.cpp), %5 its Name.
    std::array<TText, MessageCount> Messages;
    std::array<TText, 2> Venues;          // home, away (%2 of a match result)
    std::array<TText, 3> Outcomes;        // won, drawn, lost (the club panel)
    std::array<TText, 6> RecordKinds;     // by TZnRecordKind, listed in RecordsDamaged
    TText ListSeparator;                  // between the record kinds
    TText RecordsAfterBreak;              // listed last in RecordsBroken: what followed the break
    std::array<TText, 10> RankCaptions;   // by TZnRankColumn
    std::array<TText, 3> FixtureCaptions; // by TZnFixtureColumn
    std::array<TText, 12> ClubCaptions;   // by TZnMyClubRow
    TText None;                           // a club panel value that does not exist yet
    TText LastResult;                     // %1 matchday, %2 home club, %3 score, %4 away club
    TText NextMatch;                      // %1 matchday, %2 home club, %3 away club
    TText SeasonName;                     // %1 the season, 1-based
    TText Odds;                           // %1 win, %2 draw, %3 loss, whole percent
    TText PredictionLow;                  // the win chance is 10% or less
    TText PredictionHigh;                 // the win chance is 90% or more
    TText Prediction;                     // %1 the win chance in whole percent
    TText Title;                          // the title column of the season history
    TText CannotOpen;                     // a save file that cannot be loaded
    TText CannotCreate;                   // a save file that cannot be written
    TText AmountUnit;                     // the unit of the amounts typed in the strengthening box
    TText Yen;                            // %1 an amount of money written out (MoneyDigits)
    // How amounts are written out: "万" counts them in 万, 億 and 兆 ("1億2345万"); any other text
    // writes every digit of the amount in yen, in groups of three joined by that text.
    TText MoneyDigits;
    std::array<TText, 3> Difficulties;          // by TZnDifficulty
    std::array<TText, 8> AchievementNames;      // by TZnAchievementId
    std::array<TText, 8> AchievementConditions; // one line each, by TZnAchievementId
};

struct TZnWording : TZnTexts<std::string> {
    std::string Code; // "ja", "en": the catalog's language, what --lang takes
    // An amount of 万円 as the player reads it, with its currency; zero and every negative amount
    // give nothing but the currency and "0".
    [[nodiscard]] std::string Money(int32_t amount) const;
};

// The texts in the source, Japanese.
const TZnTexts<const char*>& SourceTexts();
// The wording of language `code`: each text as `lookup` translates it, the Japanese source where
// it has no translation or there is no lookup.
TZnWording MakeWording(std::string_view code, const TZnLookup& lookup);
// The Japanese wording, the source's own.
const TZnWording& Japanese();

// `pattern` with each "%k" replaced by pieces[k - 1], as QString::arg numbers its places; a place
// without its piece stays as it is. The pieces are not searched for places themselves.
std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> pieces);

// "1季目" for Season 0 in Japanese; Season 2147483647 gives 2147483648.
std::string SeasonName(const TZnWording& wording, int32_t season);
// The rough win chance of a prediction value (TZnGameGoalrun::WinPrediction).
std::string WinPredictionText(const TZnWording& wording, int32_t prediction);
// "勝15% 分20% 負65%" in Japanese.
std::string OddsText(const TZnWording& wording, const TZnMatchOdds& odds);
