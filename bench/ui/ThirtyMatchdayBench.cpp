// How long the thirty-matchday button takes to play a season with every redraw, and for
// comparison thirty single matchdays each painted before the next. Prints medians of seven runs.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif

#include "BenchTiming.h"
#include "FrmGoalrun.h"
#include "GameGoalrun.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"

namespace {

// Under `valgrind --tool=callgrind --collect-atstart=no`, the instructions of the painted matchdays
// alone are counted (where valgrind's headers were found at the build).
void ToggleCollect() {
#ifdef CALLGRIND_TOGGLE_COLLECT
    CALLGRIND_TOGGLE_COLLECT;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    constexpr int runs = 7;
    std::vector<double> oneClick, paintedEach, paintedEachCpu, wholeEach;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        TZnGameGoalrun game(KeepSeedSource());
        game.Random.Seed = static_cast<uint32_t>(run + 1);
        TZnScriptedDialogs dialogs; // every box answered with its default button
        TZnRecordingOpener opener;
        TFormMain window(game, dialogs, opener, folder.path());
        window.show();
        WaitUntilExposed(window);
        auto& all = *window.findChild<QPushButton*>(QStringLiteral("BtnGame30"));
        auto& one = *window.findChild<QPushButton*>(QStringLiteral("BtnGame"));

        // As the player does it: one click, the window painted once afterwards.
        QElapsedTimer timer;
        timer.start();
        all.click();
        window.repaint();
        oneClick.push_back(Milliseconds(timer));

        // A new game, then every matchday's redraw painted before the next one: what changed, as
        // the event loop paints it, and for comparison the whole window.
        for (auto* times : {&paintedEach, &wholeEach}) {
            dialogs.Answers = {QMessageBox::Ok};
            window.findChild<QAction*>(QStringLiteral("N9"))->trigger();
            QCoreApplication::processEvents();
            timer.restart();
            const double cpuBefore = ProcessCpuMilliseconds();
            if (times == &paintedEach)
                ToggleCollect();
            for (int i = 0; i < MatchdayCount; ++i) {
                one.click();
                if (times == &paintedEach)
                    QCoreApplication::processEvents();
                else
                    window.repaint();
            }
            if (times == &paintedEach)
                ToggleCollect();
            times->push_back(Milliseconds(timer));
            if (times == &paintedEach)
                paintedEachCpu.push_back(ProcessCpuMilliseconds() - cpuBefore);
            if (game.Matchday != MatchdayCount)
                return 1;
        }
    }
    std::printf("thirty-matchday-ms %.2f, each-matchday-painted-ms %.2f (processor %.2f), "
                "whole-window-repainted-each-ms %.2f (medians of %d runs)\n",
                Median(oneClick), Median(paintedEach), Median(paintedEachCpu), Median(wholeEach),
                runs);
    return 0;
}
