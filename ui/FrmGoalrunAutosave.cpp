// The player's place, kept without being asked: after every matchday, after 次季へ and at the
// close the game goes to the newest of three rotating autosaves, and the next start continues
// it. A failed write leaves the game playing and says why in the status bar.

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
    Autosaves = std::make_unique<TAutosaveKeeper>(AutosaveFolder());
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
    if (!KeepsPlace() || Autosaves->Claim(false) != TAutosaveKeeper::TState::Kept ||
        !CommandLineFile.isEmpty() || StartNew)
        return;
    QStringList unreadable;
    QString report;
    for (const std::string& path : Autosaves->Existing()) {
        try {
            Game.LoadFromFile(path);
        } catch (const std::exception&) {
            // Left as it is for the player to look at; the rotation moves it down in time.
            unreadable << DecodeFileName(
                QByteArray::fromStdString(path.substr(path.rfind('/') + 1)));
            continue;
        }
        Autosaves->Continued(GameImage(Game));
        RefreshViews();
        report = tr("前回の続き（%1季目 第%2節）から再開しました")
                     .arg(int64_t{Game.Season} + 1)
                     .arg(Game.Matchday);
        break;
    }
    if (!unreadable.isEmpty()) {
        const QString names = unreadable.join(QStringLiteral(", "));
        report = report.isEmpty() ? tr("読み込めない自動保存: %1").arg(names)
                                  : tr("%1　読み込めない自動保存: %2").arg(report, names);
    }
    if (!report.isEmpty())
        statusBar()->showMessage(report);
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
        return tr("続きを保存できません: %1").arg(FileReasonText(Autosaves->Reason()));
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
