#include "GameKeeper.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QScopeGuard>
#include <QStatusBar>

#include "AutosaveKeeper.h"
#include "FileWords.h"
#include "GameLibrary.h"
#include "GameSession.h"
#include "GamesDialog.h"
#include "WindowState.h"
#include "WindowWords.h"
#include "ZnDialogs.h"
#include "ZnFileName.h"
#include "ZnStream.h"
#include "ZnToolTip.h"
#include "ZnUserFolders.h"

namespace {

const QEvent::Type PlaceEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

std::vector<uint8_t> GameImage(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return std::move(stream.Bytes);
}

std::pair<int32_t, int32_t> Place(const TZnGameGoalrun& game) {
    return {game.Season, game.Matchday};
}

} // namespace

TGameKeeper::TGameKeeper(TGameSession& session, TZnDialogs& dialogs, QMainWindow& window,
                         THooks hooks)
    : QObject(&window), Session(session), Dialogs(dialogs), Window(window), Hooks(std::move(hooks)),
      Autosaves(std::make_unique<TAutosaveKeeper>(GamesFolder())) {
    ActKeepPlace = new QAction(&window);
    ActKeepPlace->setObjectName(QStringLiteral("ActKeepPlace"));
    ActKeepPlace->setProperty("Category", QStringLiteral("ゲーム"));
    ActKeepPlace->setCheckable(true);
    connect(ActKeepPlace, &QAction::triggered, this, [this](bool on) {
        RememberKeepPlace(*OpenWindowSettings(), on);
        if (!on)
            PendingPlace.reset();
        ShowNote();
    });
    ActGames = new QAction(&window);
    ActGames->setObjectName(QStringLiteral("ActGames"));
    ActGames->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    // The key works before the menu has been opened.
    window.addAction(ActGames);
    connect(ActGames, &QAction::triggered, this,
            [this] { Hooks.Run(nullptr, [this] { ShowGames(); }); });
    for (int n = 1; n <= static_cast<int>(MIAutosaveLoad.size()); ++n) {
        QAction* entry = MIAutosaveLoad[static_cast<size_t>(n - 1)] = new QAction(&window);
        entry->setObjectName(QStringLiteral("MIAutosaveLoad%1").arg(n));
        connect(entry, &QAction::triggered, this,
                [this, n] { Hooks.Run(nullptr, [this, n] { LoadAutosave(n); }); });
    }
    AutosaveNote = new QLabel(&window);
    AutosaveNote->setObjectName(QStringLiteral("AutosaveNote"));
    AutosaveNote->setTextFormat(Qt::PlainText);
    AutosaveNote->hide();
    window.statusBar()->addPermanentWidget(AutosaveNote);

    connect(&Session, &TGameSession::StateChanged, this, &TGameKeeper::StateChanged);
    connect(&Session, &TGameSession::GameReplaced, this, &TGameKeeper::FollowReplacedGame);
}

TGameKeeper::~TGameKeeper() = default;

QList<QAction*> TGameKeeper::Actions() const {
    return {ActKeepPlace};
}

QList<QAction*> TGameKeeper::LoadActions() const {
    return {ActGames};
}

QList<QAction*> TGameKeeper::AutosaveEntries() const {
    return {MIAutosaveLoad.begin(), MIAutosaveLoad.end()};
}

void TGameKeeper::SetRole(bool lockHeld, bool startNew) {
    Role = lockHeld ? TRole::LockHolder : TRole::NotLockHolder;
    StartNew = startNew;
}

void TGameKeeper::ApplyRemembered(TWindowSettings& settings) {
    ActKeepPlace->setChecked(KeepPlaceChosen(settings));
}

bool TGameKeeper::KeepsPlace() const {
    return Role == TRole::LockHolder && ActKeepPlace->isChecked() &&
           Autosaves->State() != TAutosaveKeeper::TState::Elsewhere;
}

void TGameKeeper::Start(bool withFile) {
    const auto shown = qScopeGuard([this] { ShowNote(); });
    if (!KeepsPlace())
        return;
    // The one folder of earlier releases becomes one game's: nothing is lost by the upgrade.
    try {
        Autosaves->Library().Adopt(EncodeFileName(AutosaveFolder()).toStdString(),
                                   Session.Game().GameIdSource());
    } catch (const EZnFileError& error) {
        Window.statusBar()->showMessage(
            tr("以前の自動保存を移せません: %1").arg(TFileWords::Reason(error.Reason())));
    }
    if (!withFile && !StartNew) {
        // A game none of whose autosaves loads is passed over for the one played before it; one
        // another copy plays is left to it.
        for (const TZnGameId& id : Autosaves->Library().PlayedLast()) {
            if (ContinueKeptGame(id))
                return;
            if (Autosaves->State() == TAutosaveKeeper::TState::Elsewhere)
                break;
        }
    }
    // The new game, or the game another copy plays left to it: a folder that cannot be used is
    // named at once, before anything is played.
    FollowGame();
    Autosaves->Claim(false);
}

bool TGameKeeper::ContinueKeptGame(const TZnGameId& id) {
    Autosaves->Follow(id);
    if (Autosaves->Claim(false) != TAutosaveKeeper::TState::Kept)
        return false;
    std::vector<std::string> passedOver;
    Continuing = true;
    const bool loaded = Session.LoadNewestAutosave(Autosaves->Autosaves(), passedOver);
    Continuing = false;
    QString report;
    if (loaded) {
        // Autosaves of earlier releases carry no identity: their folder gives it.
        Session.SetIdentity(id);
        Kept = Place(Session.Game());
        Autosaves->Continued(GameImage(Session.Game()));
        Hooks.Refresh();
        report = tr("前回の続き（%1季目 第%2節）から再開しました")
                     .arg(int64_t{Session.Game().Season} + 1)
                     .arg(Session.Game().Matchday);
    }
    if (!passedOver.empty()) {
        QStringList names;
        for (const std::string& path : passedOver)
            names << DecodeFileName(QByteArray::fromStdString(path.substr(path.rfind('/') + 1)));
        const QString unreadable = names.join(QStringLiteral(", "));
        report = report.isEmpty() ? tr("読み込めない自動保存: %1").arg(unreadable)
                                  : tr("%1　読み込めない自動保存: %2").arg(report, unreadable);
    }
    if (!report.isEmpty())
        Window.statusBar()->showMessage(report);
    return loaded;
}

void TGameKeeper::FollowGame() {
    if (const auto& id = Session.Game().Identity)
        Autosaves->Follow(*id);
    ShowNote();
}

void TGameKeeper::FollowReplacedGame() {
    if (Continuing)
        return;
    Kept = Place(Session.Game());
    // A file of the plain image, or an older state of a kept game, begins a lineage of its own:
    // going back to an old save never rotates a newer autosave away.
    const TZnGameGoalrun& game = Session.Game();
    if (!game.Identity) {
        Session.NewIdentity();
    } else if (const auto kept = Autosaves->Library().Game(*game.Identity);
               kept && !ContinuesKeptGame(*kept, game.Progress, ImageCrcOf(game))) {
        Session.NewIdentity();
    }
    FollowGame();
}

void TGameKeeper::ShowGames() {
    TGamesDialog box(Autosaves->Library().Games(), Autosaves->Followed(), Dialogs, &Window);
    if (Dialogs.ExecDialog(box) != QDialog::Accepted)
        return;
    const std::optional<TZnGameId> chosen = box.Chosen();
    if (!chosen || chosen == Session.Game().Identity || !Hooks.UnsavedProgressMayGo())
        return;
    const std::optional<TZnGameId> before = Session.Game().Identity;
    const TZnBusyCursor busy = Dialogs.Busy();
    // A game continued is no file of the player's: saving it asks for a name.
    if (ContinueKeptGame(*chosen))
        return;
    const bool elsewhere = Autosaves->State() == TAutosaveKeeper::TState::Elsewhere;
    if (before)
        Autosaves->Follow(*before);
    ShowNote();
    Dialogs.MessageBox(elsewhere ? tr("ほかのゴールランがこのゲームを遊んでいます。")
                                 : tr("このゲームの自動保存を読み込めませんでした。"),
                       tr("エラー"), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
}

void TGameKeeper::LoadAutosave(int n) {
    const QString path = Autosaves->Path(n);
    // The game loaded is no file of the player's, so that an autosave is never written over by
    // hand.
    if (TFileWords::IsFile(path))
        Hooks.LoadFile(path);
}

void TGameKeeper::ShowCaptions() {
    for (int n = 1; n <= static_cast<int>(MIAutosaveLoad.size()); ++n) {
        const QString caption = tr("自動保存%1").arg(n);
        TFileWords::SetFileEntry(*MIAutosaveLoad[static_cast<size_t>(n - 1)], Autosaves->Path(n),
                                 caption, caption, false);
    }
}

void TGameKeeper::StateChanged() {
    // A matchday played or a season begun is kept once the window has painted it (an
    // investment waits for its match); the paint the command asked for is a low-priority event
    // posted by the command's redraw, after this signal: the write is posted behind it.
    if (!KeepsPlace() || Place(Session.Game()) == Kept)
        return;
    Kept = Place(Session.Game());
    QMetaObject::invokeMethod(this, &TGameKeeper::KeepLater, Qt::QueuedConnection);
}

void TGameKeeper::KeepLater() {
    if (!KeepsPlace())
        return;
    PendingPlace = GameImage(Session.Game());
    if (!PlacePosted) {
        PlacePosted = true;
        QCoreApplication::postEvent(this, new QEvent(PlaceEventType), Qt::LowEventPriority);
    }
}

bool TGameKeeper::KeepNow() {
    if (!KeepsPlace() || !PendingPlace)
        return false;
    const bool kept = Autosaves->Keep(std::move(*PendingPlace));
    PendingPlace.reset();
    ShowNote();
    return kept;
}

bool TGameKeeper::KeepAtClose() {
    if (!KeepsPlace())
        return false;
    // A game nothing was done in since it began or was opened (a new game untouched, a file the
    // player has) gets no folder of its own for that.
    if (!Session.UnsavedProgress() && Autosaves->Autosaves().Existing().empty())
        return true;
    PendingPlace = GameImage(Session.Game());
    return KeepNow();
}

bool TGameKeeper::event(QEvent* event) {
    if (event->type() != PlaceEventType)
        return QObject::event(event);
    PlacePosted = false;
    KeepNow();
    return true;
}

QString TGameKeeper::NoteText() const {
    if (Role == TRole::Untold || !ActKeepPlace->isChecked())
        return {};
    if (Role == TRole::NotLockHolder)
        return tr("二重起動を確かめられないため、このウィンドウは続きを保存しません");
    switch (Autosaves->State()) {
    case TAutosaveKeeper::TState::Elsewhere:
        return tr("ほかのゴールランが続きを保存しているため、このウィンドウは続きを保存しません");
    case TAutosaveKeeper::TState::Failed:
        return tr("続きを保存できません: %1").arg(TFileWords::Reason(Autosaves->Reason()));
    default:
        return {};
    }
}

void TGameKeeper::ShowNote() {
    const QString text = NoteText();
    AutosaveNote->setText(text);
    AutosaveNote->setToolTip(Autosaves->State() == TAutosaveKeeper::TState::Failed &&
                                     !text.isEmpty()
                                 ? PlainToolTipMarkup(Autosaves->Error())
                                 : QString());
    AutosaveNote->setVisible(!text.isEmpty());
}

void TGameKeeper::Retranslate() {
    ActKeepPlace->setText(tr("終了時に続きを保存"));
    ActKeepPlace->setStatusTip(
        tr("試合のたびと終了時にゲームを自動保存し、次の起動で続きから始めます。"));
    ActGames->setText(tr("ゲーム一覧(&G)..."));
    ActGames->setStatusTip(tr("残っているゲームの一覧から、続きを遊ぶゲームを選びます。"));
    ActGames->setToolTip(CommandToolTip(*ActGames));
    ShowNote();
}
