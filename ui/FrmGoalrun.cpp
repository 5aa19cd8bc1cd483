// The main window: the pages (league table, fixtures of every matchday, prize list, rank chart,
// career), the player's club panel, the message log, the command panel and the menus, and the
// commands and views the window's own controls carry. Every concern beyond them is a part
// (CreateParts) that follows the session, the one writer of the game.

#include "FrmGoalrun.h"

#include <exception>
#include <optional>
#include <tuple>
#include <type_traits>

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QWindow>

#include "CareerPage.h"
#include "ChallengePart.h"
#include "ChallengeWords.h"
#include "ConstsGoalrun.h"
#include "FilesPart.h"
#include "GameGoalrun.h"
#include "GameKeeper.h"
#include "GameOdds.h"
#include "GamePage.h"
#include "GameSession.h"
#include "HelpViewer.h"
#include "MatchCentre.h"
#include "MatchReportView.h"
#include "MessageLogEdit.h"
#include "PageFixtures.h"
#include "PagePrizes.h"
#include "PageRankChart.h"
#include "PageRankTable.h"
#include "PriceLinks.h"
#include "ReportsPart.h"
#include "WatchPart.h"
#include "WindowLayout.h"
#include "WindowState.h"
#include "WindowWords.h"
#include "ZnActns.h"
#include "ZnCatalog.h"
#include "ZnColumnInfos.h"
#include "ZnCopyData.h"
#include "ZnDialogs.h"
#include "ZnFileDropTarget.h"
#include "ZnListView.h"
#include "ZnTeamNames.h"
#include "ZnTranslation.h"
#include "ZnWording.h"

namespace {

QString CopyrightInfo() {
    return QStringLiteral("Copyright © 2026 Vomera. All rights reserved.");
}

// How to build a page of type TWidget over `game`: its widget, and how it redraws, whether it is
// built over the game or handed the game on each refresh.
template <class TWidget>
std::function<std::pair<QWidget*, std::function<void()>>()> PageMaker(const TZnGameGoalrun& game) {
    return [&game]() -> std::pair<QWidget*, std::function<void()>> {
        if constexpr (std::is_constructible_v<TWidget, const TZnGameGoalrun&>) {
            auto* widget = new TWidget(game);
            return {widget, [widget] { widget->Refresh(); }};
        } else {
            auto* widget = new TWidget;
            return {widget, [widget, &game] { widget->Refresh(game); }};
        }
    };
}

QWidget* PanelWith(const char* name, QWidget* child) {
    auto* panel = new QWidget;
    panel->setObjectName(QString::fromLatin1(name));
    StackOnPage(*panel, {child});
    return panel;
}

QStringList BuildUpAmounts() {
    QStringList amounts;
    for (int amount = 0; amount <= 10; ++amount)
        amounts << QString::number(amount);
    for (int step : {10, 100, 1000})
        for (int amount = 2 * step; amount <= 10 * step; amount += step)
            amounts << QString::number(amount);
    return amounts;
}

// The help page of `language` in `folder`: "goalrun_help.html" for Japanese,
// "goalrun_help_en.html" and so on, or the Japanese page when that one is missing.
QString HelpFileName(const QString& folder, const QString& language) {
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString japanese = base + QStringLiteral("_help.html");
    if (language == CatalogLanguages().front())
        return japanese;
    const QString own = base + QStringLiteral("_help_%1.html").arg(language);
    return QFileInfo::exists(folder + own) ? own : japanese;
}

// The button shows the action, enabled as it is, and runs it.
void BindButton(QPushButton& button, QAction& action) {
    auto update = [&button, &action] {
        button.setText(action.text());
        button.setEnabled(action.isEnabled());
        button.setToolTip(action.toolTip() == action.text() ? QString() : action.toolTip());
        button.setStatusTip(action.statusTip());
    };
    update();
    QObject::connect(&action, &QAction::changed, &button, update);
    QObject::connect(&button, &QPushButton::clicked, &action, &QAction::trigger);
}

// A screen reader names a page's lists by its caption, unless the page names them itself.
void NameListsAfter(const QWidget& sheet, const QString& caption) {
    for (QAbstractItemView* list : sheet.findChildren<QAbstractItemView*>())
        if (list->accessibleName().isEmpty() || list->property("NamedByPage").toBool()) {
            list->setAccessibleName(caption);
            list->setProperty("NamedByPage", true);
        }
}

// The parent of the main window, after the application's font has become the window's.
QWidget* WithWindowFont(QWidget* parent) {
    // The window's font is the application's before the window and its first control are made:
    // the parts built apart (the match centre, the report tables) take their measures in it from
    // the start, as they do when the language changes, and the boxes the window opens (messages,
    // files, the new game, the season's review) speak in it too. Set afterwards on the window
    // alone, it reached every control once more and left those measures in the framework's font.
    if (const QFont font = SystemIconFont(); QApplication::font() != font)
        QApplication::setFont(font);
    return parent;
}

} // namespace

// ---- Construction ----------------------------------------------------------------------------

TFormMain::TFormMain(TZnGameGoalrun& game, TZnDialogs& dialogs, TZnOpener& opener,
                     const QString& appFolder, QWidget* parent)
    : QMainWindow(WithWindowFont(parent)), Game(game), Session(new TGameSession(game, this)),
      Dialogs(dialogs), Opener(opener), FAppFolder(appFolder) {
    if (!FAppFolder.endsWith(QLatin1Char('/')))
        FAppFolder += QLatin1Char('/');
    CreateActions();
    CreateParts();
    CreateControls();
    CreateMenus();
    FormCreate();
}

void TFormMain::CreateParts() {
    // Each concern beyond the window's own controls is a part that follows the session; the
    // window places their widgets, builds its menus from their actions and runs their commands.
    const auto run = [this](QAction* action, const std::function<void()>& command) {
        RunCommand(action, command);
    };
    const auto refresh = [this] { RefreshViews(); };
    Files = new TFilesPart(*Session, Dialogs, *this, FAppFolder, run, refresh);
    Challenge = new TChallengePart(*Session, Dialogs, *this, run);
    Keeper = new TGameKeeper(*Session, Dialogs, *this,
                             {run, refresh,
                              [this](const QString& path) { return Files->LoadUntitled(path); },
                              [this] { return Files->UnsavedProgressMayGo(); }});
    Reports = new TReportsPart(*Session, *this, run, [this] {
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
    // A replay ends before any command: another game loaded shows its own report, not the replay
    // of the game before.
    connect(Session, &TGameSession::GameReplaced, this,
            [this] { StackReport->setCurrentWidget(Reports->Report()); });
}

TFormMain::~TFormMain() {
    // The game outlives the window; it must not write into a destroyed log.
    if (&Game.MessageLog() == RichEdit1)
        Session->SetMessageLog(nullptr);
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

void TFormMain::SetPlaceKeeping(bool lockHeld, bool startNew) {
    Keeper->SetRole(lockHeld, startNew);
}

void TFormMain::SetAchievementsFile(const QString& path) {
    Challenge->SetAchievementsFile(path);
}

void TFormMain::SetStartSettings(std::unique_ptr<TWindowSettings> settings) {
    StartSettings = std::move(settings);
}

const TFormMainFileState& TFormMain::FileState() const {
    return Files->State();
}

void TFormMain::OpenPath(const QString& path) {
    Files->OpenPath(path);
}

// ---- Events
// --------------------------------------------------------------------------------------

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The views are prepared and the game started before the window is first painted.
    if (!Activated) {
        // The settings file is read once: the player's choices, then the window's place.
        const std::unique_ptr<TWindowSettings> settings =
            StartSettings ? std::move(StartSettings) : OpenWindowSettings();
        Keeper->ApplyRemembered(*settings);
        Watch->ApplyRemembered(*settings);
        RunCommand(nullptr, [this] { FormActivate(); });
        // The initial size, then what the last run left; each side of each splitter starts at its
        // wanted size in the window's new size.
        resize(FitInitialSize());
        layout()->activate();
        ShareSplitters(*this);
        RestoreWindowState(*settings, {*this,
                                       *PageControl1,
                                       findChildren<QSplitter*>(),
                                       {Scaled(*this, DesignWidth), Scaled(*this, DesignHeight)}});
    }
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
    if (!Keeper->KeepAtClose() && !Files->UnsavedProgressMayGo(Keeper->NoteText())) {
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
        Files->OpenWhenIdle(copy.Text(), copy.KeepAlive());
    return true;
}

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

// ---- Controls --------------------------------------------------------------------------------

void TFormMain::CreateControls() {
    CreatePages();
    // The page takes most of the height the window gains (charts and the career grow with it),
    // the log a third; the club panel keeps the height that shows it whole, and the command
    // panel (buttons at its top) takes the height beside it. The two sides share the width the
    // window gains.
    QSplitter* splitter2 =
        VerticalSplit("Splitter2", PageControl1, 2, RichEdit1, 1, Scaled(*this, 6));
    QWidget* commandPanel = CreateCommandPanel();
    QSplitter* splitter3 =
        VerticalSplit("Splitter3", CreateClubPanel(), 0, commandPanel, 1, Scaled(*this, 6));

    auto* splitter1 = new QSplitter(Qt::Horizontal, this);
    splitter1->setObjectName(QStringLiteral("Splitter1"));
    splitter1->setHandleWidth(Scaled(*this, 6));
    splitter1->setChildrenCollapsible(false);
    splitter1->addWidget(PanelWith("Panel", splitter2));
    splitter1->addWidget(PanelWith("Panel1", splitter3));
    splitter1->setStretchFactor(0, 1);
    splitter1->setStretchFactor(1, 1);
    setCentralWidget(splitter1);
    statusBar()->setSizeGripEnabled(true);
}

void TFormMain::CreatePages() {
    // The tabs of PageControl1, left to right. A new page is a widget unit with a constructor
    // over the game and a Refresh, and one line here. A page is built when it is first shown
    // (or asked for), but for those whose whole content the initial size is made to show.
    const std::tuple<const char*, std::function<std::pair<QWidget*, std::function<void()>>()>, bool>
        pages[] = {
            {QT_TR_NOOP("順位表"), PageMaker<TPageRankTable>(Game), true},
            {QT_TR_NOOP("対戦表"), PageMaker<TPageFixtures>(Game), true},
            {QT_TR_NOOP("賞金一覧"), PageMaker<TPagePrizes>(Game), false},
            {QT_TR_NOOP("順位推移"), PageMaker<TPageRankChart>(Game), false},
            {QT_TR_NOOP("監督経歴"), PageMaker<TCareerPage>(Game), true},
        };
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (const auto& [caption, make, sizesWindow] : pages) {
        // The tab's sheet, which holds the page once it is built.
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(Pages.size() + 1));
        StackOnPage(*sheet, {});
        Pages.push_back({caption, sheet, make, {}});
        PageControl1->addTab(sheet, tr(caption));
        if (sizesWindow)
            Page(PageControl1->count() - 1);
    }
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

QWidget* TFormMain::Page(int index) {
    if (index < 0 || static_cast<size_t>(index) >= Pages.size())
        return nullptr;
    TPage& page = Pages[static_cast<size_t>(index)];
    if (page.Make) {
        auto [widget, refresh] = page.Make();
        page.Make = nullptr;
        page.Refresh = std::move(refresh);
        page.Widget->layout()->addWidget(widget);
        // On a sheet not yet on screen it shows with the sheet (and is polished only then).
        if (page.Widget->isVisible())
            widget->show();
        NameListsAfter(*page.Widget, tr(page.Caption));
        // The rank table and the fixtures move live while a matchday is watched; a fixture opens
        // its report, a season of the career its review.
        if (auto* table = qobject_cast<TPageRankTable*>(widget))
            Watch->Follow(*table);
        if (auto* fixtures = qobject_cast<TPageFixtures*>(widget)) {
            Watch->Follow(*fixtures);
            connect(fixtures, &TPageFixtures::FixtureActivated, Reports,
                    &TReportsPart::ShowFixture);
        }
        if (auto* career = qobject_cast<TCareerPage*>(widget))
            connect(career, &TCareerPage::SeasonActivated, this, [this](size_t index) {
                if (index < Game.Career.Seasons.size())
                    Reports->ShowSeason(index, true);
            });
    }
    return page.Widget;
}

QSize TFormMain::FitInitialSize() {
    return FittedSize(*this, {Scaled(*this, DesignWidth), Scaled(*this, DesignHeight)});
}

QWidget* TFormMain::CreateClubPanel() {
    ZnCIMyClub = new TZnColumnInfos(this);
    ZnCIMyClub->setObjectName(QStringLiteral("ZnCIMyClub"));
    // The captions and the accessible name are set by Retranslate.
    for (int column = 0; column < 2; ++column)
        ZnCIMyClub->ColumnInfos().Add();
    ZLVMyClub = new TZnListView;
    ZLVMyClub->setObjectName(QStringLiteral("ZLVMyClub"));
    ZLVMyClub->ColumnInfos = ZnCIMyClub;
    ZLVMyClub->SortMarkUse = false;
    std::vector<TZnListColumn> columns(2);
    for (int32_t i = 0; i < 2; ++i)
        ZnCIMyClub->ColumnInfos()[i].AssignToColumn(columns[static_cast<size_t>(i)]);
    columns[0].Width = 100;
    columns[1].Width = 120;
    ZLVMyClub->SetColumns(columns);
    // The value column takes the free width and fits the widest line it can hold: a fixture of
    // the last matchday between two clubs of the widest name.
    ZLVMyClub->ShowWhole = true;
    ZLVMyClub->SetColumnFits([this](int32_t tag) {
        if (tag == 0)
            return TZnListView::TColumnFit{};
        return TZnListView::TColumnFit{[this] {
                                           QStringList lines;
                                           for (const QString& name : ClubNames(Game))
                                               lines << QString::fromStdString(MatchdayResultText(
                                                   WindowWording(), MatchdayCount,
                                                   name.toStdString(), 88, 88, name.toStdString()));
                                           return lines;
                                       },
                                       true};
    });
    for (size_t i = 0; i < MyClubRows(WindowWording(), Game).size(); ++i)
        ZLVMyClub->AddItem({QString(), QString()});
    return ZLVMyClub;
}

QWidget* TFormMain::CreateCommandPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    // Texts, tips and accessible names are set by Retranslate.
    Label1 = new QLabel(panel);
    ComboBoxBuildUp = new QComboBox(panel);
    ComboBoxBuildUp->setEditable(true);
    ComboBoxBuildUp->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxBuildUp->setCompleter(nullptr);
    ComboBoxBuildUp->addItems(BuildUpAmounts());
    ComboBoxBuildUp->setEditText(QStringLiteral("0"));
    ComboBoxBuildUp->setFixedWidth(Scaled(*this, 97));
    Label1->setBuddy(ComboBoxBuildUp);
    Reports->SetBuildUpBox(*ComboBoxBuildUp);
    // What the typed amount would make of the next match, updated as the player types.
    LabelBuildUpOdds = new QLabel(panel);
    LabelBuildUpOdds->setTextFormat(Qt::PlainText);
    connect(ComboBoxBuildUp, &QComboBox::editTextChanged, this, [this] { ShowBuildUpOdds(); });
    // Enter invests, exactly as the button does (and only while the command is enabled).
    connect(ComboBoxBuildUp->lineEdit(), &QLineEdit::returnPressed, ActBuildUp, &QAction::trigger);
    // A file dropped on the box opens like one dropped anywhere else on the window.
    ComboBoxBuildUp->lineEdit()->setAcceptDrops(false);
    BtnBuildUp = new QPushButton(panel);
    BtnGame = new QPushButton(panel);
    BtnNextSeason = new QPushButton(panel);
    // The hidden thirty-matchday button is a window of its own that is never shown: no layout,
    // no focus chain and no screen reader finds it; only a direct click reaches it.
    BtnGame30 = new QPushButton(QStringLiteral("BtnGame30"), this);
    BtnGame30->setWindowFlags(Qt::Window);
    BtnMesClear = new QPushButton(panel);
    BtnMesClear->setMinimumWidth(Scaled(*this, 97));
    for (auto [widget, name] : {std::pair<QWidget*, const char*>{Label1, "Label1"},
                                {ComboBoxBuildUp, "ComboBoxBuildUp"},
                                {BtnBuildUp, "BtnBuildUp"},
                                {BtnGame, "BtnGame"},
                                {BtnNextSeason, "BtnNextSeason"},
                                {BtnGame30, "BtnGame30"},
                                {BtnMesClear, "BtnMesClear"},
                                {LabelBuildUpOdds, "LabelBuildUpOdds"}})
        widget->setObjectName(QString::fromLatin1(name));
    BindButton(*BtnBuildUp, *ActBuildUp);
    BindButton(*BtnGame, *ActGame);
    BindButton(*BtnNextSeason, *ActNextSeason);
    for (QPushButton* button : {BtnBuildUp, BtnGame, BtnNextSeason}) {
        button->setMinimumWidth(Scaled(*this, 81));
        // Enter on a focused command button runs it, as Space does.
        button->setAutoDefault(true);
    }
    connect(BtnGame30, &QPushButton::clicked, this, &TFormMain::BtnGame30Click);
    connect(BtnMesClear, &QPushButton::clicked, this, &TFormMain::BtnMesClearClick);
    // The prices of a win in the next match; choosing one only fills the box, which takes the
    // keyboard, so that Enter then invests the amount.
    PriceLinks = new TPriceLinks(panel);
    PriceLinks->setObjectName(QStringLiteral("PriceLinks"));
    connect(PriceLinks, &TPriceLinks::AmountChosen, this, [this](int amount) {
        ComboBoxBuildUp->setEditText(QString::number(amount));
        ComboBoxBuildUp->setFocus(Qt::OtherFocusReason);
    });

    // Box and label on the left, the three buttons in a column on the right, the message-clear
    // button under the box, the odds line for the typed amount below them all and the prices of
    // a win under it.
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(Scaled(*this, 16), Scaled(*this, 8), Scaled(*this, 8),
                             Scaled(*this, 4));
    grid->setHorizontalSpacing(Scaled(*this, 7));
    grid->setVerticalSpacing(Scaled(*this, 4));
    // The caption may run on over the buttons' column: a longer one (English) does not widen the
    // box.
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(ComboBoxBuildUp, 1, 0);
    grid->addWidget(BtnBuildUp, 1, 1);
    grid->addWidget(BtnGame, 2, 1);
    // Beside 試合開始 (under the box, taking no width of its own), where the player sees
    // whether the next matchday will be watched.
    QCheckBox* checkWatch = Watch->CheckBox();
    grid->addWidget(checkWatch, 2, 0);
    grid->addWidget(BtnMesClear, 3, 0);
    grid->addWidget(BtnNextSeason, 3, 1);
    grid->addWidget(LabelBuildUpOdds, 4, 0, 1, 3);
    grid->addWidget(PriceLinks, 5, 0, 1, 3);
    // The report, or the match centre while a matchday is watched and after.
    StackReport = new QStackedWidget;
    StackReport->setObjectName(QStringLiteral("StackReport"));
    StackReport->addWidget(Reports->Report());
    StackReport->addWidget(Watch->Centre());
    grid->addWidget(StackReport, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    // The report of the last match takes the free area under the buttons.
    grid->setRowStretch(6, 1);
    setTabOrder(ComboBoxBuildUp, BtnBuildUp);
    setTabOrder(BtnBuildUp, BtnGame);
    setTabOrder(BtnGame, checkWatch);
    setTabOrder(checkWatch, BtnNextSeason);
    setTabOrder(BtnNextSeason, BtnMesClear);
    return panel;
}

// ---- Actions, menus and texts ------------------------------------------------------------------

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
    // Captions and hints are set by Retranslate.
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

    // The help page in the program's own window, the folder's path in a box, when the desktop
    // cannot open them.
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

void TFormMain::CreateMenus() {
    // Titles and hints are set by Retranslate.
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
    // One checkable entry per language, named in that language.
    MenuLanguage = g1->addMenu(QString());
    MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
    auto* group = new QActionGroup(MenuLanguage);
    for (const QString& code : CatalogLanguages()) {
        // Each language is named in itself, so that a player lost in the other one finds it.
        QAction* entry = MenuLanguage->addAction(LanguageName(code));
        entry->setObjectName(QStringLiteral("MenuLanguage_") + code);
        entry->setData(code);
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [code] {
            if (code == WindowLanguage())
                return;
            SetWindowLanguage(code);
            RememberLanguage(*OpenWindowSettings(), code);
        });
    }

    g1->addSeparator();
    g1->addAction(ZnExitAction1);

    MILoad = menuBar()->addMenu(QString());
    MILoad->setObjectName(QStringLiteral("MILoad"));
    MISave = menuBar()->addMenu(QString());
    MISave->setObjectName(QStringLiteral("MISave"));
    for (int n = 0; n < SlotCount; ++n) {
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

    // The slot entries, the file actions and the drop target run the files part.
    connect(ActMILoad, &QAction::triggered, this, [this] { ActMILoadExecute(); });
    connect(ActMISave, &QAction::triggered, this, [this] { ActMISaveExecute(); });
    for (int n = 0; n < SlotCount; ++n) {
        QAction* load = MIDataLoad[n];
        QAction* save = MIDataSave[n];
        connect(load, &QAction::triggered, this,
                [this, load] { RunCommand(nullptr, [this, load] { ActDataLoadExecute(load); }); });
        connect(save, &QAction::triggered, this,
                [this, save] { RunCommand(nullptr, [this, save] { ActDataSaveExecute(save); }); });
    }
    const std::pair<QAction*, void (TFormMain::*)()> fileActions[] = {
        {FileNewAct, &TFormMain::FileNewActExecute},
        {FileOpenAct, &TFormMain::FileOpenActExecute},
        {FileSaveAct, &TFormMain::FileSaveActExecute},
        {FileSaveAsAct, &TFormMain::FileSaveAsActExecute}};
    for (const auto& [action, handler] : fileActions)
        connect(action, &QAction::triggered, this,
                [this, handler] { RunCommand(nullptr, [this, handler] { (this->*handler)(); }); });

    FileDropTarget1 = new TFileDropTarget(this);
    FileDropTarget1->SetWinControl(this);
    connect(FileDropTarget1, &TFileDropTarget::fileDrop, this,
            [this] { RunCommand(nullptr, [this] { FileDropTarget1FileDrop(); }); });
}

void TFormMain::Retranslate() {
    const QString title = WindowTitle();
    // No application display name: the desktop would append it to every box's caption.
    setWindowTitle(title);
    ZnAboutAction1->ApplicationName = title;
    ZnViewHelpHtmlAction1->FileName = HelpFileName(FAppFolder, WindowLanguage());

    const std::tuple<QAction*, const char*, const char*> actions[] = {
        {ActGame, QT_TR_NOOP("試合開始"), QT_TR_NOOP("今節の試合を行います。")},
        {ActBuildUp, QT_TR_NOOP("強化費投入"),
         QT_TR_NOOP("入力した額を強化費として今節に投入します。")},
        {ActNextSeason, QT_TR_NOOP("次季へ"), QT_TR_NOOP("次のシーズンを始めます。")},
        {ActMILoad, QT_TR_NOOP("ロード(&L)"),
         QT_TR_NOOP("セーブしたゲームをスロットからロードします。")},
        {ActMISave, QT_TR_NOOP("セーブ(&S)"), QT_TR_NOOP("ゲームをスロットにセーブします。")},
        {FileNewAct, QT_TR_NOOP("新規(&N)"), nullptr},
        {FileOpenAct, QT_TR_NOOP("開く(&O)..."), QT_TR_NOOP("ゲームのファイルを選んで開きます。")},
        {FileSaveAct, QT_TR_NOOP("上書き保存(&S)"),
         QT_TR_NOOP("ゲームを今のファイルに上書きして保存します。")},
        {FileSaveAsAct, QT_TR_NOOP("名前を付けて保存(&A)..."),
         QT_TR_NOOP("ゲームを新しい名前のファイルに保存します。")},
        {N9, QT_TR_NOOP("ニューゲーム(&N)"), QT_TR_NOOP("新しいゲームを始めます。")},
    };
    for (const auto& [action, caption, statusTip] : actions) {
        action->setText(tr(caption));
        if (statusTip != nullptr)
            action->setStatusTip(tr(statusTip));
    }
    Challenge->Retranslate();
    Keeper->Retranslate();
    Watch->Retranslate();
    Reports->Retranslate();
    for (TZnBaseAction* action : std::initializer_list<TZnBaseAction*>{
             ZnViewHelpHtmlAction1, ZnAboutAction1, ZnExitAction1, ZnOpenAppFolderAction1})
        action->Retranslate();
    // The tool tip names the command and its key, the status tip says what it does.
    for (QAction* action : {ActGame, ActBuildUp, ActNextSeason, ActMILoad, ActMISave, FileOpenAct,
                            FileSaveAct, FileSaveAsAct, N9, static_cast<QAction*>(ZnExitAction1)})
        action->setToolTip(CommandToolTip(*action));

    G1->setTitle(tr("ゲーム(&G)"));
    G1->menuAction()->setStatusTip(tr("ゲームを始める、開く、保存する、終了します。"));
    MenuLanguage->setTitle(tr("表示言語(&L)"));
    MenuLanguage->menuAction()->setStatusTip(tr("ウィンドウの言葉を選びます。"));
    for (QAction* entry : MenuLanguage->actions())
        entry->setChecked(entry->data().toString() == WindowLanguage());
    MILoad->setTitle(ActMILoad->text());
    MILoad->menuAction()->setStatusTip(ActMILoad->statusTip());
    MISave->setTitle(ActMISave->text());
    MISave->menuAction()->setStatusTip(ActMISave->statusTip());
    H2->setTitle(tr("ヘルプ(&H)"));
    H2->menuAction()->setStatusTip(tr("ヘルプとバージョン情報を見ます。"));

    for (size_t i = 0; i < Pages.size(); ++i) {
        PageControl1->setTabText(static_cast<int>(i), tr(Pages[i].Caption));
        NameListsAfter(*Pages[i].Widget, tr(Pages[i].Caption));
    }
    const char* clubCaptions[] = {QT_TR_NOOP("項目"), QT_TR_NOOP("値")};
    for (int32_t column = 0; column < 2; ++column)
        ZnCIMyClub->ColumnInfos()[column].Caption = tr(clubCaptions[column]);
    ZLVMyClub->Model().SetCaptions(
        [this](int32_t tag) { return ZnCIMyClub->ColumnInfos()[tag].Caption; });
    ZLVMyClub->setAccessibleName(QCoreApplication::translate("GameWords", "担当チーム"));
    RichEdit1->setAccessibleName(tr("メッセージ"));
    if (&RichEdit1->Wording() != &WindowWording())
        RichEdit1->SetWording(WindowWording());

    Label1->setText(tr("強化費(万円)"));
    // The label names the box, for a screen reader too (on the box and on its edit field, which
    // is what has the focus).
    for (QWidget* box : {static_cast<QWidget*>(ComboBoxBuildUp),
                         static_cast<QWidget*>(ComboBoxBuildUp->lineEdit())})
        box->setAccessibleName(Label1->text());
    ComboBoxBuildUp->setToolTip(QStringLiteral("%1 (%2)").arg(
        Label1->text(), TReportsPart::FocusBoxKey().toString(QKeySequence::NativeText)));
    ComboBoxBuildUp->setStatusTip(tr("今節に投入する強化費を万円単位で入力します。"));
    BtnGame30->setAccessibleName(tr("30節まとめて試合"));
    BtnMesClear->setText(tr("メッセージクリア"));
    BtnMesClear->setStatusTip(tr("メッセージをすべて消します。"));
    // The views word the game's values in the new language, and the window makes room for them
    // once every page has renamed its columns too (they hear of the change after the window).
    if (Activated) {
        RefreshViews();
        // The lists' columns fit the texts of the new language (FitInitialSize fits them first);
        // the window grows to the size that shows them whole, as a new start in it would.
        QMetaObject::invokeMethod(
            this, [this] { GrowToFit(*this, FitInitialSize()); }, Qt::QueuedConnection);
    }
}

// ---- The enabling rule and the commands ---------------------------------------------------------

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
    Files->BeginCommand();
    {
        const auto ended = qScopeGuard([this] { Files->EndCommand(); });
        try {
            command();
        } catch (const std::exception& error) {
            Dialogs.MessageBox(QString::fromUtf8(error.what()), windowTitle(),
                               QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
        }
    }
    ActionList1Update();
    Reports->CommandRan();
    Files->OpenPending();
}

void TFormMain::ActGameExecute() {
    if (!BuildUpSettled())
        return;
    if (Watch->Watching()) {
        Watch->Play();
        ShowBuildUpOdds();
    } else {
        StackReport->setCurrentWidget(Reports->Report());
        Session->PlayMatchday();
        RefreshViews();
        AfterMatchday();
    }
    // The matchday is final as soon as it is played, watched or not: the autosave keeps it.
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

// ---- Views ----------------------------------------------------------------------------------

void TFormMain::PageControl1Change() {
    // While a replay runs, the pages keep the state before kick-off plus what it has shown.
    if (Watch->Running()) {
        Page(PageControl1->currentIndex());
        Watch->ShowAgain();
        return;
    }
    if (Page(PageControl1->currentIndex()) != nullptr)
        Pages[static_cast<size_t>(PageControl1->currentIndex())].Refresh();
}

void TFormMain::RefreshViews() {
    if (Watch->Running()) {
        PageControl1Change();
        return;
    }
    PageControl1Change();
    ActZLVMyClubData->trigger();
    Reports->ShowLatest();
    ShowBuildUpOdds();
}

void TFormMain::ShowBuildUpOdds() {
    std::optional<TZnMatchOdds> odds;
    // A replay shows the match being watched: the next one's odds wait for its final whistle.
    if (!Watch->Running() && Game.CanInvestBuildUp())
        if (const auto amount = Game.AcceptedBuildUp(ComboBoxBuildUp->currentText().toStdString()))
            odds = NextMatchOdds(Game, *amount);
    LabelBuildUpOdds->setText(odds ? tr("この額なら ") + FromView(OddsText(WindowWording(), *odds))
                                   : QString());
}

void TFormMain::ActZLVMyClubDataExecute() {
    // Each row stands at the position its identifier gives.
    for (const auto& row : MyClubRows(WindowWording(), Game)) {
        const auto position = static_cast<int32_t>(ViewIndex(row.Id));
        ZLVMyClub->SetItemText(position, 0, FromView(row.Caption));
        ZLVMyClub->SetItemText(position, 1, QString::fromStdString(row.Value));
    }
    // Every investment raises attack and defense by the coach's level for each 万円.
    const int32_t level = Game.Coach().Level();
    const QString gain =
        tr("1万円で攻撃・守備 %1%2").arg(level < 0 ? QString() : QStringLiteral("+")).arg(level);
    // A game with a code or another difficulty than 普通 says so on a line of its own.
    const QString challenge = TChallengeWords::Setup(Game.Setup());
    const QString tip = challenge.isEmpty() ? gain : gain + QLatin1Char('\n') + challenge;
    ZLVMyClub->setToolTip(tip);
    ZLVMyClub->setAccessibleDescription(tip);
    PriceLinks->Refresh(Game);
}

// ---- Save slots and files: the files part does the work --------------------------------------

void TFormMain::ActMILoadExecute() {
    Files->ShowSlots(MIDataLoad, false);
    Keeper->ShowCaptions();
}

void TFormMain::ActMISaveExecute() {
    Files->ShowSlots(MIDataSave, true);
}

void TFormMain::ActDataLoadExecute(QObject* sender) {
    Files->LoadSlot(sender);
}

void TFormMain::ActDataSaveExecute(QObject* sender) {
    Files->SaveSlot(sender);
}

bool TFormMain::LoadGameFile(const QString& fileName) {
    return Files->Load(fileName);
}

bool TFormMain::SaveGameFile(const QString& fileName) {
    return Files->Save(fileName);
}

bool TFormMain::LoadGameFileWithDialog() {
    return Files->LoadWithDialog();
}

bool TFormMain::SaveGameFileWithDialog() {
    return Files->SaveWithDialog();
}

void TFormMain::FileDropTarget1FileDrop() {
    const QStringList& files = FileDropTarget1->DroppedFiles();
    if (!files.isEmpty())
        Files->OpenWhenIdle(files.first());
}

void TFormMain::FileNewActExecute() {
    Files->MarkModified();
    if (!Files->SaveQuestionLetsGoOn())
        return;
    if (const auto setup = Challenge->AskNewGameSetup())
        StartNewGame(*setup);
}

void TFormMain::FileOpenActExecute() {
    if (Files->State().Modified && !Files->SaveQuestionLetsGoOn())
        return;
    LoadGameFileWithDialog();
}

void TFormMain::FileSaveActExecute() {
    if (Files->State().Untitled)
        SaveGameFileWithDialog();
    else
        SaveGameFile(Files->State().SaveDialogFileName);
}

void TFormMain::FileSaveAsActExecute() {
    SaveGameFileWithDialog();
}
