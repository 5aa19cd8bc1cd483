// Watching a matchday: the match centre in place of the match report, the live table and
// fixtures, the messages held back until the final whistle, and the commands that end a replay
// before they change the game.

#include "FrmGoalrun.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>

#include "ChallengePart.h"
#include "GameGoalrun.h"
#include "GameLiveMatchday.h"
#include "GameSeasonRecord.h"
#include "GameSession.h"
#include "MatchCentre.h"
#include "MatchReportView.h"
#include "MessageLogEdit.h"
#include "PageFixtures.h"
#include "PageRankTable.h"
#include "WindowState.h"
#include "ZnListView.h"

void TFormMain::CreateWatchCommands() {
    MatchCentre = new TMatchCentre;
    // The centre takes the report's place and scrolls where the room is short; the room is the
    // report's, so the window's initial size is not asked to grow for it.
    MatchCentre->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    StackReport = new QStackedWidget;
    StackReport->setObjectName(QStringLiteral("StackReport"));
    StackReport->addWidget(MatchReport);
    StackReport->addWidget(MatchCentre);
    ActWatch = NewAction({}, {}, QStringLiteral("ActWatch"));
    ActWatch->setCheckable(true);
    ActWatch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(ActWatch);
    for (QAction* action : MatchCentre->Actions()) {
        ActionList1.push_back(action);
        // Every key of the replay works from any control of the window.
        addAction(action);
    }
    connect(ActWatch, &QAction::triggered, this, &TFormMain::RememberWatchSettings);
    connect(MatchCentre, &TMatchCentre::SettingsChanged, this, &TFormMain::RememberWatchSettings);
    connect(MatchCentre, &TMatchCentre::QuarterShown, this, &TFormMain::ShowLiveViews);
    connect(MatchCentre, &TMatchCentre::Ended, this, &TFormMain::ReplayEnded);
}

void TFormMain::RememberWatchSettings() {
    RememberWatchChoices(*OpenWindowSettings(),
                         {ActWatch->isChecked(), static_cast<int>(MatchCentre->Speed()),
                          MatchCentre->PausesAtHalfTime()});
}

bool TFormMain::ReplayRunning() const {
    return MatchCentre->IsRunning();
}

void TFormMain::PlayWatched() {
    // The matchday is decided here, by the same engine call as without watching; its messages
    // wait for the final whistle.
    TZnMessageList held;
    Session->SetMessageLog(&held);
    const auto restore = qScopeGuard([this] { Session->SetMessageLog(RichEdit1); });
    Session->PlayMatchday();
    HeldMessages = std::move(held.Messages);
    StackReport->setCurrentWidget(MatchCentre);
    // The club panel would show the state before kick-off; its room goes to the centre, so that
    // the whole matchday is in sight.
    ZLVMyClub->hide();
    if (!MatchCentre->Start(Game))
        ReplayEnded(); // nothing recorded to replay: the result at once
}

bool TFormMain::FinishReplay() {
    if (!ReplayRunning())
        return false;
    MatchCentre->SkipToEnd();
    return true;
}

void TFormMain::ShowLiveViews(int quarter) {
    const auto& live = MatchCentre->Live();
    if (!live || !ReplayRunning())
        return;
    std::array<int32_t, ClubCount> kickOff{};
    for (const TZnClub& club : live->TableAfter(0))
        kickOff.at(static_cast<size_t>(club.ClubId)) = club.Rank;
    if (auto* table = findChild<TPageRankTable*>())
        table->ShowLive(live->TableAfter(quarter), kickOff);
    if (auto* fixtures = findChild<TPageFixtures*>()) {
        std::vector<TZnMatch> matches;
        const auto scores = live->ScoresAfter(quarter);
        for (size_t j = 0; j < scores.size(); ++j) {
            TZnMatch match;
            match.HomeId = live->Fixtures()[j].HomeId;
            match.AwayId = live->Fixtures()[j].AwayId;
            match.Played = quarter > 0;
            match.HomeGoals = scores[j].Home;
            match.AwayGoals = scores[j].Away;
            matches.push_back(match);
        }
        fixtures->ShowLive(live->Matchday() - 1, std::move(matches));
    }
}

void TFormMain::ReplayEnded() {
    for (const TZnMessage& message : HeldMessages)
        RichEdit1->Add(message);
    HeldMessages.clear();
    if (auto* table = findChild<TPageRankTable*>())
        table->EndLive();
    if (auto* fixtures = findChild<TPageFixtures*>())
        fixtures->EndLive();
    ZLVMyClub->show();
    MatchCentre->ScrollToTop();
    RefreshViews();
    ActionList1Update();
    AfterMatchday();
    // The keyboard goes back to the next step.
    for (QPushButton* next : {BtnGame, BtnNextSeason})
        if (next->isEnabled()) {
            next->setFocus(Qt::OtherFocusReason);
            break;
        }
}

void TFormMain::AfterMatchday() {
    Challenge->NoteNewAchievements();
    // The season's last matchday opens its review, once: nothing plays after it this season.
    // The title is the season's headline, and comes before anything else.
    if (Game.Matchday == MatchdayCount)
        ShowSeasonReview({}, Game.Finished);
}
