// The English wording. Money is written out in yen: the game's amounts are units of 10,000 yen.

#include "ZnWording.h"

namespace {

// "¥200,000,000" for 20000; zero and every negative amount give "¥0", as in Japanese.
std::string YenInEnglish(int32_t amount) {
    const std::string digits = std::to_string(amount > 0 ? int64_t{amount} * 10000 : 0);
    std::string text = "¥";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

constexpr TZnWording En{
    .Code = "en",
    .ProductTitle = "Goalrun",
    .Messages = {"You were brought in as manager to lead our club to the title.",
                 "To that end, we have raised {0} in funds for you.", "Good luck.",
                 "Matchday {0}, {1}: won against {4}!", "Matchday {0}, {1}: drew with {4}.",
                 "Matchday {0}, {1}: lost to {4}.", "Gained {0} experience points.",
                 "Gained a win bonus of {0}.",
                 "Finished in position {0}, winning prize money of {1}.",
                 "Congratulations on winning the title!",
                 "The title with thirty straight wins: a dream come true!!",
                 "The title in {0}: you are a superb manager!!",
                 "{0} begins. Let's go for the title.",
                 "Enter the amount to invest in strengthening.",
                 "The funds do not cover that amount.", "Invested {0} in strengthening.",
                 "Could not read {0}: damaged in the file."},
    .Venues = {"at home", "away"},
    .Outcomes = {"Won", "Drawn", "Lost"},
    .RecordKinds = {"the career data", "the records of past seasons", "this season's rounds",
                    "this season's matches of your club", "the challenge code and difficulty",
                    "the achievements"},
    .ListSeparator = ", ",
    .RankCaptions = {"Club", "Rank", "Pts", "Played", "W", "D", "L", "GF", "GA", "GD"},
    .FixtureCaptions = {"Home", "", "Away"},
    .ClubCaptions = {"Your club", "Last result", "Last outcome", "Next match", "Prediction",
                     "Strengthening", "-", "Manager level", "Experience", "Funds", "Season",
                     "Odds"},
    .None = "none",
    .LastResult = "Matchday {0}: {1} {2} {3}",
    .NextMatch = "Matchday {0}: {1} - {2}",
    .SeasonName = "Season {0}",
    .Odds = "W {0}% D {1}% L {2}%",
    .PredictionLow = "Win chance 10% or less",
    .PredictionHigh = "Win chance 90% or more",
    .Prediction = "Win chance {0}%",
    .Title = "Title",
    .CannotOpen = "The file cannot be opened",
    .CannotCreate = "The file could not be created",
    .AmountUnit = "units of ¥10,000",
    .Money = YenInEnglish,
    .Difficulties = {"Easy", "Normal", "Hard"},
    .AchievementNames = {"First win", "Ten in a row", "Giant killing", "Unbeaten season",
                         "Champions", "Title within five seasons", "Frugal title",
                         "A hundred seasons"},
    .AchievementConditions =
        {"Win for the first time in the game.", "Win ten matches in a row within one season.",
         "Win a match whose exact win chance at kick-off was under 5%.",
         "Play a season of 30 matches without a loss.", "Win the title.",
         "Win the title in one of the first five seasons.",
         "Win the title with money invested in at most ten matches of that season.",
         "Complete the 100th season."},
};
static_assert(IsComplete(En));

} // namespace

const TZnWording& English() {
    return En;
}
