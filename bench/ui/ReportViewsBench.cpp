// How long the match report and the season review take to open (filled and painted), and the
// career page with its records book to refresh over a career of 10,000 seasons. Prints medians.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>

#include "BenchTiming.h"
#include "CareerPage.h"
#include "GameGoalrun.h"
#include "GameSeasonRecord.h"
#include "MatchReportView.h"
#include "SeasonReviewDialog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TZnGameGoalrun game(KeepSeedSource());
    game.Random.Seed = 5;
    game.NewGame();
    for (int i = 0; i < MatchdayCount; ++i)
        game.PlayMatchday();

    TMatchReportView report;
    report.resize(260, 420);
    report.show();
    const double reportMs = MedianMs(21, [&] {
        report.ShowFixture(game, MatchdayCount, 0);
        report.repaint();
    });

    // The first opening builds the window too.
    QElapsedTimer first;
    first.start();
    TSeasonReviewDialog review;
    review.ShowReview(CurrentSeasonReview(game), QStringLiteral("ゴールランFC"));
    review.show();
    review.repaint();
    const double firstReviewMs = static_cast<double>(first.nsecsElapsed()) / 1e6;
    const double reviewMs = MedianMs(21, [&] {
        review.ShowReview(CurrentSeasonReview(game), QStringLiteral("ゴールランFC"));
        review.repaint();
    });

    // A career at capacity, every season with its detail.
    const TZnSeasonDetail detail = CurrentSeasonDetail(game);
    for (int32_t s = 0; s < 10000; ++s) {
        game.Career.Append({s, s % 16, 40 + s % 30, 12, 4 + s % 2, 14 - s % 2, 40 + s % 20, 35, 160,
                            20000 + s, 3 + s / 100, s % 16 == 0});
        game.Career.Details.back() = detail;
    }
    TCareerPage career;
    career.resize(640, 600);
    career.show();
    const double careerMs = MedianMs(7, [&] {
        career.Refresh(game);
        career.repaint();
    });
    std::printf("match-report-ms %.2f, season-review-ms %.2f (first opening %.2f), "
                "career-page-10000-seasons-ms %.2f (medians; filled and painted)\n",
                reportMs, reviewMs, firstReviewMs, careerMs);
    return 0;
}
