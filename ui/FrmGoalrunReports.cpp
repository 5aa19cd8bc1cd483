// The match report under the command buttons and the season review beside the window.

#include "FrmGoalrun.h"

#include <QAction>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>

#include "CareerPage.h"
#include "GameGoalrun.h"
#include "GamePage.h"
#include "GameSeasonRecord.h"
#include "MatchReportView.h"
#include "PageFixtures.h"
#include "SeasonReviewDialog.h"

void TFormMain::CreateReportViews() {
    MatchReport = new TMatchReportView;
    // The report takes what the right column has left; the initial size gives it room for its
    // heading and the six quarter-hours (its width follows the column).
    MatchReport->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Its caption and hints are set by Retranslate (FrmGoalrunTexts.cpp).
    ActSeasonReview = NewAction({}, {}, QStringLiteral("ActSeasonReview"));
    ActSeasonReview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addAction(ActSeasonReview);
    connect(ActSeasonReview, &QAction::triggered, this, [this] {
        RunCommand(nullptr, [this] { ShowSeasonReview(CurrentSeasonReview(Game), true); });
    });
}

void TFormMain::ConnectReportPage(QWidget& page) {
    if (auto* fixtures = qobject_cast<TPageFixtures*>(&page))
        connect(
            fixtures, &TPageFixtures::FixtureActivated, this,
            [this](int32_t matchday, int32_t fixture) { ShowFixtureReport(matchday, fixture); });
    if (auto* career = qobject_cast<TCareerPage*>(&page))
        connect(career, &TCareerPage::SeasonActivated, this, [this](size_t index) {
            if (index < Game.Career.Seasons.size())
                ShowSeasonReview(CompletedSeasonReview(Game, index), true);
        });
}

void TFormMain::ShowFixtureReport(int32_t matchday, int32_t fixture) {
    FinishReplay();
    StackReport->setCurrentWidget(MatchReport);
    if (!MatchReport->ShowFixture(Game, matchday, fixture)) {
        statusBar()->showMessage(tr("第%1節はまだ行われていません。").arg(matchday), 5000);
        return;
    }
    // The report speaks next: the keyboard goes to its rounds (or, without them, its details).
    for (auto* table : MatchReport->findChildren<QTableWidget*>())
        if (table->isVisibleTo(MatchReport)) {
            table->setFocus(Qt::OtherFocusReason);
            break;
        }
}

void TFormMain::CloseSeasonReview() {
    if (ReviewDialog != nullptr)
        ReviewDialog->hide();
}

void TFormMain::ShowSeasonReview(const TZnSeasonReview& review, bool activate) {
    if (ReviewDialog == nullptr) {
        ReviewDialog = new TSeasonReviewDialog(this);
        // Every key of the window works while the review has the keyboard: F6 starts the next
        // season, F5 plays, Ctrl+R shows the current season again.
        ReviewDialog->addActions(actions());
    }
    ReviewDialog->ShowReview(review, FromView(Game.MyClub().Name));
    // Opened by the season's end, it leaves the keyboard with the window.
    ReviewDialog->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    ReviewDialog->show();
    ReviewDialog->raise();
    if (activate)
        ReviewDialog->activateWindow();
}
