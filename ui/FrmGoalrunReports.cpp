// The match report under the command buttons and the season review beside the window.

#include "FrmGoalrun.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>

#include "CareerPage.h"
#include "GameGoalrun.h"
#include "GamePage.h"
#include "GameSeasonRecord.h"
#include "MatchReportView.h"
#include "PageFixtures.h"
#include "PageRankTable.h"
#include "SeasonReviewDialog.h"
#include "WatchPart.h"

void TFormMain::CreateReportViews() {
    MatchReport = new TMatchReportView;
    // The report takes what the right column has left; the initial size gives it room for its
    // heading and the six quarter-hours (its width follows the column).
    MatchReport->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Its caption and hints are set by Retranslate (FrmGoalrunTexts.cpp).
    ActSeasonReview = NewAction({}, {}, QStringLiteral("ActSeasonReview"));
    ActSeasonReview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addAction(ActSeasonReview);
    connect(ActSeasonReview, &QAction::triggered, this,
            [this] { RunCommand(nullptr, [this] { ShowSeasonReview({}, true); }); });
}

void TFormMain::ConnectPage(QWidget& page) {
    if (auto* table = qobject_cast<TPageRankTable*>(&page))
        Watch->Follow(*table);
    if (auto* fixtures = qobject_cast<TPageFixtures*>(&page))
        connect(
            fixtures, &TPageFixtures::FixtureActivated, this,
            [this](int32_t matchday, int32_t fixture) { ShowFixtureReport(matchday, fixture); });
    if (auto* fixtures = qobject_cast<TPageFixtures*>(&page))
        Watch->Follow(*fixtures);
    if (auto* career = qobject_cast<TCareerPage*>(&page))
        connect(career, &TCareerPage::SeasonActivated, this, [this](size_t index) {
            if (index < Game.Career.Seasons.size())
                ShowSeasonReview(index, true);
        });
}

void TFormMain::ShowFixtureReport(int32_t matchday, int32_t fixture) {
    Watch->Finish();
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

void TFormMain::ShowSeasonReview(std::optional<size_t> careerIndex, bool activate) {
    if (ReviewDialog == nullptr) {
        ReviewDialog = new TSeasonReviewDialog(this);
        // Every key of the window works while the review has the keyboard: F6 starts the next
        // season, F5 plays, Ctrl+R shows the current season again, Ctrl+B and a typed amount go
        // to the strengthening box (ReviewKeyToBox).
        ReviewDialog->addActions(actions());
        auto* focusBox = new QShortcut(ShortcutBuildUp->key(), ReviewDialog);
        connect(focusBox, &QShortcut::activated, this, &TFormMain::FocusBuildUpBox);
        ReviewDialog->installEventFilter(this);
        for (QWidget* child : ReviewDialog->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    ReviewFollowsSeason.reset();
    if (!careerIndex)
        ReviewFollowsSeason = Game.Season;
    ReviewDialog->ShowReview(careerIndex ? CompletedSeasonReview(Game, *careerIndex)
                                         : CurrentSeasonReview(Game),
                             FromView(Game.MyClub().Name));
    // Opened by the season's end, it leaves the keyboard with the window.
    ReviewDialog->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    ReviewDialog->show();
    ReviewDialog->raise();
    if (activate)
        ReviewDialog->activateWindow();
}

void TFormMain::FollowSeasonReview() {
    if (ReviewDialog == nullptr || !ReviewDialog->isVisible() || !ReviewFollowsSeason)
        return;
    // The season it showed is over and done with once the next one starts.
    if (*ReviewFollowsSeason != Game.Season) {
        CloseSeasonReview();
        return;
    }
    ReviewDialog->ShowReview(CurrentSeasonReview(Game), FromView(Game.MyClub().Name));
}

bool TFormMain::ReviewKeyToBox(QObject& target, const QEvent& event) {
    auto* widget = qobject_cast<QWidget*>(&target);
    if (ReviewDialog == nullptr || widget == nullptr ||
        (widget != ReviewDialog && !ReviewDialog->isAncestorOf(widget)))
        return false;
    // Each time the review takes the keyboard, the next amount typed there is a new one (as after
    // a command, RunCommand).
    if (event.type() == QEvent::WindowActivate && widget == ReviewDialog)
        TypingIntoBox = false;
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    const QString text = key.text();
    if (text.isEmpty() || !ComboBoxBuildUp->isEnabled() ||
        (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return false;
    for (const QChar c : text)
        if (!c.isDigit())
            return false;
    // The first digit starts a new amount in the box, as Ctrl+B and typing would; the next ones
    // follow it there, also while the window system has not yet moved the keyboard.
    if (!TypingIntoBox)
        FocusBuildUpBox();
    QKeyEvent copy(key.type(), key.key(), key.modifiers(), text, key.isAutoRepeat(), key.count());
    QCoreApplication::sendEvent(ComboBoxBuildUp->lineEdit(), &copy);
    return true;
}
