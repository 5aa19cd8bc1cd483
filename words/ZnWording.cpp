#include "ZnWording.h"

#include <type_traits>

#include "GameOdds.h"
#include "ZnMoneyText.h"

namespace {

// Calls visit(context, text, source) for every text of `texts` and its `source`, with the
// catalog context the source marks it in.
template <class TVisit>
void ForEachText(TZnTexts<std::string>& texts, const TZnTexts<const char*>& source, TVisit visit) {
    const auto each = [&](const char* context, auto& text, const auto& from) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(from)>, const char*>) {
            visit(context, text, from);
        } else {
            for (size_t i = 0; i < from.size(); ++i)
                visit(context, text[i], from[i]);
        }
    };
    constexpr const char* messages = "GameMessages";
    constexpr const char* words = "GameWords";
    each(words, texts.ProductTitle, source.ProductTitle);
    each(messages, texts.Messages, source.Messages);
    each(messages, texts.Venues, source.Venues);
    each(words, texts.Outcomes, source.Outcomes);
    each(messages, texts.RecordKinds, source.RecordKinds);
    each(messages, texts.ListSeparator, source.ListSeparator);
    each(messages, texts.RecordsAfterBreak, source.RecordsAfterBreak);
    each(words, texts.RankCaptions, source.RankCaptions);
    each(words, texts.FixtureCaptions, source.FixtureCaptions);
    each(words, texts.ClubCaptions, source.ClubCaptions);
    each(words, texts.None, source.None);
    each(words, texts.LastResult, source.LastResult);
    each(words, texts.NextMatch, source.NextMatch);
    each(words, texts.SeasonName, source.SeasonName);
    each(words, texts.Odds, source.Odds);
    each(words, texts.PredictionLow, source.PredictionLow);
    each(words, texts.PredictionHigh, source.PredictionHigh);
    each(words, texts.Prediction, source.Prediction);
    each(words, texts.Title, source.Title);
    each(words, texts.CannotOpen, source.CannotOpen);
    each(words, texts.CannotCreate, source.CannotCreate);
    each(words, texts.AmountUnit, source.AmountUnit);
    each(words, texts.Yen, source.Yen);
    each(words, texts.MoneyDigits, source.MoneyDigits);
    each(words, texts.Difficulties, source.Difficulties);
    each(words, texts.AchievementNames, source.AchievementNames);
    each(words, texts.AchievementConditions, source.AchievementConditions);
}

// Every digit of `amount` 万円 in yen, in groups of three joined by `separator`.
std::string YenDigits(int32_t amount, std::string_view separator) {
    const std::string digits = std::to_string(amount > 0 ? int64_t{amount} * 10000 : 0);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

} // namespace

std::string TZnWording::Money(int32_t amount) const {
    const std::string digits = MoneyDigits == SourceTexts().MoneyDigits
                                   ? MoneyText(amount)
                                   : YenDigits(amount, MoneyDigits);
    return FillTemplate(Yen, {digits});
}

TZnWording MakeWording(std::string_view code, const TZnLookup& lookup) {
    TZnWording wording;
    wording.Code = code;
    ForEachText(wording, SourceTexts(),
                [&](const char* context, std::string& text, const char* source) {
                    if (lookup && *source != '\0')
                        text = lookup(context, source);
                    if (text.empty())
                        text = source;
                });
    return wording;
}

const TZnWording& Japanese() {
    static const TZnWording ja = MakeWording("ja", nullptr);
    return ja;
}

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> pieces) {
    std::string text;
    text.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        // A place is '%' and one or two digits, as QString::arg reads it.
        size_t end = i + 1;
        size_t k = 0;
        while (pattern[i] == '%' && end < pattern.size() && end < i + 3 && pattern[end] >= '0' &&
               pattern[end] <= '9')
            k = k * 10 + static_cast<size_t>(pattern[end++] - '0');
        if (k >= 1 && k <= pieces.size()) {
            text += pieces.begin()[k - 1];
            i = end - 1;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string SeasonName(const TZnWording& wording, int32_t season) {
    return FillTemplate(wording.SeasonName, {std::to_string(int64_t{season} + 1)});
}

std::string WinPredictionText(const TZnWording& wording, int32_t prediction) {
    const int64_t percent = (int64_t{prediction} + 10000) / 200;
    if (percent <= 10)
        return wording.PredictionLow;
    if (percent >= 90)
        return wording.PredictionHigh;
    return FillTemplate(wording.Prediction, {std::to_string(percent)});
}

std::string OddsText(const TZnWording& wording, const TZnMatchOdds& odds) {
    const auto percent = OddsPercents(odds);
    return FillTemplate(wording.Odds, {std::to_string(percent[0]), std::to_string(percent[1]),
                                       std::to_string(percent[2])});
}
