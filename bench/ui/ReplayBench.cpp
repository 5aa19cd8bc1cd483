// How long the match centre takes: one replay step (eight scores, the event lines, the live
// table) painted, and a skip to the result painted; medians over the thirty matchdays of seven
// seasons. The event loop paints what each step changed before the next, as on the screen.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include "BenchTiming.h"
#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    std::vector<double> steps, skips;
    for (int run = 0; run < 7; ++run) {
        QTemporaryDir folder;
        TZnGameGoalrun game(KeepSeedSource());
        game.Random.Seed = static_cast<uint32_t>(run + 1);
        TZnScriptedDialogs dialogs;
        TZnRecordingOpener opener;
        TFormMain window(game, dialogs, opener, folder.path());
        window.show();
        WaitUntilExposed(window);
        auto* watch = window.findChild<QAction*>(QStringLiteral("ActWatch"));
        if (!watch->isChecked())
            watch->trigger();
        auto& play = *window.findChild<QPushButton*>(QStringLiteral("BtnGame"));
        auto& step = *window.findChild<QAction*>(QStringLiteral("ActReplayStep"));
        auto& skip = *window.findChild<QAction*>(QStringLiteral("ActReplaySkip"));
        for (int day = 0; day < MatchdayCount; ++day) {
            play.click();
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            // Odd matchdays are watched step by step, even ones skipped after the first step.
            for (int q = 1; q <= (day % 2 == 0 ? 1 : 6); ++q) {
                timer.start();
                step.trigger();
                QCoreApplication::processEvents(); // paints what changed, as on the screen
                if (q < 6)
                    steps.push_back(Milliseconds(timer));
            }
            if (day % 2 == 0) {
                timer.start();
                skip.trigger();
                QCoreApplication::processEvents();
                skips.push_back(Milliseconds(timer));
            }
        }
        if (game.Matchday != MatchdayCount)
            return 1;
    }
    std::printf(
        "replay-step-ms %.2f, skip-to-result-ms %.2f (medians of %zu steps and %zu skips)\n",
        Median(steps), Median(skips), steps.size(), skips.size());
    return 0;
}
