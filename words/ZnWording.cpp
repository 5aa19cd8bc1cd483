#include "ZnWording.h"

#include "GameOdds.h"

std::span<const TZnWording* const> Languages() {
    static const std::array<const TZnWording*, 2> languages = {&Japanese(), &English()};
    return languages;
}

const TZnWording* WordingFor(std::string_view code) {
    for (const TZnWording* wording : Languages())
        if (wording->Code == code)
            return wording;
    return nullptr;
}

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> pieces) {
    std::string text;
    text.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t k = i + 2 < pattern.size() && pattern[i] == '{' && pattern[i + 2] == '}'
                             ? static_cast<size_t>(pattern[i + 1] - '0')
                             : pieces.size();
        if (k < pieces.size()) {
            text += pieces.begin()[k];
            i += 2;
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
        return std::string(wording.PredictionLow);
    if (percent >= 90)
        return std::string(wording.PredictionHigh);
    return FillTemplate(wording.Prediction, {std::to_string(percent)});
}

std::string OddsText(const TZnWording& wording, const TZnMatchOdds& odds) {
    const auto percent = OddsPercents(odds);
    return FillTemplate(wording.Odds, {std::to_string(percent[0]), std::to_string(percent[1]),
                                       std::to_string(percent[2])});
}
