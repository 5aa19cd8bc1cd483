#include "CliDriver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <exception>
#include <ostream>
#include <string_view>

#include "CliGames.h"
#include "CliInput.h"
#include "CliRecords.h"
#include "CliState.h"
#include "GameAchievements.h"
#include "GameLibrary.h"
#include "GameOdds.h"
#include "GamePrice.h"
#include "GameSaveData.h"
#include "GameViewText.h"
#include "ZnMatchesConsts.h"
#include "ZnMessageText.h"

namespace {

std::pair<std::string_view, std::string_view> SplitCommand(std::string_view line) {
    const auto space = line.find(' ');
    if (space == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, space), line.substr(space + 1)};
}

// A whole decimal number in [low, high], or false.
bool ParseNumber(std::string_view text, int64_t low, int64_t high, int64_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= low &&
           value <= high;
}

// A file name the command line can give: not blank, and without a NUL byte, which would cut the
// name short (and would be echoed in the message).
bool IsUsablePath(std::string_view text) {
    return text.find_first_not_of(" \t\v\f\r") != std::string_view::npos &&
           text.find('\0') == std::string_view::npos;
}

// The commands that take no argument; given one, they refuse it rather than ignore it.
constexpr std::array<std::string_view, 15> NoArgumentCommands = {
    "new",   "box",     "next",   "clear",   "log",  "table",        "club", "prizes",
    "state", "history", "review", "records", "help", "achievements", "games"};

// What odds and invest say of a box text the strengthening command refuses.
constexpr const char* RefusedAmount = "not an amount within the coach's funds: ";

void PrintCells(std::ostream& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i)
        out << (i == 0 ? "" : "\t") << cells[i];
    out << '\n';
}

template <class TId>
void PrintCells(std::ostream& out, const std::vector<TZnViewText<TId>>& cells) {
    std::vector<std::string> values;
    for (const auto& cell : cells)
        values.push_back(cell.Value);
    PrintCells(out, values);
}

// Describes a failed load or save: the reason, then the path and the window's message on lines of
// their own. Returns false.
bool FileFailure(std::ostream& err, const char* verb, const std::exception& error,
                 const std::string& path, std::string_view message) {
    err << "cannot " << verb << " (" << error.what() << ")\n" << path << '\n' << message;
    return false;
}

} // namespace

TZnCliDriver::TZnCliDriver(TZnGameGoalrun& game, const TZnWording& wording,
                           const TZnGameSetup& setup)
    : Game(game), FWording(wording), FSetup(setup) {
    Game.SetMessageLog(&FLog);
}

bool TZnCliDriver::IsGameCommand(std::string_view line) {
    const auto command = SplitCommand(line).first;
    return command == "new" || command == "play" || command == "invest" || command == "next" ||
           command == "load";
}

bool TZnCliDriver::Execute(std::string_view line, std::ostream& out, std::ostream& err) {
    const auto [command, argument] = SplitCommand(line);
    if (!argument.empty() && std::find(NoArgumentCommands.begin(), NoArgumentCommands.end(),
                                       command) != NoArgumentCommands.end()) {
        err << command << ": takes no argument: " << QuoteShort(argument);
        return false;
    }
    if (command == "new") {
        Game.NewGame(FSetup);
    } else if (command == "play") {
        return Play(argument, err);
    } else if (command == "invest") {
        return Invest(argument, err);
    } else if (command == "box") {
        out << FBoxText << '\n';
    } else if (command == "next") {
        if (!Game.CanNextSeason())
            return CannotRun(command, err);
        Game.NextSeason();
    } else if ((command == "save" || command == "load") && !IsUsablePath(argument)) {
        err << command << ": the file name is empty, blank or holds a NUL byte";
        return false;
    } else if (command == "save") {
        return Save(std::string(argument), err);
    } else if (command == "load") {
        return Load(std::string(argument), err);
    } else if (command == "clear") {
        FLog.Clear();
    } else if (command == "log") {
        PrintMessages(out, FLog.Messages);
    } else if (command == "table") {
        PrintTable(out);
    } else if (command == "fixtures") {
        return Fixtures(argument, out, err);
    } else if (command == "club") {
        PrintClub(out);
    } else if (command == "prizes") {
        PrintPrizes(out);
    } else if (command == "state") {
        out << StateJson(Game, FBoxText) << '\n';
    } else if (command == "history") {
        PrintHistory(out);
    } else if (command == "odds") {
        return Odds(argument, out, err);
    } else if (command == "price") {
        return Price(argument, out, err);
    } else if (command == "report") {
        return PrintReport(Game, argument, out, err);
    } else if (command == "timeline") {
        return PrintTimeline(Game, argument, out, err);
    } else if (command == "live" && argument.empty()) {
        return PrintLive(Game, out, err);
    } else if (command == "review") {
        PrintReview(Game, out);
    } else if (command == "records") {
        PrintRecords(Game, out);
    } else if (command == "achievements") {
        PrintAchievements(out);
    } else if (command == "games") {
        PrintGames(TZnGameLibrary(GamesFolder), out);
    } else if (command == "help") {
        PrintHelp(out, FWording);
    } else {
        err << "unknown command or missing argument: " << QuoteShort(line);
        return false;
    }
    return true;
}

bool TZnCliDriver::Play(std::string_view argument, std::ostream& err) {
    int64_t runs = 1;
    if (!argument.empty() && !ParseNumber(argument, 0, 1000000, runs)) {
        err << "play: the count must be a whole number from 0 to 1000000: " << QuoteShort(argument);
        return false;
    }
    if (!Game.CanPlayMatchday())
        return CannotRun("play", err);
    for (int64_t i = 0; i < runs && Game.CanPlayMatchday(); ++i)
        Game.PlayMatchday();
    return true;
}

bool TZnCliDriver::Invest(std::string_view argument, std::ostream& err) {
    if (!Game.CanInvestBuildUp())
        return CannotRun("invest", err);
    // As in the window, a refused amount leaves 0 in the box and the log says why.
    const auto invested = Game.InvestBuildUp(argument);
    FBoxText = std::to_string(invested.value_or(0));
    if (!invested)
        err << "invest: nothing invested, " << RefusedAmount << QuoteShort(argument);
    return invested.has_value();
}

bool TZnCliDriver::CannotRun(std::string_view command, std::ostream& err) const {
    err << command << ": ";
    if (Game.Finished)
        err << "the title is won and the game is over (new or load starts another)";
    else if (Game.CanNextSeason())
        err << "no match is next, the season is over (next starts the next one)";
    else
        err << "the season is not over: " << Game.Matchday << " of " << MatchdayCount
            << " matchdays played";
    return false;
}

bool TZnCliDriver::Load(const std::string& path, std::ostream& err) {
    try {
        Game.LoadFromFile(path);
    } catch (const EZnLoadError& error) {
        return FileFailure(err, "load", error, path, FWording.CannotOpen);
    }
    return true;
}

bool TZnCliDriver::Save(const std::string& path, std::ostream& err) {
    try {
        Game.SaveToFile(path);
    } catch (const EZnSaveError& error) {
        return FileFailure(err, "save", error, path, FWording.CannotCreate);
    }
    return true;
}

bool TZnCliDriver::Fixtures(std::string_view argument, std::ostream& out, std::ostream& err) const {
    int64_t matchday = 0;
    if (!ParseNumber(argument, 1, MatchdayCount, matchday)) {
        err << "fixtures: the matchday must be a whole number from 1 to 30: "
            << QuoteShort(argument);
        return false;
    }
    const TZnMatchList& day = Game.Schedule().Matchdays(static_cast<int32_t>(matchday - 1));
    for (int32_t j = 0; j < day.Count(); ++j)
        PrintCells(out, FixtureRow(FWording, Game, day.Matches(j)));
    return true;
}

void TZnCliDriver::PrintTable(std::ostream& out) const {
    for (int32_t p = 0; p < Game.Clubs().Count(); ++p)
        PrintCells(out, RankTableRow(FWording, Game.Clubs().Items(p)));
}

void TZnCliDriver::PrintClub(std::ostream& out) const {
    for (const auto& row : MyClubRows(FWording, Game))
        out << row.Caption << '\t' << row.Value << '\n';
}

void TZnCliDriver::PrintMessages(std::ostream& out, const std::vector<TZnMessage>& messages) const {
    for (const TZnMessage& message : messages)
        out << MessageText(FWording, message) << '\n';
}

void TZnCliDriver::PrintPrizes(std::ostream& out) const {
    for (int32_t rank = 0; rank < ClubCount; ++rank)
        out << rank + 1 << '\t' << PrizeText(FWording, rank) << '\n';
}

bool TZnCliDriver::Odds(std::string_view argument, std::ostream& out, std::ostream& err) const {
    std::optional<int32_t> extra = 0;
    if (!argument.empty())
        extra = Game.AcceptedBuildUp(argument);
    if (!extra) {
        err << "odds: " << RefusedAmount << QuoteShort(argument);
        return false;
    }
    const auto odds = NextMatchOdds(Game, *extra);
    if (!odds)
        return CannotRun("odds", err);
    char line[64];
    std::snprintf(line, sizeof line, "win=%.4f draw=%.4f loss=%.4f", odds->Win, odds->Draw,
                  odds->Loss);
    out << line << '\n';
    return true;
}

bool TZnCliDriver::Price(std::string_view argument, std::ostream& out, std::ostream& err) const {
    std::vector<int32_t> percents;
    for (size_t start = 0; (start = argument.find_first_not_of(' ', start)) != argument.npos;) {
        const size_t end = std::min(argument.find(' ', start), argument.size());
        const std::string_view word = argument.substr(start, end - start);
        start = end;
        int64_t percent = 0;
        if (!ParseNumber(word, 1, 99, percent)) {
            err << "price: the chance must be a whole number from 1 to 99: " << word;
            return false;
        }
        percents.push_back(static_cast<int32_t>(percent));
    }
    if (percents.empty())
        percents.assign(PriceChances.begin(), PriceChances.end());
    if (!Game.CanPlayMatchday())
        return CannotRun("price", err);
    for (int32_t percent : percents) {
        const auto price = WinPrice(Game, percent);
        out << percent << '\t' << (price ? std::to_string(*price) : "-") << '\n';
    }
    return true;
}

void TZnCliDriver::PrintHistory(std::ostream& out) const {
    for (const TZnSeasonRecord& r : Game.Career.Seasons)
        PrintCells(out, {std::to_string(int64_t{r.Season} + 1), std::to_string(int64_t{r.Rank} + 1),
                         std::to_string(r.Points), std::to_string(r.Wins), std::to_string(r.Draws),
                         std::to_string(r.Losses), std::to_string(r.GoalsFor),
                         std::to_string(r.GoalsAgainst), std::to_string(r.Prize),
                         std::to_string(r.Money), std::to_string(r.Level),
                         r.Title ? std::string(FWording.Title) : "-"});
}

void TZnCliDriver::PrintAchievements(std::ostream& out) const {
    for (const TZnAchievement& a : Game.Achievements)
        out << AchievementKey(a.Id) << '\t' << int64_t{a.Season} + 1 << '\t' << a.Matchday << '\n';
}

void TZnCliDriver::PrintAchievementIds(std::ostream& out, const TZnWording& wording) {
    for (const TZnAchievementId id : AllAchievements()) {
        const std::string_view key = AchievementKey(id);
        out << "  " << key << std::string(17 - key.size(), ' ')
            << wording.AchievementConditions.at(static_cast<size_t>(id)) << '\n';
    }
}

void TZnCliDriver::PrintHelp(std::ostream& out, const TZnWording& wording) {
    out << FillTemplate(
        "commands:\n"
        "  new            start a new game\n"
        "  play [N]       play N matchdays (default 1) while the season allows it\n"
        "  invest TEXT    invest TEXT %1 of the coach's funds in the next match\n"
        "  box            show the strengthening box's text\n"
        "  next           start the next season after matchday 30\n"
        "  save PATH      save the game to PATH\n"
        "  load PATH      load a saved game from PATH\n"
        "  clear          clear the message log\n"
        "  log            show the message log\n"
        "  table          show the league table\n"
        "  fixtures M     show the fixtures of matchday M (1-30)\n"
        "  club           show the club panel\n"
        "  prizes         show the prize list\n"
        "  state          print the whole game state as JSON\n"
        "  history        one line per completed season (rank, points, ..., title)\n"
        "  odds [TEXT]    the exact odds of the next match, with TEXT %1 more invested\n"
        "  price [P ...]  the least further %1 reaching a win chance of P% (50 70 90)\n"
        "  report [N]     matchday N's scores and rounds (- no chance, x stopped, G goal)\n"
        "  timeline [N]   matchday N's chances and goals: fixture, minute, H/A, kind, score\n"
        "  live           the last matchday by quarter-hour: q, live rank, the 8 scores\n"
        "  review         the current season so far, one key=value a line\n"
        "  records        the records book of the completed seasons, key=value\n"
        "  achievements   what this game has earned: id, season, matchday a line\n"
        "  games          the player's kept games, the one played last first\n"
        "  help           this list\n"
        "  quit           end (as does the end of input, Ctrl+D)\n",
        {wording.AmountUnit});
}
