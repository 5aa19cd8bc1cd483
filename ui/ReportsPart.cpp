#include "ReportsPart.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>

#include "GamePage.h"
#include "GameSeasonRecord.h"
#include "GameSession.h"
#include "MatchReportView.h"
#include "SeasonReviewDialog.h"
#include "WindowWords.h"

QKeySequence TReportsPart::FocusBoxKey() {
    return QKeySequence(Qt::CTRL | Qt::Key_B);
}

TReportsPart::TReportsPart(TGameSession& session, QMainWindow& window,
                           std::function<void(QAction*, const std::function<void()>&)> run,
                           std::function<void()> showReport)
    : QObject(&window), Session(session), Window(window), ShowReport(std::move(showReport)) {
    MatchReport = new TMatchReportView;
    // The report takes what the right column has left; the initial size gives it room for its
    // heading and the six quarter-hours (its width follows the column).
    MatchReport->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ActSeasonReview = new QAction(&window);
    ActSeasonReview->setObjectName(QStringLiteral("ActSeasonReview"));
    ActSeasonReview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    window.addAction(ActSeasonReview);
    connect(ActSeasonReview, &QAction::triggered, this,
            [this, run] { run(nullptr, [this] { ShowSeason({}, true); }); });
    // A new or loaded game closes the review of the game before it.
    connect(&Session, &TGameSession::GameReplaced, this, &TReportsPart::CloseSeasonReview);
}

void TReportsPart::SetBuildUpBox(QComboBox& box) {
    BuildUpBox = &box;
    auto* focusBox = new QShortcut(FocusBoxKey(), &Window);
    focusBox->setObjectName(QStringLiteral("ShortcutBuildUp"));
    connect(focusBox, &QShortcut::activated, this, &TReportsPart::FocusBuildUpBox);
}

void TReportsPart::ShowLatest() {
    MatchReport->ShowLatest(Session.Game());
    FollowSeasonReview();
}

void TReportsPart::Retranslate() {
    ActSeasonReview->setText(tr("シーズンレビュー(&R)"));
    ActSeasonReview->setStatusTip(tr("今シーズンの成績をまとめて見ます。"));
    ActSeasonReview->setToolTip(CommandToolTip(*ActSeasonReview));
}

void TReportsPart::FocusBuildUpBox() {
    Window.activateWindow();
    BuildUpBox->setFocus(Qt::ShortcutFocusReason);
    BuildUpBox->lineEdit()->selectAll();
    TypingIntoBox = true;
}

void TReportsPart::ShowFixture(int32_t matchday, int32_t fixture) {
    ShowReport();
    if (!MatchReport->ShowFixture(Session.Game(), matchday, fixture)) {
        Window.statusBar()->showMessage(tr("第%1節はまだ行われていません。").arg(matchday), 5000);
        return;
    }
    // The report speaks next: the keyboard goes to its rounds (or, without them, its details).
    for (auto* table : MatchReport->findChildren<QTableWidget*>())
        if (table->isVisibleTo(MatchReport)) {
            table->setFocus(Qt::OtherFocusReason);
            break;
        }
}

void TReportsPart::CloseSeasonReview() {
    if (ReviewDialog != nullptr)
        ReviewDialog->hide();
}

void TReportsPart::ShowSeason(std::optional<size_t> careerIndex, bool activate) {
    const TZnGameGoalrun& game = Session.Game();
    if (ReviewDialog == nullptr) {
        ReviewDialog = new TSeasonReviewDialog(&Window);
        // Every key of the window works while the review has the keyboard: F6 starts the next
        // season, F5 plays, Ctrl+R shows the current season again, Ctrl+B and a typed amount go
        // to the strengthening box (eventFilter).
        ReviewDialog->addActions(Window.actions());
        auto* focusBox = new QShortcut(FocusBoxKey(), ReviewDialog);
        connect(focusBox, &QShortcut::activated, this, &TReportsPart::FocusBuildUpBox);
        ReviewDialog->installEventFilter(this);
        for (QWidget* child : ReviewDialog->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    ReviewFollowsSeason.reset();
    if (!careerIndex)
        ReviewFollowsSeason = game.Season;
    ReviewDialog->ShowReview(careerIndex ? CompletedSeasonReview(game, *careerIndex)
                                         : CurrentSeasonReview(game),
                             FromView(game.MyClub().Name));
    // Opened by the season's end, it leaves the keyboard with the window.
    ReviewDialog->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    ReviewDialog->show();
    ReviewDialog->raise();
    if (activate)
        ReviewDialog->activateWindow();
}

void TReportsPart::FollowSeasonReview() {
    const TZnGameGoalrun& game = Session.Game();
    if (ReviewDialog == nullptr || !ReviewDialog->isVisible() || !ReviewFollowsSeason)
        return;
    // The season it showed is over and done with once the next one starts.
    if (*ReviewFollowsSeason != game.Season) {
        CloseSeasonReview();
        return;
    }
    ReviewDialog->ShowReview(CurrentSeasonReview(game), FromView(game.MyClub().Name));
}

bool TReportsPart::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (ReviewDialog == nullptr || widget == nullptr ||
        (widget != ReviewDialog && !ReviewDialog->isAncestorOf(widget)))
        return QObject::eventFilter(watched, event);
    // Each time the review takes the keyboard, the next amount typed there is a new one (as after
    // a command, RunCommand).
    if (event->type() == QEvent::WindowActivate && widget == ReviewDialog)
        TypingIntoBox = false;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const QString text = key.text();
    if (text.isEmpty() || !BuildUpBox->isEnabled() ||
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
    QCoreApplication::sendEvent(BuildUpBox->lineEdit(), &copy);
    return true;
}
