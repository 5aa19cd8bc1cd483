#include "WatchPart.h"

#include <array>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QScopeGuard>

#include "GameLiveMatchday.h"
#include "GameSession.h"
#include "MatchCentre.h"
#include "MessageLogEdit.h"
#include "PageFixtures.h"
#include "PageRankTable.h"
#include "WindowState.h"
#include "WindowWords.h"
#include "ZnMessageLog.h"

TWatchPart::TWatchPart(TGameSession& session, QWidget& window, TMessageLogEdit& log)
    : QObject(&window), Session(session), Log(log) {
    MatchCentre = new TMatchCentre;
    // The centre takes the report's place and scrolls where the room is short; the room is the
    // report's, so the window's initial size is not asked to grow for it.
    MatchCentre->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ActWatch = new QAction(&window);
    ActWatch->setObjectName(QStringLiteral("ActWatch"));
    ActWatch->setCheckable(true);
    ActWatch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    window.addAction(ActWatch);
    // Every key of the replay works from any control of the window.
    for (QAction* action : MatchCentre->Actions())
        window.addAction(action);
    MenuWatch = new QMenu(&window);
    MenuWatch->setObjectName(QStringLiteral("MenuWatch"));
    MenuWatch->addActions(ReplayActions());
    // Beside 試合開始, where the player sees whether the next matchday will be watched. It
    // follows the choice whatever changed either (a click, a key, a screen reader's toggle).
    CheckWatch = new QCheckBox;
    CheckWatch->setObjectName(QStringLiteral("CheckWatch"));
    connect(CheckWatch, &QCheckBox::toggled, ActWatch, [this](bool on) {
        if (ActWatch->isChecked() != on)
            ActWatch->trigger();
    });
    connect(ActWatch, &QAction::toggled, CheckWatch, &QCheckBox::setChecked);
    connect(ActWatch, &QAction::triggered, this, &TWatchPart::Remember);
    connect(MatchCentre, &TMatchCentre::SettingsChanged, this, &TWatchPart::Remember);
    connect(MatchCentre, &TMatchCentre::Ended, this, &TWatchPart::ReplayEnded);
    connect(MatchCentre, &TMatchCentre::QuarterShown, this, &TWatchPart::LiveQuarter);
}

QList<QAction*> TWatchPart::ReplayActions() const {
    return {MatchCentre->Actions().begin(), MatchCentre->Actions().end()};
}

void TWatchPart::Remember() {
    RememberWatchChoices(*OpenWindowSettings(),
                         {ActWatch->isChecked(), static_cast<int>(MatchCentre->Speed()),
                          MatchCentre->PausesAtHalfTime()});
}

void TWatchPart::ApplyRemembered(TWindowSettings& settings) {
    // A new settings file leaves watching off.
    const TWatchChoices chosen = WatchChoices(settings);
    ActWatch->setChecked(chosen.Watch);
    MatchCentre->SetSpeed(static_cast<TMatchCentre::TSpeed>(chosen.Speed));
    MatchCentre->SetPauseAtHalfTime(chosen.HalfTimePause);
}

bool TWatchPart::Watching() const {
    return ActWatch->isChecked();
}

bool TWatchPart::Running() const {
    return MatchCentre->IsRunning();
}

void TWatchPart::Play() {
    // The matchday is decided here, by the same engine call as without watching; its messages
    // wait for the final whistle.
    TZnMessageList held;
    Session.SetMessageLog(&held);
    const auto restore = qScopeGuard([this] { Session.SetMessageLog(&Log); });
    Session.PlayMatchday();
    HeldMessages = std::move(held.Messages);
    emit Started();
    if (!MatchCentre->Start(Session.Game()))
        ReplayEnded(); // nothing recorded to replay: the result at once
}

bool TWatchPart::Finish() {
    if (!Running())
        return false;
    MatchCentre->SkipToEnd();
    return true;
}

void TWatchPart::Follow(TPageRankTable& table) {
    connect(this, &TWatchPart::LiveQuarter, &table, [this, &table](int quarter) {
        const auto& live = MatchCentre->Live();
        if (!live || !Running())
            return;
        std::array<int32_t, ClubCount> kickOff{};
        for (const TZnClub& club : live->TableAfter(0))
            kickOff.at(static_cast<size_t>(club.ClubId)) = club.Rank;
        table.ShowLive(live->TableAfter(quarter), kickOff);
    });
    connect(this, &TWatchPart::LiveEnded, &table, &TPageRankTable::EndLive);
}

void TWatchPart::Follow(TPageFixtures& fixtures) {
    connect(this, &TWatchPart::LiveQuarter, &fixtures, [this, &fixtures](int quarter) {
        const auto& live = MatchCentre->Live();
        if (!live || !Running())
            return;
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
        fixtures.ShowLive(live->Matchday() - 1, std::move(matches));
    });
    connect(this, &TWatchPart::LiveEnded, &fixtures, &TPageFixtures::EndLive);
}

void TWatchPart::ShowAgain() {
    if (Running())
        emit LiveQuarter(MatchCentre->Quarter());
}

void TWatchPart::ReplayEnded() {
    for (const TZnMessage& message : HeldMessages)
        Log.Add(message);
    HeldMessages.clear();
    emit LiveEnded();
    MatchCentre->ScrollToTop();
    emit Ended();
}

void TWatchPart::Retranslate() {
    ActWatch->setText(tr("試合を観る"));
    ActWatch->setStatusTip(tr("試合開始のあと、15分ごとに試合を見せます。結果は変わりません。"));
    MenuWatch->setTitle(tr("観戦(&W)"));
    MenuWatch->menuAction()->setStatusTip(tr("観戦の速さと操作です。"));
    ActWatch->setToolTip(CommandToolTip(*ActWatch));
    CheckWatch->setText(ActWatch->text());
    CheckWatch->setToolTip(ActWatch->toolTip());
    CheckWatch->setStatusTip(ActWatch->statusTip());
    CheckWatch->setAccessibleName(ActWatch->text());
}
