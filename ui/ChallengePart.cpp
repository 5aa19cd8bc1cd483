#include "ChallengePart.h"

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
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>

#include "AchievementsDialog.h"
#include "ChallengeWords.h"
#include "FileWords.h"
#include "GameSession.h"
#include "LiveAnnouncer.h"
#include "NewGameDialog.h"
#include "ZnDialogs.h"

namespace {

// How long the note of an achievement stands in the status bar.
constexpr int EarnedNoteMs = 10000;

} // namespace

TChallengePart::TChallengePart(TGameSession& session, TZnDialogs& dialogs, QMainWindow& window,
                               TRunCommand run)
    : QObject(&window), Session(session), Dialogs(dialogs), Window(window) {
    ActAchievements = new QAction(&window);
    ActAchievements->setObjectName(QStringLiteral("ActAchievements"));
    ActCopyCode = new QAction(&window);
    ActCopyCode->setObjectName(QStringLiteral("ActCopyCode"));
    for (QAction* action : {ActAchievements, ActCopyCode})
        action->setProperty("Category", QStringLiteral("ゲーム"));
    // Only a game with a code has one to copy.
    ActCopyCode->setEnabled(false);
    connect(ActAchievements, &QAction::triggered, this, [this, run] {
        run(nullptr, [this] {
            TAchievementsDialog box(UserAchievements, &Window);
            Dialogs.ExecDialog(box);
        });
    });
    connect(ActCopyCode, &QAction::triggered, this,
            [this, run] { run(ActCopyCode, [this] { CopyCode(); }); });
    connect(&Session, &TGameSession::MatchdayPlayed, this, &TChallengePart::RecordNewAchievements);
    connect(&Session, &TGameSession::GameReplaced, this, &TChallengePart::ShowChallenge);

    ChallengeNote = new QLabel(&window);
    ChallengeNote->setObjectName(QStringLiteral("ChallengeNote"));
    ChallengeNote->setTextFormat(Qt::PlainText);
    ChallengeNote->hide();
    window.statusBar()->addPermanentWidget(ChallengeNote);
    AchievementNote = new TLiveAnnouncer(&window);
    AchievementNote->setObjectName(QStringLiteral("AchievementNote"));
    // One line, as the status bar's own messages: the bar, and so the window, never grows when
    // a note comes.
    AchievementNote->setWordWrap(false);
    AchievementNote->setMaximumHeight(window.statusBar()->fontMetrics().height());
    AchievementNote->hide();
    window.statusBar()->addWidget(AchievementNote);
    AchievementNoteTimer = new QTimer(this);
    AchievementNoteTimer->setSingleShot(true);
    AchievementNoteTimer->setInterval(EarnedNoteMs);
    connect(AchievementNoteTimer, &QTimer::timeout, AchievementNote, &QWidget::hide);
}

QList<QAction*> TChallengePart::Actions() const {
    return {ActAchievements, ActCopyCode};
}

void TChallengePart::Retranslate() {
    ActAchievements->setText(TChallengeWords::AchievementsAction());
    ActAchievements->setStatusTip(TChallengeWords::AchievementsTip());
    ActCopyCode->setText(TChallengeWords::CopyCodeAction());
    ActCopyCode->setStatusTip(TChallengeWords::CopyCodeTip());
    // The last note, in the new language.
    AchievementNote->setText(EarnedNote());
}

QString TChallengePart::EarnedNote() const {
    QStringList notes;
    for (const TZnAchievementId id : NotedAchievements)
        notes << TChallengeWords::Earned(id);
    return notes.join(QLatin1Char(' '));
}

void TChallengePart::SetAchievementsFile(const QString& path) {
    AchievementsPath = path;
    // A file that cannot be read gives nothing and stays as it is (RecordAchievements).
    UserAchievements = ReadAchievementsFile(QFile::encodeName(path).toStdString()).Earned;
}

std::optional<TZnGameSetup> TChallengePart::AskNewGameSetup() {
    TNewGameDialog box(&Window);
    if (Dialogs.ExecDialog(box) != QDialog::Accepted)
        return std::nullopt;
    return box.Setup();
}

void TChallengePart::ShowChallenge() {
    const TZnGameSetup& setup = Session.Game().Setup();
    ActCopyCode->setEnabled(setup.Code.has_value());
    const QString text = TChallengeWords::Setup(setup);
    ChallengeNote->setText(text);
    ChallengeNote->setVisible(!text.isEmpty());
}

void TChallengePart::RecordNewAchievements() {
    const TZnGameGoalrun& game = Session.Game();
    // What the matchday just played earned stands last, with its season and matchday.
    std::vector<TZnEarnedAchievement> earned;
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    for (const TZnAchievement& a : game.Achievements)
        if (a.Season == game.Season && a.Matchday == game.Matchday)
            earned.push_back(
                {a.Id, date.toStdString(), a.Season, game.Setup().Difficulty, game.Setup().Code});
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
        UnnotedError = TChallengeWords::NotKept(TFileWords::Reason(error.Reason()));
    }
}

void TChallengePart::NoteNewAchievements() {
    if (UnnotedAchievements.empty())
        return;
    NotedAchievements = std::exchange(UnnotedAchievements, {});
    QString note = EarnedNote();
    if (!UnnotedError.isEmpty())
        note += QLatin1Char(' ') + std::exchange(UnnotedError, {});
    // The bar draws its message (a command's status tip, where the pointer rests) over its
    // other texts: the newer note takes its place instead. A later message hides the note until
    // it ends.
    Window.statusBar()->clearMessage();
    AchievementNote->show();
    AchievementNote->Announce(note);
    AchievementNoteTimer->start();
}

void TChallengePart::CopyCode() {
    const auto& code = Session.Game().Setup().Code;
    if (!code)
        return;
    const QString text = QString::fromStdString(code->Text());
    QGuiApplication::clipboard()->setText(text);
    Window.statusBar()->showMessage(TChallengeWords::CodeCopied(text), EarnedNoteMs);
}
