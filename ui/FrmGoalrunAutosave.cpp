// The player's games, kept without being asked: after every matchday, after 次季へ and at the
// close the game goes to the newest of three rotating autosaves in its own folder of the kept
// games, and the next start continues the game played last. A new game, a load or another copy
// never touches another game's autosaves; a failed write leaves the game playing and says why in
// the status bar. ロード → ゲーム一覧… lists every kept game to continue or remove.

#include "FrmGoalrun.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QStatusBar>

#include "AutosaveKeeper.h"
#include "GameLibrary.h"
#include "GameSession.h"
#include "GamesDialog.h"
#include "ZnDialogs.h"
#include "FileWords.h"
#include "GameGoalrun.h"
#include "WindowState.h"
#include "ZnFileName.h"
#include "ZnStream.h"
#include "ZnToolTip.h"

namespace {

const QEvent::Type PlaceEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

std::vector<uint8_t> GameImage(const TZnGameGoalrun& game) {
    TZnWriteStream stream;
    game.SaveToStream(stream);
    return std::move(stream.Bytes);
}

} // namespace

void TFormMain::SetPlaceKeeping(bool lockHeld, bool startNew) {
    PlaceRole = lockHeld ? TPlaceRole::LockHolder : TPlaceRole::NotLockHolder;
    StartNew = startNew;
}

void TFormMain::CreatePlaceCommands() {
    Autosaves = std::make_unique<TAutosaveKeeper>(GamesFolder());
    ActKeepPlace = NewAction({}, QStringLiteral("ゲーム"), QStringLiteral("ActKeepPlace"));
    ActKeepPlace->setCheckable(true);
    G1->insertAction(MenuLanguage->menuAction(), ActKeepPlace);
    connect(ActKeepPlace, &QAction::triggered, this, [this](bool on) {
        RememberKeepPlace(*OpenWindowSettings(), on);
        if (!on)
            PendingPlace.reset();
        ShowPlaceNote();
    });

    MILoad->addSeparator();
    ActGames = MILoad->addAction(QString());
    ActGames->setObjectName(QStringLiteral("ActGames"));
    ActGames->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    // The key works before the menu has been opened.
    addAction(ActGames);
    ActionList1.push_back(ActGames);
    connect(ActGames, &QAction::triggered, this,
            [this] { RunCommand(nullptr, [this] { ActGamesExecute(); }); });
    for (int n = 1; n <= static_cast<int>(MIAutosaveLoad.size()); ++n) {
        QAction* entry = MIAutosaveLoad[n - 1] = MILoad->addAction(QString());
        entry->setObjectName(QStringLiteral("MIAutosaveLoad%1").arg(n));
        connect(entry, &QAction::triggered, this,
                [this, n] { RunCommand(nullptr, [this, n] { ActAutosaveLoadExecute(n); }); });
    }

    AutosaveNote = new QLabel(this);
    AutosaveNote->setObjectName(QStringLiteral("AutosaveNote"));
    AutosaveNote->setTextFormat(Qt::PlainText);
    AutosaveNote->hide();
    statusBar()->addPermanentWidget(AutosaveNote);
}

bool TFormMain::KeepsPlace() const {
    return PlaceRole == TPlaceRole::LockHolder && ActKeepPlace->isChecked() &&
           Autosaves->State() != TAutosaveKeeper::TState::Elsewhere;
}

void TFormMain::ContinueFromAutosave() {
    const auto shown = qScopeGuard([this] { ShowPlaceNote(); });
    if (!KeepsPlace())
        return;
    // The one folder of earlier releases becomes one game's: nothing is lost by the upgrade.
    try {
        Autosaves->Library().Adopt(EncodeFileName(AutosaveFolder()).toStdString(),
                                   Game.GameIdSource());
    } catch (const EZnFileError& error) {
        statusBar()->showMessage(
            tr("以前の自動保存を移せません: %1").arg(TFileWords::Reason(error.Reason())));
    }
    if (CommandLineFile.isEmpty() && !StartNew) {
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

bool TFormMain::ContinueKeptGame(const TZnGameId& id) {
    Autosaves->Follow(id);
    if (Autosaves->Claim(false) != TAutosaveKeeper::TState::Kept)
        return false;
    std::vector<std::string> passedOver;
    const bool loaded = Session->LoadNewestAutosave(Autosaves->Autosaves(), passedOver);
    QString report;
    if (loaded) {
        // Autosaves of earlier releases carry no identity: their folder gives it.
        Session->SetIdentity(id);
        Autosaves->Continued(GameImage(Game));
        CloseSeasonReview();
        RefreshViews();
        report = tr("前回の続き（%1季目 第%2節）から再開しました")
                     .arg(int64_t{Game.Season} + 1)
                     .arg(Game.Matchday);
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
        statusBar()->showMessage(report);
    return loaded;
}

void TFormMain::FollowGame() {
    if (Game.Identity)
        Autosaves->Follow(*Game.Identity);
    ShowPlaceNote();
}

void TFormMain::FollowLoadedGame() {
    // A file of the plain image, or an older state of a kept game, begins a lineage of its own:
    // going back to an old save never rotates a newer autosave away.
    if (!Game.Identity) {
        Session->NewIdentity();
    } else if (const auto kept = Autosaves->Library().Game(*Game.Identity);
               kept && !ContinuesKeptGame(*kept, Game.Progress, ImageCrcOf(Game))) {
        Session->NewIdentity();
    }
    FollowGame();
}

void TFormMain::ActGamesExecute() {
    TGamesDialog box(Autosaves->Library().Games(), Autosaves->Followed(), Dialogs, this);
    if (Dialogs.ExecDialog(box) != QDialog::Accepted)
        return;
    const std::optional<TZnGameId> chosen = box.Chosen();
    if (!chosen || chosen == Game.Identity || !UnsavedProgressMayGo())
        return;
    const std::optional<TZnGameId> before = Game.Identity;
    const TZnBusyCursor busy = Dialogs.Busy();
    if (ContinueKeptGame(*chosen)) {
        // No file of the player's: saving it asks for a name.
        Files.Modified = false;
        Files.Untitled = true;
        return;
    }
    const bool elsewhere = Autosaves->State() == TAutosaveKeeper::TState::Elsewhere;
    if (before)
        Autosaves->Follow(*before);
    ShowPlaceNote();
    Dialogs.MessageBox(elsewhere ? tr("ほかのゴールランがこのゲームを遊んでいます。")
                                 : tr("このゲームの自動保存を読み込めませんでした。"),
                       tr("エラー"), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
}

void TFormMain::KeepPlaceLater() {
    if (!KeepsPlace())
        return;
    PendingPlace = GameImage(Game);
    // The paint the command asked for is a low-priority event posted before this one.
    if (!PlacePosted) {
        PlacePosted = true;
        QCoreApplication::postEvent(this, new QEvent(PlaceEventType), Qt::LowEventPriority);
    }
}

bool TFormMain::KeepPlaceNow() {
    if (!KeepsPlace() || !PendingPlace)
        return false;
    const bool kept = Autosaves->Keep(std::move(*PendingPlace));
    PendingPlace.reset();
    ShowPlaceNote();
    return kept;
}

bool TFormMain::KeepPlaceAtClose() {
    if (!KeepsPlace())
        return false;
    // A game nothing was done in since it began or was opened (a new game untouched, a file the
    // player has) gets no folder of its own for that.
    if (!Game.UnsavedProgress() && Autosaves->Autosaves().Existing().empty())
        return true;
    PendingPlace = GameImage(Game);
    return KeepPlaceNow();
}

bool TFormMain::PlaceEvent(QEvent* event) {
    if (event->type() != PlaceEventType)
        return false;
    PlacePosted = false;
    KeepPlaceNow();
    return true;
}

QString TFormMain::PlaceNoteText() const {
    if (PlaceRole == TPlaceRole::Untold || !ActKeepPlace->isChecked())
        return {};
    if (PlaceRole == TPlaceRole::NotLockHolder)
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

void TFormMain::ShowPlaceNote() {
    const QString text = PlaceNoteText();
    AutosaveNote->setText(text);
    AutosaveNote->setToolTip(Autosaves->State() == TAutosaveKeeper::TState::Failed &&
                                     !text.isEmpty()
                                 ? PlainToolTipMarkup(Autosaves->Error())
                                 : QString());
    AutosaveNote->setVisible(!text.isEmpty());
}
