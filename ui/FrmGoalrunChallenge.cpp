// The main window's part of challenge codes, difficulties and achievements: the new game's box,
// the code and difficulty in the status bar (the club panel's tip is ActZLVMyClubDataExecute's),
// the command that copies the code, the note of an achievement just earned and the player's
// achievements file.

#include "FrmGoalrun.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>

#include "AchievementsDialog.h"
#include "ChallengeWords.h"
#include "GameGoalrun.h"
#include "LiveAnnouncer.h"
#include "NewGameDialog.h"
#include "ZnDialogs.h"

namespace {

// How long the note of an achievement stands in the status bar.
constexpr int EarnedNoteMs = 10000;

} // namespace

void TFormMain::CreateChallengeCommands() {
    ActAchievements = NewAction({}, QStringLiteral("ゲーム"), QStringLiteral("ActAchievements"));
    ActCopyCode = NewAction({}, QStringLiteral("ゲーム"), QStringLiteral("ActCopyCode"));
    ActCopyCode->setEnabled(false);
    // After the season review, before watching.
    const QList<QAction*> entries = G1->actions();
    QAction* const before = entries.at(entries.indexOf(ActSeasonReview) + 1);
    G1->insertActions(before, {ActAchievements, ActCopyCode});
    connect(ActAchievements, &QAction::triggered, this,
            [this] { RunCommand(nullptr, [this] { ActAchievementsExecute(); }); });
    connect(ActCopyCode, &QAction::triggered, this,
            [this] { RunCommand(ActCopyCode, [this] { ActCopyCodeExecute(); }); });

    ChallengeNote = new QLabel(this);
    ChallengeNote->setObjectName(QStringLiteral("ChallengeNote"));
    ChallengeNote->setTextFormat(Qt::PlainText);
    ChallengeNote->hide();
    statusBar()->addPermanentWidget(ChallengeNote);
    AchievementNote = new TLiveAnnouncer(this);
    AchievementNote->setObjectName(QStringLiteral("AchievementNote"));
    // One line, as the status bar's own messages: the bar, and so the window, never grows when
    // a note comes.
    AchievementNote->setWordWrap(false);
    AchievementNote->setMaximumHeight(statusBar()->fontMetrics().height());
    AchievementNote->hide();
    statusBar()->addWidget(AchievementNote);
    AchievementNoteTimer = new QTimer(this);
    AchievementNoteTimer->setSingleShot(true);
    AchievementNoteTimer->setInterval(EarnedNoteMs);
    connect(AchievementNoteTimer, &QTimer::timeout, AchievementNote, &QWidget::hide);
}

void TFormMain::RetranslateChallenge() {
    ActAchievements->setText(TChallengeWords::AchievementsAction());
    ActAchievements->setStatusTip(TChallengeWords::AchievementsTip());
    ActCopyCode->setText(TChallengeWords::CopyCodeAction());
    ActCopyCode->setStatusTip(TChallengeWords::CopyCodeTip());
    // The last note, in the new language.
    AchievementNote->setText(EarnedNote());
}

QString TFormMain::EarnedNote() const {
    QStringList notes;
    for (const TZnAchievementId id : NotedAchievements)
        notes << TChallengeWords::Earned(id);
    return notes.join(QLatin1Char(' '));
}

void TFormMain::SetAchievementsFile(const QString& path) {
    AchievementsPath = path;
    // A file that cannot be read gives nothing and stays as it is (RecordAchievements).
    UserAchievements = ReadAchievementsFile(QFile::encodeName(path).toStdString()).Earned;
}

std::optional<TZnGameSetup> TFormMain::AskNewGameSetup() {
    TNewGameDialog box(this);
    if (Dialogs.ExecDialog(box) != QDialog::Accepted)
        return std::nullopt;
    return box.Setup();
}

void TFormMain::ShowChallenge() {
    const QString text = TChallengeWords::Setup(Game.Setup());
    ChallengeNote->setText(text);
    ChallengeNote->setVisible(!text.isEmpty());
}

void TFormMain::RecordNewAchievements() {
    // What the matchday just played earned stands last, with its season and matchday.
    std::vector<TZnEarnedAchievement> earned;
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    for (const TZnAchievement& a : Game.Achievements)
        if (a.Season == Game.Season && a.Matchday == Game.Matchday)
            earned.push_back(
                {a.Id, date.toStdString(), a.Season, Game.Setup().Difficulty, Game.Setup().Code});
    UnnotedAchievements.clear();
    UnnotedError.clear();
    for (const TZnEarnedAchievement& e : earned) {
        UnnotedAchievements.push_back(e.Id);
        if (std::none_of(UserAchievements.begin(), UserAchievements.end(),
                         [&](const TZnEarnedAchievement& u) { return u.Id == e.Id; }))
            UserAchievements.push_back(e);
    }
    // Written at once, as the matchday is final at once: a game ended during the replay keeps
    // them. A file that cannot be written costs only itself: the game goes on, the achievements
    // stand in the list of this run, and the note will say why they are not kept.
    if (earned.empty() || AchievementsPath.isEmpty())
        return;
    try {
        QDir().mkpath(QFileInfo(AchievementsPath).path());
        RecordAchievements(QFile::encodeName(AchievementsPath).toStdString(), earned);
    } catch (const EZnSaveError& error) {
        UnnotedError = TChallengeWords::NotKept(FileReasonText(error.Reason()));
    }
}

void TFormMain::NoteNewAchievements() {
    if (UnnotedAchievements.empty())
        return;
    NotedAchievements = std::exchange(UnnotedAchievements, {});
    QString note = EarnedNote();
    if (!UnnotedError.isEmpty())
        note += QLatin1Char(' ') + std::exchange(UnnotedError, {});
    // The bar draws its message (a command's status tip, where the pointer rests) over its
    // other texts: the newer note takes its place instead. A later message hides the note until
    // it ends.
    statusBar()->clearMessage();
    AchievementNote->show();
    AchievementNote->Announce(note);
    AchievementNoteTimer->start();
}

void TFormMain::ActCopyCodeExecute() {
    if (!Game.Setup().Code)
        return;
    const QString code = QString::fromStdString(Game.Setup().Code->Text());
    QGuiApplication::clipboard()->setText(code);
    statusBar()->showMessage(TChallengeWords::CodeCopied(code), EarnedNoteMs);
}

void TFormMain::ActAchievementsExecute() {
    TAchievementsDialog box(UserAchievements, this);
    Dialogs.ExecDialog(box);
}
