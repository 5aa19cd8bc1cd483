// How long the list of the player's kept games takes to open over 200 games (read from their
// autosaves, filled and painted), and what the start spends finding the game played last among
// them. Each game has played into its third season and keeps three autosaves. Prints medians.

#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QTemporaryDir>

#include "BenchTiming.h"
#include "GameAutosave.h"
#include "GameGoalrun.h"
#include "GameLibrary.h"
#include "GamesDialog.h"
#include "ZnDialogs.h"
#include "ZnStream.h"

namespace {

constexpr int GameCount = 200;

void KeepGames(const TZnGameLibrary& library) {
    TZnGameGoalrun game(KeepSeedSource());
    game.GameIdSource = SeededGameIdSource(1);
    for (int g = 0; g < GameCount; ++g) {
        game.Random.Seed = static_cast<uint32_t>(g);
        game.NewGame();
        const TZnAutosaveFolder folder(library.FolderOf(*game.Identity));
        for (int d = 0; d < 2 * MatchdayCount + g % MatchdayCount; ++d) {
            if (game.CanNextSeason())
                game.NextSeason();
            if (!game.CanPlayMatchday())
                break;
            game.PlayMatchday();
        }
        for (int n = 0; n < TZnAutosaveFolder::Count; ++n) {
            TZnWriteStream stream;
            game.SaveToStream(stream);
            folder.Write(stream.Bytes);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QTemporaryDir data;
    const TZnGameLibrary library(data.filePath(QStringLiteral("games")).toStdString());
    KeepGames(library);
    TZnQtDialogs dialogs;
    const double listMs = MedianMs(11, [&] {
        TGamesDialog box(library.Games(), std::nullopt, dialogs);
        box.show();
        box.repaint();
    });
    const double lastMs = MedianMs(11, [&] { (void)library.PlayedLast(); });
    std::printf("games-list-ms %.1f over %d games (aim: under 100 ms)\n", listMs, GameCount);
    std::printf("last-played-ms %.2f over %d games\n", lastMs, GameCount);
    return 0;
}
