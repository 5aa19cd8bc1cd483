#include "MatchCentre.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "GameGoalrun.h"
#include "GameMatchRecord.h"
#include "GamePage.h"
#include "LiveAnnouncer.h"
#include "ReportWords.h"
#include "WindowWords.h"
#include "ZnFlowLayout.h"
#include "ZnTabOrder.h"
#include "ZnTranslation.h"
#include "ZnWording.h"

namespace {

constexpr int OtherFixtures = MatchesPerMatchday - 1;
// Below this chance of winning at kick-off, a win is worth a line of its own.
constexpr double LongShot = 0.20;

QString TimeText(int quarter) {
    return TMatchCentre::tr("%1–%2分").arg(15 * quarter - 14).arg(15 * quarter);
}

QLabel* PlainLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

int TMatchCentre::IntervalMs(TSpeed speed) {
    switch (speed) {
    case TSpeed::Slow:
        return 2000;
    case TSpeed::Fast:
        return 400;
    case TSpeed::Normal:
        break;
    }
    return 1000;
}

TMatchCentre::TMatchCentre(QWidget* parent) : QWidget(parent), FTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("MatchCentre"));
    FTimer->setObjectName(QStringLiteral("TimerReplay"));
    FTimer->setInterval(IntervalMs(FSpeed));
    connect(FTimer, &QTimer::timeout, this, [this] {
        ShowQuarter(FQuarter + 1);
        if (FQuarter == Quarters / 2 && PausesAtHalfTime()) {
            FPaused = true;
            FTimer->stop();
            ShowLines();
            UpdateActions();
        }
    });
    CreateActions();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    KeepTranslated(*this, [this] { Retranslate(); });
}

void TMatchCentre::CreatePage() {
    if (FScroll != nullptr)
        return;
    FHeading = PlainLabel("LabelCentreHeading", this);
    FScore = PlainLabel("LabelCentreScore", this);
    QFont big = FScore->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    FScore->setFont(big);
    FOddsLine = PlainLabel("LabelCentreOdds", this);
    FQuarterLine = PlainLabel("LabelCentreQuarter", this);
    FEventList = new QListWidget(this);
    FEventList->setObjectName(QStringLiteral("ListCentreEvents"));
    FEventList->setFocusPolicy(Qt::StrongFocus);
    // Three lines in sight; the newest is always shown.
    FEventList->setFixedHeight(3 * fontMetrics().lineSpacing() + 2 * FEventList->frameWidth() + 6);
    FOthers = NewReportTable(QStringLiteral("TableCentreOthers"), QString(),
                             {QString(), QString(), QString(), QString()});
    FOthers->setRowCount(OtherFixtures);
    FOthers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FOthers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int side : {0, 2})
        FOthers->horizontalHeader()->setSectionResizeMode(side, QHeaderView::Stretch);
    SizeScoreColumns(QHeaderView::ResizeToContents);
    FOthers->horizontalHeader()->setStretchLastSection(false);
    // A line of text a fixture: the seven show in little room.
    FOthers->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FOthers->verticalHeader()->setMinimumSectionSize(1);
    FOthers->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 2);
    FRankLine = PlainLabel("LabelCentreRank", this);
    FRaceLine = PlainLabel("LabelCentreRace", this);
    FEndLine = PlainLabel("LabelCentreEnd", this);
    FEndLine->setFont(big);
    FAnnouncer = new TLiveAnnouncer(this);
    FAnnouncer->setObjectName(QStringLiteral("LabelCentreAnnouncer"));

    // The controls wrap onto a second row in a narrow column.
    auto* controlRow = new QWidget;
    auto* controls = new TZnFlowLayout(controlRow);
    for (QAction* action : FActions) {
        auto* button = new QToolButton(controlRow);
        button->setDefaultAction(action);
        button->setObjectName(QStringLiteral("Btn") + action->objectName());
        button->setFocusPolicy(Qt::TabFocus);
        controls->addWidget(button);
    }
    // The score and, at the end, the result's line stand at the top, so that they stay in
    // sight when the room is short; the centre scrolls as one page then.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{FHeading, FScore, FEndLine, FQuarterLine, FOddsLine,
                                         FEventList, FOthers, FRankLine, FRaceLine, FAnnouncer})
        column->addWidget(widget);
    column->addWidget(controlRow);
    column->addStretch(1);
    FScroll = new QScrollArea(this);
    FScroll->setObjectName(QStringLiteral("ScrollCentre"));
    FScroll->setWidget(content);
    FScroll->setWidgetResizable(true);
    FScroll->setFrameShape(QFrame::NoFrame);
    FScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FScroll->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(FScroll);
    RetranslatePage();
    PlaceInTabOrder();
}

void TMatchCentre::PlaceInTabOrder() {
    // Made after the window, the controls stand last in its focus chain; Tab reaches them where
    // the centre stands, after the control before it.
    QWidget* before = previousInFocusChain();
    while (before != this && (before->focusPolicy() & Qt::TabFocus) == 0)
        before = before->previousInFocusChain();
    if (before == this || isAncestorOf(before))
        return; // the centre is a window of its own: the order is the one they were made in
    PlaceTabStopsAfter(before, *this);
}

void TMatchCentre::CreateActions() {
    const auto add = [this](const char* name, QKeySequence key, bool checkable = false) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setCheckable(checkable);
        FActions.push_back(action);
        return action;
    };
    FActPause = add("ActReplayPause", QKeySequence(Qt::Key_Space));
    FActStep = add("ActReplayStep", QKeySequence(Qt::Key_Right));
    FActSkip = add("ActReplaySkip", QKeySequence(Qt::Key_Escape));
    auto* speeds = new QActionGroup(this);
    const char* names[] = {"ActReplaySlow", "ActReplayNormal", "ActReplayFast"};
    for (int s = 0; s < 3; ++s) {
        FActSpeed[static_cast<size_t>(s)] =
            add(names[s], QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + s)), true);
        speeds->addAction(FActSpeed[static_cast<size_t>(s)]);
        connect(FActSpeed[static_cast<size_t>(s)], &QAction::triggered, this, [this, s] {
            SetSpeed(static_cast<TSpeed>(s));
            emit SettingsChanged();
        });
    }
    FActSpeed[static_cast<size_t>(FSpeed)]->setChecked(true);
    FActHalfTime = add("ActReplayHalfTime", QKeySequence(Qt::CTRL | Qt::Key_H), true);
    connect(FActHalfTime, &QAction::triggered, this, &TMatchCentre::SettingsChanged);
    connect(FActPause, &QAction::triggered, this, &TMatchCentre::TogglePause);
    connect(FActStep, &QAction::triggered, this, &TMatchCentre::StepQuarter);
    connect(FActSkip, &QAction::triggered, this, &TMatchCentre::SkipToEnd);
    UpdateActions();
}

void TMatchCentre::Retranslate() {
    const auto set = [](QAction* action, const QString& text, const QString& tip) {
        action->setText(text);
        action->setStatusTip(tip);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(
            text, action->shortcut().toString(QKeySequence::PortableText)));
        action->setProperty("AccessibleName", text);
    };
    set(FActStep, tr("次の15分"), tr("次の15分をすぐに見せます"));
    set(FActSkip, tr("結果へ"), tr("観戦を飛ばして試合の結果を見せます"));
    set(FActSpeed[0], tr("ゆっくり"), tr("15分を2秒で見せます"));
    set(FActSpeed[1], tr("普通", "the speed of the replay"), tr("15分を1秒で見せます"));
    set(FActSpeed[2], tr("速い"), tr("15分を0.4秒で見せます"));
    set(FActHalfTime, tr("ハーフタイムで止める"), tr("前半が終わったら観戦を一時停止します"));
    if (FScroll != nullptr)
        RetranslatePage();
    UpdateActions();
}

void TMatchCentre::RetranslatePage() {
    FEventList->setAccessibleName(tr("試合の出来事"));
    FOthers->setAccessibleName(tr("ほかの試合"));
    const QString home = QCoreApplication::translate("GameWords", "ホーム");
    const QString away = QCoreApplication::translate("GameWords", "アウェイ");
    FOthers->setHorizontalHeaderLabels({home, tr("スコア"), away, tr("ゴール")});
    FOthers->setFixedHeight(TableContentHeight(*FOthers));
    FAnnouncer->setAccessibleDescription(tr("観戦の知らせ"));
    for (auto* button : findChildren<QToolButton*>())
        if (QAction* action = button->defaultAction())
            button->setAccessibleName(action->text());
    if (FLive)
        ShowLines();
}

void TMatchCentre::UpdateActions() {
    const bool running = IsRunning();
    for (QAction* action : {FActPause, FActStep, FActSkip})
        action->setEnabled(running);
    const QString pause = FPaused ? tr("再開") : tr("一時停止");
    FActPause->setText(pause);
    FActPause->setStatusTip(FPaused ? tr("観戦を続けます") : tr("観戦を一時停止します"));
    FActPause->setToolTip(QStringLiteral("%1 (%2)").arg(
        pause, FActPause->shortcut().toString(QKeySequence::PortableText)));
    for (auto* button : findChildren<QToolButton*>())
        if (button->defaultAction() == FActPause)
            button->setAccessibleName(pause);
}

bool TMatchCentre::Start(const TZnGameGoalrun& game) {
    auto live = LastMatchdayReplay(game);
    const auto report = MatchdayReport(game, game.Matchday);
    if (!live || !report)
        return false;
    CreatePage();
    FLive = std::move(live);
    for (int32_t id = 0; id < ClubCount; ++id)
        FNames[static_cast<size_t>(id)] = FromView(game.Clubs().ClubById(id).Name);
    FOdds = report->Mine ? std::optional(report->Mine->Odds) : std::nullopt;
    FAtHome = FLive->Fixtures().front().HomeId == FLive->MyClubId();
    FRankAtKickOff = FLive->RankAfter(0, FLive->MyClubId());
    FPaused = false;
    FQuarter = -1;
    FEvents.clear();
    // The last replay's final score is not this kick-off's news.
    FAnnouncer->clear();
    ShowQuarter(0);
    FScroll->verticalScrollBar()->setValue(0);
    FTimer->setInterval(IntervalMs(FSpeed));
    FTimer->start();
    return true;
}

QString TMatchCentre::NameOf(int32_t clubId) const {
    return clubId >= 0 && clubId < ClubCount ? FNames[static_cast<size_t>(clubId)] : QString();
}

QString TMatchCentre::ScoreLine(const TZnLiveScore& score) const {
    const TZnLiveFixture& mine = FLive->Fixtures().front();
    return tr("%1 %2 - %3 %4")
        .arg(NameOf(mine.HomeId))
        .arg(score.Home)
        .arg(score.Away)
        .arg(NameOf(mine.AwayId));
}

void TMatchCentre::ShowQuarter(int quarter) {
    if (!FLive || quarter <= FQuarter || quarter > Quarters)
        return;
    const bool skipped = quarter > FQuarter + 1;
    QStringList spoken;
    // The events of each quarter-hour not yet shown: per side, a chance stopped or a goal, the
    // home side first.
    for (int q = std::max(1, FQuarter + 1); q <= quarter; ++q) {
        TZnLiveScore score = FLive->ScoresAfter(q - 1).front();
        for (bool away : {false, true}) {
            const TZnRound round = FLive->RoundAt(0, away, q);
            if (round == TZnRound::Stopped) {
                FEvents.push_back({q, away, false, score});
            } else if (round == TZnRound::Goal) {
                ++(away ? score.Away : score.Home);
                FEvents.push_back({q, away, true, score});
                if (!skipped)
                    spoken << EventText(FEvents.back());
            }
        }
    }
    FQuarter = quarter;
    const TZnLiveScore now = FLive->ScoresAfter(FQuarter).front();
    if (FQuarter == Quarters / 2 && !skipped)
        spoken << tr("ハーフタイム %1").arg(ScoreLine(now));
    if (FQuarter == Quarters) {
        FTimer->stop();
        FPaused = false;
        spoken << tr("試合終了 %1").arg(ScoreLine(now));
    }
    ShowLines();
    UpdateActions();
    if (!spoken.isEmpty())
        Announce(spoken.join(QStringLiteral(" ")));
    emit QuarterShown(FQuarter);
    if (FQuarter == Quarters)
        emit Ended();
}

QString TMatchCentre::EventText(const TEvent& event) const {
    const TZnLiveFixture& mine = FLive->Fixtures().front();
    const QString club = NameOf(event.Away ? mine.AwayId : mine.HomeId);
    if (!event.Goal)
        return tr("%1 %2 チャンス").arg(TimeText(event.Quarter), club);
    return tr("ゴール！ %1 %2-%3").arg(club).arg(event.Score.Home).arg(event.Score.Away);
}

void TMatchCentre::ShowLines() {
    const auto scores = FLive->ScoresAfter(FQuarter);
    const auto before = FLive->ScoresAfter(std::max(0, FQuarter - 1));
    FHeading->setText(tr("第%1節 %2")
                          .arg(FLive->Matchday())
                          .arg(FAtHome ? QCoreApplication::translate("GameWords", "ホーム")
                                       : QCoreApplication::translate("GameWords", "アウェイ")));
    FScore->setText(ScoreLine(scores.front()));
    FOddsLine->setText(
        FOdds ? tr("試合前の見込み %1").arg(FromView(OddsText(WindowWording(), *FOdds)))
              : QString());
    QString progress;
    for (int q = 1; q <= Quarters; ++q)
        progress += q <= FQuarter ? QStringLiteral("■") : QStringLiteral("□");
    QString quarter = FQuarter == 0 ? tr("キックオフ") : TimeText(FQuarter);
    if (FQuarter == Quarters)
        quarter += QLatin1Char(' ') + tr("試合終了");
    else if (FPaused)
        quarter += QLatin1Char(' ') + tr("一時停止中");
    FQuarterLine->setText(QStringLiteral("%1 %2").arg(quarter, progress));
    FQuarterLine->setAccessibleName(
        tr("%1、%2本目の15分まで").arg(quarter).arg(FQuarter)); // the marks say nothing spoken
    FEventList->clear();
    for (const TEvent& event : FEvents)
        FEventList->addItem(EventText(event));
    if (FEventList->count() > 0)
        FEventList->scrollToBottom();
    // The score and goal columns are measured once the seven rows are set, not after each cell.
    SizeScoreColumns(QHeaderView::Interactive);
    for (int j = 1; j <= OtherFixtures; ++j) {
        const TZnLiveFixture& f = FLive->Fixtures()[static_cast<size_t>(j)];
        const TZnLiveScore& s = scores[static_cast<size_t>(j)];
        // A goal of this quarter-hour is marked by a word and in bold, never by colour alone.
        const bool goal = FQuarter > 0 && !(s == before[static_cast<size_t>(j)]);
        const QString cells[] = {NameOf(f.HomeId),
                                 QStringLiteral("%1 - %2").arg(s.Home).arg(s.Away),
                                 NameOf(f.AwayId), goal ? tr("ゴール！") : QString()};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0   ? Qt::AlignRight | Qt::AlignVCenter
                                   : c == 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                            : Qt::AlignCenter);
            QFont font = FOthers->font();
            font.setBold(goal);
            item->setFont(font);
            FOthers->setItem(j - 1, c, item);
        }
    }
    SizeScoreColumns(QHeaderView::ResizeToContents);
    // Bold rows may be taller: the seven stay whole.
    FOthers->setFixedHeight(TableContentHeight(*FOthers));
    const int rank = FLive->RankAfter(FQuarter, FLive->MyClubId());
    const int change = FRankAtKickOff - rank;
    const QString move = change > 0   ? QStringLiteral("↑%1").arg(change)
                         : change < 0 ? QStringLiteral("↓%1").arg(-change)
                                      : QStringLiteral("→");
    FRankLine->setText(
        tr("暫定順位 %1 (キックオフ時 %2 %3)").arg(RankText(rank), RankText(FRankAtKickOff), move));
    // On the last five matchdays: is the title still within reach, and how far is first?
    const bool race = FLive->Matchday() > MatchdayCount - 5;
    FRaceLine->setVisible(race);
    if (race) {
        const TZnTitleRace r = FLive->TitleRaceAfter(FQuarter);
        FRaceLine->setText(!r.Possible ? tr("優勝の可能性なし 首位と勝点差%1").arg(r.GapToFirst)
                           : r.GapToFirst == 0 && rank == 0
                               ? tr("優勝の可能性あり 首位")
                               : tr("優勝の可能性あり 首位と勝点差%1").arg(r.GapToFirst));
    }
    QString end;
    if (FQuarter == Quarters) {
        const TZnLiveScore& s = scores.front();
        const int mineGoals = FAtHome ? s.Home : s.Away;
        const int theirs = FAtHome ? s.Away : s.Home;
        end = tr("試合終了 %1").arg(ScoreLine(s));
        if (mineGoals > theirs && FOdds && FOdds->Win < LongShot)
            end += QLatin1Char('\n') + tr("勝率%1%からの勝利！").arg(OddsPercents(*FOdds)[0]);
    }
    FEndLine->setText(end);
    FEndLine->setVisible(!end.isEmpty());
}

void TMatchCentre::SizeScoreColumns(QHeaderView::ResizeMode mode) {
    for (int c : {1, 3})
        FOthers->horizontalHeader()->setSectionResizeMode(c, mode);
}

void TMatchCentre::Announce(const QString& text) {
    FAnnouncer->Announce(text);
}

void TMatchCentre::TogglePause() {
    if (!IsRunning())
        return;
    FPaused = !FPaused;
    if (FPaused)
        FTimer->stop();
    else
        FTimer->start(IntervalMs(FSpeed));
    ShowLines();
    UpdateActions();
}

void TMatchCentre::StepQuarter() {
    if (!IsRunning())
        return;
    ShowQuarter(FQuarter + 1);
    if (IsRunning() && !FPaused)
        FTimer->start(IntervalMs(FSpeed));
}

void TMatchCentre::SkipToEnd() {
    if (IsRunning())
        ShowQuarter(Quarters);
}

void TMatchCentre::SetSpeed(TSpeed speed) {
    FSpeed = speed;
    FActSpeed[static_cast<size_t>(speed)]->setChecked(true);
    FTimer->setInterval(IntervalMs(speed));
}

bool TMatchCentre::PausesAtHalfTime() const {
    return FActHalfTime->isChecked();
}

void TMatchCentre::SetPauseAtHalfTime(bool pause) {
    FActHalfTime->setChecked(pause);
}

QSize TMatchCentre::sizeHint() const {
    // The whole page: the scroll area itself asks for little.
    return FScroll != nullptr ? FScroll->widget()->sizeHint() : QWidget::sizeHint();
}

void TMatchCentre::ScrollToTop() {
    if (FScroll != nullptr)
        FScroll->verticalScrollBar()->setValue(0);
}
