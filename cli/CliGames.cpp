#include "CliGames.h"

#include <ctime>
#include <ostream>

#include "GameLibrary.h"

namespace {

std::string IsoTime(int64_t ns) {
    const std::time_t seconds = static_cast<std::time_t>(ns / 1'000'000'000);
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

} // namespace

void PrintGames(const TZnGameLibrary& library, std::ostream& out) {
    for (const TZnKeptGame& game : library.Games()) {
        out << game.Id.Text() << '\t';
        if (!game.Readable) {
            out << "unreadable\t" << game.Error << '\n';
            continue;
        }
        out << (game.Code ? game.Code->Text() : "-") << '\t' << DifficultyKey(game.Difficulty)
            << '\t' << int64_t{game.Season} + 1 << '\t' << game.Matchday << '\t' << game.Rank + 1
            << '\t' << game.Titles << '\t' << game.Money << '\t' << IsoTime(game.LastPlayedNs)
            << '\n';
    }
}
