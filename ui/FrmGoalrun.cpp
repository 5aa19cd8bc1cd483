#include "FrmGoalrun.h"

#include <exception>
#include <optional>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "ChallengePart.h"
#include "GameKeeper.h"
#include "GamePage.h"
#include "GameSession.h"
#include "GameSeasonRecord.h"
#include "HelpViewer.h"
#include "MatchCentre.h"
#include "ReportsPart.h"
#include "WatchPart.h"
#include "MatchReportView.h"
#include "MessageLogEdit.h"
#include "WindowState.h"
#include "ZnActns.h"
#include "ZnCopyData.h"
#include "ZnDialogs.h"
#include "WindowWords.h"
#include "ZnTeamNames.h"

namespace {

QString CopyrightInfo() {
    return QStringLiteral("Copyright © 2026 Vomera. All rights reserved.");
}

} // namespace

TFormMain::TFormMain(TZnGameGoalrun& game, TZnDialogs& dialogs, TZnOpener& opener,
                     const QString& appFolder, QWidget* parent)
    : QMainWindow(WithWindowFont(parent)), Game(game), Session(new TGameSession(game, this)),
      Dialogs(dialogs), Opener(opener), FAppFolder(appFolder) {
    if (!FAppFolder.endsWith(QLatin1Char('/')))
        FAppFolder += QLatin1Char('/');
    CreateActions();
    Challenge = new TChallengePart(*Session, Dialogs, *this,
                                   [this](QAction* action, const std::function<void()>& command) {
                                       RunCommand(action, command);
                                   });
    Keeper = new TGameKeeper(*Session, Dialogs, *this,
                             {[this](QAction* action, const std::function<void()>& command) {
                                  RunCommand(action, command);
                              },
                              [this] { RefreshViews(); },
                              [this](const QString& path) {
                                  // No file of the player's: saving it asks for a name, and the
                                  // dialogs stay where they were, so that an autosave is never
                                  // written over by hand.
                                  const TFormMainFileState before = Files;
                                  if (!LoadGameFile(path))
                                      return false;
                                  Files.Untitled = true;
                                  Files.OpenDialogFileName = before.OpenDialogFileName;
                                  Files.SaveDialogFileName = before.SaveDialogFileName;
                                  return true;
                              },
                              [this] { return UnsavedProgressMayGo(); },
                              [this] {
                                  Files.Modified = false;
                                  Files.Untitled = true;
                              }});
    Reports = new TReportsPart(
        *Session, *this,
        [this](QAction* action, const std::function<void()>& command) {
            RunCommand(action, command);
        },
        [this] {
            Watch->Finish();
            StackReport->setCurrentWidget(Reports->Report());
        });
    RichEdit1 = new TMessageLogEdit;
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    Watch = new TWatchPart(*Session, *this, *RichEdit1);
    // Every key of the replay works from any control of the window.
    for (QAction* action : Watch->ReplayActions())
        ActionList1.push_back(action);
    connect(Watch, &TWatchPart::Started, this, [this] {
        StackReport->setCurrentWidget(Watch->Centre());
        // The club panel would show the state before kick-off; its room goes to the centre, so
        // that the whole matchday is in sight.
        ZLVMyClub->hide();
    });
    connect(Watch, &TWatchPart::Ended, this, &TFormMain::ReplayEnded);
    CreateControls();
    CreateMenus();
    CreateFileCommands();
    ConnectOpenFallbacks();
    PendingOpenRetry = new QTimer(this);
    PendingOpenRetry->setSingleShot(true);
    PendingOpenRetry->setInterval(100);
    connect(PendingOpenRetry, &QTimer::timeout, this, &TFormMain::OpenPendingPaths);
    FormCreate();
}

TFormMain::~TFormMain() {
    // The game outlives the window; it must not write into a destroyed log.
    if (&Game.MessageLog() == RichEdit1)
        Session->SetMessageLog(nullptr);
}

int TFormMain::Scaled(int designPixels) const {
    return static_cast<int>(designPixels * logicalDpiX() / 96.0 + 0.5);
}

QWidget* TFormMain::WithWindowFont(QWidget* parent) {
    // The window's font is the application's before the window and its first control are made:
    // the parts built apart (the match centre, the report tables) take their measures in it from
    // the start, as they do when the language changes, and the boxes the window opens (messages,
    // files, the new game, the season's review) speak in it too. Set afterwards on the window
    // alone, it reached every control once more and left those measures in the framework's font.
    if (const QFont font = SystemIconFont(); QApplication::font() != font)
        QApplication::setFont(font);
    return parent;
}

void TFormMain::FormCreate() {
    Session->SetMessageLog(RichEdit1);
    const QString nameFile = FAppFolder + QStringLiteral("TeamNameList.txt");
    try {
        // A missing or unreadable file leaves the default names A to P.
        if (QFileInfo::exists(nameFile))
            Session->SetTeamNames(ReadTeamNameFile(nameFile));
    } catch (const std::exception&) {
    }
    ZnViewHelpHtmlAction1->Folder = FAppFolder;
    ZnOpenAppFolderAction1->Folder = FAppFolder;
    ZnAboutAction1->ApplicationVer = FromView(ProductVersion);
    ZnAboutAction1->CopyrightInfo = CopyrightInfo();
    Retranslate();
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The views are prepared and the game started before the window is first painted.
    if (!Activated) {
        // The settings file is read once: the player's choices, then the window's place.
        const std::unique_ptr<TWindowSettings> settings =
            StartSettings ? std::move(StartSettings) : OpenWindowSettings();
        ApplyRememberedChoices(*settings);
        RunCommand(nullptr, [this] { FormActivate(); });
        PlaceWindow(*settings);
    }
}

void TFormMain::SetPlaceKeeping(bool lockHeld, bool startNew) {
    Keeper->SetRole(lockHeld, startNew);
}

void TFormMain::SetAchievementsFile(const QString& path) {
    Challenge->SetAchievementsFile(path);
}

void TFormMain::SetStartSettings(std::unique_ptr<TWindowSettings> settings) {
    StartSettings = std::move(settings);
}

void TFormMain::FormActivate() {
    if (Activated)
        return;
    ActZLVMyClubData->trigger();
    StartNewGame();
    Keeper->Start(!CommandLineFile.isEmpty());
    // The command-line file takes the same road as one handed over by a second copy, once the
    // window is on the screen, so that its error box stands over the window.
    if (!CommandLineFile.isEmpty()) {
        if (QWindow* handle = windowHandle(); handle != nullptr && !handle->isExposed())
            handle->installEventFilter(this);
        else
            SendCopyData(this, CommandLineFile, CopyDataOpenPath);
    }
    Activated = true;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    auto* handle = qobject_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && handle != nullptr && handle->isExposed()) {
        handle->removeEventFilter(this);
        // After the expose has been handled and the window painted.
        QMetaObject::invokeMethod(
            this, [this] { SendCopyData(this, CommandLineFile, CopyDataOpenPath); },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::closeEvent(QCloseEvent* event) {
    Watch->Finish();
    // Progress kept in the autosave is not lost: nothing to ask.
    if (!Keeper->KeepAtClose() && !UnsavedProgressMayGo(Keeper->NoteText())) {
        event->ignore();
        return;
    }
    SaveWindowState(*OpenWindowSettings(), {*this, *PageControl1, findChildren<QSplitter*>(), {}});
    QMainWindow::closeEvent(event);
}

bool TFormMain::event(QEvent* event) {
    if (event->type() != TZnCopyDataEvent::Type())
        return QMainWindow::event(event);
    const auto& copy = static_cast<const TZnCopyDataEvent&>(*event);
    if (copy.Identifier() != CopyDataOpenPath)
        return false;
    if (!copy.Text().isEmpty())
        OpenPathWhenIdle(copy.Text(), copy.KeepAlive());
    return true;
}

// ---- Actions and menus ---------------------------------------------------------------------

QAction* TFormMain::NewAction(const QString& caption, const QString& category,
                              const QString& name) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!category.isEmpty())
        action->setProperty("Category", category);
    ActionList1.push_back(action);
    return action;
}

void TFormMain::CreateActions() {
    // Captions and hints are set by Retranslate (FrmGoalrunTexts.cpp).
    ActGame = NewAction({}, {}, QStringLiteral("ActGame"));
    ActBuildUp = NewAction({}, {}, QStringLiteral("ActBuildUp"));
    ActNextSeason = NewAction({}, {}, QStringLiteral("ActNextSeason"));
    ActNextSeason->setEnabled(false);
    ActZLVMyClubData =
        NewAction(QStringLiteral("ActZLVMyClubData"), {}, QStringLiteral("ActZLVMyClubData"));
    const QString loadSave = QStringLiteral("ロードセーブ");
    ActMILoad = NewAction({}, loadSave, QStringLiteral("ActMILoad"));
    ActMISave = NewAction({}, loadSave, QStringLiteral("ActMISave"));
    // The slot entries run their commands themselves; these two are kept so the list is whole.
    NewAction(QStringLiteral("ActDataLoad"), loadSave, QStringLiteral("ActDataLoad"));
    NewAction(QStringLiteral("ActDataSave"), loadSave, QStringLiteral("ActDataSave"));

    ZnViewHelpHtmlAction1 = new TZnViewHelpHtmlAction(Opener, this);
    ZnAboutAction1 = new TZnAboutAction(Dialogs, Opener, this);
    ZnExitAction1 = new TZnExitAction(this);
    ZnOpenAppFolderAction1 = new TZnOpenAppFolderAction(Opener, this);
    ZnViewHelpHtmlAction1->setObjectName(QStringLiteral("ZnViewHelpHtmlAction1"));
    ZnAboutAction1->setObjectName(QStringLiteral("ZnAboutAction1"));
    ZnExitAction1->setObjectName(QStringLiteral("ZnExitAction1"));
    ZnOpenAppFolderAction1->setObjectName(QStringLiteral("ZnOpenAppFolderAction1"));
    for (QAction* action : std::initializer_list<QAction*>{ZnViewHelpHtmlAction1, ZnAboutAction1,
                                                           ZnExitAction1, ZnOpenAppFolderAction1})
        ActionList1.push_back(action);
    // F1 anywhere in the window.
    addAction(ZnViewHelpHtmlAction1);

    // The file actions stand in the ゲーム menu; the editing, search and window actions are
    // reached by nothing and kept so the action list is whole.
    const QString file = QStringLiteral("ファイル");
    FileNewAct = NewAction({}, file, QStringLiteral("FileNewAct"));
    FileOpenAct = NewAction({}, file, QStringLiteral("FileOpenAct"));
    FileSaveAct = NewAction({}, file, QStringLiteral("FileSaveAct"));
    FileSaveAsAct = NewAction({}, file, QStringLiteral("FileSaveAsAct"));
    for (const char* name : {"EditCutAct", "EditCopyAct", "EditPasteAct", "EditSelectAllAct",
                             "EditUndoAct", "EditDeleteAct"})
        NewAction(QString::fromLatin1(name), QStringLiteral("編集"), QString::fromLatin1(name));
    for (const char* name :
         {"SearchFindAct", "SearchFindNextAct", "SearchReplaceAct", "SearchFindFirstAct"})
        NewAction(QString::fromLatin1(name), QStringLiteral("検索"), QString::fromLatin1(name));
    for (const char* name : {"WindowClose1", "WindowCascade1", "WindowTileHorizontal1",
                             "WindowTileVertical1", "WindowMinimizeAll1", "WindowArrange1"})
        NewAction(QString::fromLatin1(name), QStringLiteral("ウィンドウ"),
                  QString::fromLatin1(name));

    // Every window-wide key is an action of the window, so it works from any control.
    const std::pair<QAction*, QKeySequence> keys[] = {
        {ActGame, QKeySequence(Qt::Key_F5)},
        {ActBuildUp, {}},
        {ActNextSeason, QKeySequence(Qt::Key_F6)},
        {ActMILoad, {}},
        {ActMISave, {}},
        {FileOpenAct, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {FileSaveAct, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {FileSaveAsAct, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {ZnExitAction1, QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& [action, key] : keys) {
        action->setShortcut(key);
        addAction(action);
    }

    connect(ActGame, &QAction::triggered, this,
            [this] { RunCommand(ActGame, [this] { ActGameExecute(); }); });
    connect(ActBuildUp, &QAction::triggered, this,
            [this] { RunCommand(ActBuildUp, [this] { ActBuildUpExecute(); }); });
    connect(ActNextSeason, &QAction::triggered, this,
            [this] { RunCommand(ActNextSeason, [this] { ActNextSeasonExecute(); }); });
    connect(ActZLVMyClubData, &QAction::triggered, this, &TFormMain::ActZLVMyClubDataExecute);
}

void TFormMain::CreateMenus() {
    // Titles and hints are set by Retranslate (FrmGoalrunTexts.cpp).
    QMenu* g1 = G1 = menuBar()->addMenu(QString());
    g1->setObjectName(QStringLiteral("G1"));
    QAction* n9 = N9 = g1->addAction(QString());
    n9->setObjectName(QStringLiteral("N9"));
    n9->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(n9, &QAction::triggered, this, [this] { RunCommand(nullptr, [this] { N9Click(); }); });
    // A window-wide key, in the review's window too (TReportsPart::ShowSeason).
    addAction(n9);
    g1->addAction(Reports->ReviewAction());
    ActionList1.push_back(Reports->ReviewAction());
    for (QAction* action : Challenge->Actions()) {
        g1->addAction(action);
        ActionList1.push_back(action);
    }
    g1->addSeparator();
    g1->addAction(Watch->WatchAction());
    ActionList1.push_back(Watch->WatchAction());
    // The replay's speed, its half-time pause and its keys.
    g1->addMenu(Watch->Menu());
    g1->addSeparator();
    g1->addActions({FileOpenAct, FileSaveAct, FileSaveAsAct});
    g1->addSeparator();
    for (QAction* action : Keeper->Actions()) {
        g1->addAction(action);
        ActionList1.push_back(action);
    }
    g1->addMenu(CreateLanguageMenu());
    g1->addSeparator();
    g1->addAction(ZnExitAction1);

    MILoad = menuBar()->addMenu(QString());
    MILoad->setObjectName(QStringLiteral("MILoad"));
    MISave = menuBar()->addMenu(QString());
    MISave->setObjectName(QStringLiteral("MISave"));
    for (int n = 0; n < 10; ++n) {
        for (auto [entries, menu, name] : {std::tuple{&MIDataLoad, MILoad, "MIDataLoad%1"},
                                           std::tuple{&MIDataSave, MISave, "MIDataSave%1"}}) {
            const QString entryName = QString::fromLatin1(name).arg(n);
            QAction* entry = menu->addAction(entryName);
            entry->setObjectName(entryName);
            entry->setData(n);
            (*entries)[static_cast<size_t>(n)] = entry;
        }
    }
    MILoad->addSeparator();
    for (QAction* action : Keeper->LoadActions()) {
        MILoad->addAction(action);
        ActionList1.push_back(action);
    }
    MILoad->addActions(Keeper->AutosaveEntries());
    MILoad->setToolTipsVisible(true);
    MISave->setToolTipsVisible(true);
    // Opening a slot menu runs its action, which sets the entries' captions.
    connect(MILoad, &QMenu::aboutToShow, ActMILoad, &QAction::trigger);
    connect(MISave, &QMenu::aboutToShow, ActMISave, &QAction::trigger);
    for (auto [menu, action] : {std::pair{MILoad, ActMILoad}, std::pair{MISave, ActMISave}})
        connect(action, &QAction::changed, menu,
                [menu, action] { menu->menuAction()->setEnabled(action->isEnabled()); });

    QMenu* h2 = H2 = menuBar()->addMenu(QString());
    h2->setObjectName(QStringLiteral("H2"));
    h2->addAction(ZnViewHelpHtmlAction1);
    h2->addSeparator();
    h2->addAction(ZnOpenAppFolderAction1);
    h2->addSeparator();
    h2->addAction(ZnAboutAction1);
}

void TFormMain::ConnectOpenFallbacks() {
    connect(ZnViewHelpHtmlAction1, &TZnViewHelpHtmlAction::openFailed, this,
            [this](const QString& file) {
                THelpViewer::Show(this, file,
                                  [this](const QUrl& url) { return Opener.OpenUrl(url); });
            });
    connect(ZnOpenAppFolderAction1, &TZnOpenAppFolderAction::openFailed, this,
            [this](const QString& folder) {
                RunCommand(nullptr, [this, &folder] {
                    Dialogs.MessageBox(QDir::toNativeSeparators(folder) + QStringLiteral("\r\n") +
                                           tr("フォルダを開けませんでした"),
                                       tr("エラー"), QMessageBox::Critical, QMessageBox::Ok,
                                       QMessageBox::Ok);
                });
            });
}

void TFormMain::BindButton(QPushButton& button, QAction& action) {
    auto update = [&button, &action] {
        button.setText(action.text());
        button.setEnabled(action.isEnabled());
        button.setToolTip(action.toolTip() == action.text() ? QString() : action.toolTip());
        button.setStatusTip(action.statusTip());
    };
    update();
    connect(&action, &QAction::changed, &button, update);
    connect(&button, &QPushButton::clicked, &action, &QAction::trigger);
}

// ---- The enabling rule and the commands --------------------------------------------------------

void TFormMain::ActionList1Update() {
    QWidget* const focused = focusWidget();
    ActBuildUp->setEnabled(Game.CanInvestBuildUp());
    // The box serves only the strengthening command.
    ComboBoxBuildUp->setEnabled(ActBuildUp->isEnabled());
    // While a replay runs, 試合開始 (F5, Enter on the button) skips it to the result.
    ActGame->setEnabled(Game.CanPlayMatchday() || Watch->Running());
    ActNextSeason->setEnabled(Game.CanNextSeason());
    ActMILoad->setEnabled(true);
    ActMISave->setEnabled(true);
    // A command control that had the focus and has just been switched off hands it to the next
    // step (試合開始 or 次季へ), not on along the chain to メッセージクリア, where Space would wipe
    // the lines the step has just written.
    if (focused != nullptr && !focused->isEnabled() &&
        BtnGame->parentWidget()->isAncestorOf(focused))
        for (QPushButton* next : {BtnGame, BtnNextSeason})
            if (next->isEnabled()) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
}

void TFormMain::RunCommand(QAction* action, const std::function<void()>& command) {
    ActionList1Update();
    if (action != nullptr && !action->isEnabled())
        return;
    // Every command finds the matchday shown whole; 試合開始 during a replay only shows it.
    if (Watch->Finish() && action == ActGame)
        return;
    ++CommandDepth;
    {
        const auto ended = qScopeGuard([this] { --CommandDepth; });
        try {
            command();
        } catch (const std::exception& error) {
            Dialogs.MessageBox(QString::fromUtf8(error.what()), windowTitle(),
                               QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
        }
    }
    ActionList1Update();
    Reports->CommandRan();
    OpenPendingPaths();
}

void TFormMain::OpenPathWhenIdle(const QString& path, std::shared_ptr<void> keepAlive) {
    PendingOpens.push_back({path, std::move(keepAlive)});
    OpenPendingPaths();
}

void TFormMain::OpenPendingPaths() {
    // A running command comes back here when it ends.
    if (OpeningPending || CommandDepth > 0)
        return;
    OpeningPending = true;
    const auto done = qScopeGuard([this] { OpeningPending = false; });
    while (!PendingOpens.empty()) {
        // A box opened outside any command (the about box) is waited for by polling.
        if (QApplication::activeModalWidget() != nullptr) {
            PendingOpenRetry->start();
            return;
        }
        TPendingOpen next = std::move(PendingOpens.front());
        PendingOpens.pop_front();
        RunCommand(nullptr, [this, &next] { OpenPath(next.Path); });
    }
}

void TFormMain::ActGameExecute() {
    if (!BuildUpSettled())
        return;
    if (Watch->Watching()) {
        Watch->Play();
    } else {
        StackReport->setCurrentWidget(Reports->Report());
        Session->PlayMatchday();
        RefreshViews();
        AfterMatchday();
    }
    // The matchday is final as soon as it is played, watched or not: the autosave keeps it.
}

void TFormMain::ReplayEnded() {
    ZLVMyClub->show();
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
        Reports->ShowSeason({}, Game.Finished);
}

bool TFormMain::BuildUpSettled() {
    const QString text = ComboBoxBuildUp->currentText();
    const std::optional<int32_t> amount = Game.AcceptedBuildUp(text.toStdString());
    if (text == BuildUpSettledText || !amount)
        return true;
    enum { Invest, Skip, Cancel };
    const int choice = Dialogs.Choose(
        tr("強化費%1がまだ投入されていません。").arg(WindowMoney(*amount)), tr("確認"),
        QMessageBox::Question, {tr("投入して試合開始"), tr("投入せずに試合開始"), tr("キャンセル")},
        Invest, Cancel);
    if (choice == Invest)
        ActBuildUpExecute();
    else if (choice == Skip)
        BuildUpSettledText = text; // not asked again for the same text
    return choice != Cancel;
}

void TFormMain::ActNextSeasonExecute() {
    Session->NextSeason();
    RefreshViews();
}

void TFormMain::ActBuildUpExecute() {
    const std::optional<int32_t> invested = Session->InvestBuildUp(ComboBoxBuildUp->currentText());
    // The box shows the amount invested, "0" after a refusal.
    BuildUpSettledText = QString::number(invested.value_or(0));
    ComboBoxBuildUp->setEditText(BuildUpSettledText);
    // Only the club panel and the odds line show the investment; the page keeps the matchday or
    // row the player is looking at.
    if (invested)
        ActZLVMyClubData->trigger();
    ShowBuildUpOdds();
}

void TFormMain::N9Click() {
    QString question = tr("新しくゲームを始めます。よろしいですか？");
    if (Game.UnsavedProgress())
        question += QStringLiteral("\r\n") + tr("保存していない進行は失われます。");
    const auto answer =
        Dialogs.MessageBox(question, tr("確認"), QMessageBox::Question,
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    if (const auto setup = Challenge->AskNewGameSetup())
        StartNewGame(*setup);
}

void TFormMain::StartNewGame(const TZnGameSetup& setup) {
    // No busy pointer for the new game of the first activation: the window is not on the screen
    // yet, and the pointer's images would only be loaded to be put away unseen.
    std::optional<TZnBusyCursor> busy;
    if (Activated)
        busy.emplace(Dialogs);
    Session->NewGame(setup);
    RefreshViews();
    Files.Modified = false;
    Files.Untitled = true;
}

void TFormMain::BtnGame30Click() {
    // Each click goes the button's normal way, so the enabling rule stops it after matchday 30;
    // the thirty are one command, which a handed-over file does not interrupt.
    RunCommand(nullptr, [this] {
        // Played as one command, unwatched: a click during a replay would only end it.
        QAction* watch = Watch->WatchAction();
        const bool watching = watch->isChecked();
        watch->setChecked(false);
        const auto restore = qScopeGuard([watch, watching] { watch->setChecked(watching); });
        for (int i = 0; i < MatchdayCount; ++i)
            BtnGame->click();
    });
}

void TFormMain::BtnMesClearClick() {
    RichEdit1->Clear();
}
