#pragma once

// The main window: the pages (league table, fixtures of every matchday, prize list, rank chart),
// the player's club panel, the message log, the command panel and the menus. It reads the one
// game object and keeps no copy of game data: every command calls the game, then RefreshViews.
// Its controls carry their design names as object names; tests find them with findChild.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "GameAchievementsFile.h"
#include "GameIdentity.h"
#include "GameMessage.h"
#include "ZnUtils.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTimer;
class TGameKeeper;
class TWatchPart;
class TReportsPart;
class TChallengePart;
class TLiveAnnouncer;
class TMatchCentre;
class TMatchReportView;
class TMessageLogEdit;
class TPriceLinks;
class TSeasonReviewDialog;
class TWindowSettings;
enum class TZnFileErrorReason;
class TZnAboutAction;
class TZnColumnInfos;
class TZnDialogs;
class TZnExitAction;
class TFileDropTarget;
class TGameSession;
class TZnGameGoalrun;
class TZnListView;
class TZnOpenAppFolderAction;
class TZnViewHelpHtmlAction;

// What the file actions know of the current game; read by tests, changed only by the window.
struct TFormMainFileState {
    bool Modified = true; // the game is taken to differ from the last file loaded or saved
    bool Untitled = true; // no file name belongs to the current game yet
    // The current file of the open and save dialogs: the last file loaded or saved.
    QString OpenDialogFileName;
    QString SaveDialogFileName;
};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // `game`, `dialogs` and `opener` are not owned and must outlive the window. `appFolder` is
    // where TeamNameList.txt, the help page and the save folder are looked for.
    TFormMain(TZnGameGoalrun& game, TZnDialogs& dialogs, TZnOpener& opener,
              const QString& appFolder = AppFolder(), QWidget* parent = nullptr);
    ~TFormMain() override;

    // The file named on the command line, opened after the new game of the first activation.
    void SetCommandLineFile(const QString& fileName) { CommandLineFile = fileName; }
    // Lets the window keep the player's place (FrmGoalrunAutosave.cpp), called before the first
    // show by the program: only a copy that holds the single-copy lock (`lockHeld`) writes
    // autosaves and continues from them at the start, unless `startNew` (goalrun --new-game)
    // asks for a new game. A window never told keeps no place, as before autosaves existed.
    void SetPlaceKeeping(bool lockHeld, bool startNew);
    // Keeps the player's achievements in the file at `path` (FrmGoalrunChallenge.cpp) and reads
    // what it holds; a window never told keeps them for this run only.
    void SetAchievementsFile(const QString& path);
    // The settings the start has read already (for the language): the first placing of the
    // window takes the remembered state from them instead of reading the file once more.
    void SetStartSettings(std::unique_ptr<TWindowSettings> settings);
    // Loads a file handed over from outside (the command line, a second copy); a folder or a
    // missing path is ignored, a refused file reported in the error box.
    void OpenPath(const QString& path);

    [[nodiscard]] bool IsActivated() const { return Activated; }
    [[nodiscard]] const TFormMainFileState& FileState() const { return Files; }
    // Every action of the window, in creation order.
    [[nodiscard]] const std::vector<QAction*>& ActionList() const { return ActionList1; }

    // The tab sheet of page `index` of PageControl1, its page built now if it has not been shown
    // yet (a page is built when first shown); null outside the pages.
    QWidget* Page(int index);

    // The initial size: the smallest at which, in the window's font, the league table, the
    // fixtures of a matchday and the club panel show whole, within 90% of the screen's available
    // area and never under the design size. Fits the lists' columns to their texts first.
    QSize FitInitialSize();

protected:
    void showEvent(QShowEvent* event) override;
    // With unsaved progress the player is asked first; Cancel keeps the window open. A window
    // that closes remembers its size, place, splitters and page for the next run.
    void closeEvent(QCloseEvent* event) override;
    // Waits for the window's first expose to open the command-line file; hands digits typed in
    // the season review to the strengthening box.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Takes copy-data messages: identifier 1 with a path opens that path (OpenPath).
    bool event(QEvent* event) override;
    // A change of the application's language retranslates the window at once.
    void changeEvent(QEvent* event) override;

private:
    // One page of PageControl1: its tab caption, the tab's sheet, how the page is built (until
    // it is) and how it redraws from the game (once it is built).
    struct TPage {
        const char* Caption; // the source text of tr()
        QWidget* Widget;
        std::function<std::pair<QWidget*, std::function<void()>>()> Make;
        std::function<void()> Refresh;
    };
    // A screen reader names a page's lists by its caption, unless the page names them itself.
    void NameListsAfterPage(const TPage& page);

    static QWidget* WithWindowFont(QWidget* parent);
    void FormCreate();
    // The first-activation work: club panel, a fresh game, the command-line file. Runs once.
    void FormActivate();
    // The player's remembered choices (continue, watching), put on their actions at the start.
    void ApplyRememberedChoices(TWindowSettings& settings);
    // Sizes the window at its first show: the initial size, then what the last run left.
    void PlaceWindow(TWindowSettings& settings);
    // After a change of language: the lists' columns fitted anew, and the window and its
    // splitters widened where the new texts need it.
    void LayOutAgain();
    void CreateControls();
    void CreatePages();
    QWidget* CreateClubPanel();
    QWidget* CreateCommandPanel();
    void CreateActions();
    void CreateMenus();
    void CreateFileCommands();
    // The 表示言語 submenu: one checkable entry per language, named in that language.
    QMenu* CreateLanguageMenu();
    // Sets every text of the window in the application's language (FrmGoalrunTexts.cpp) and
    // redraws the views, which word the game's values in it.
    void Retranslate();
    // The help page in the program's own window, the folder's path in a box, when the desktop
    // cannot open them.
    void ConnectOpenFallbacks();
    QAction* NewAction(const QString& caption, const QString& category, const QString& name);
    void BindButton(QPushButton& button, QAction& action);
    // Runs `command` when `action` is null or the enabling rule allows it, then applies the rule
    // again. An error of the command is reported in a box, as the framework's default report.
    void RunCommand(QAction* action, const std::function<void()>& command);
    int Scaled(int designPixels) const;

    // The enabling rule: play and strengthen while the season runs, next season after the last
    // matchday, none of them once the title is won.
    void ActionList1Update();
    // Redraws what shows the game: the current page and the club panel.
    void RefreshViews();

    // Commands.
    void ActGameExecute();
    void ActBuildUpExecute();
    // Before a match: an amount typed in the box (not the last written-back one) that could be
    // invested is not silently dropped; the player chooses to invest it, play without it, or
    // cancel. False on cancel.
    bool BuildUpSettled();
    void ActNextSeasonExecute();
    void N9Click();
    void StartNewGame(const TZnGameSetup& setup = {});
    void BtnGame30Click();
    void BtnMesClearClick();

    // Views.
    void PageControl1Change();
    void ActZLVMyClubDataExecute();
    // The line under the box: the next match's odds with the typed amount added, or nothing when
    // the text is not an amount the strengthening command would take now.
    void ShowBuildUpOdds();

    // A page built: the rank table and the fixtures move live while a matchday is watched, a
    // fixture opens its report and a season of the career page its review.
    void ConnectPage(QWidget& page);

    // The final whistle of a watched matchday: the views show the game, the review of a season's
    // end opens and the keyboard goes back to the next step.
    void ReplayEnded();
    // What follows a matchday once it is shown: its achievements, the season review after the
    // last one.
    void AfterMatchday();

    // Save slots and files (FrmGoalrunFiles.cpp).
    void ActMILoadExecute();
    void ActMISaveExecute();
    // `sender` is the clicked slot entry; its data is the slot number.
    void ActDataLoadExecute(QObject* sender);
    void ActDataSaveExecute(QObject* sender);
    // Load and save report a failure in an error box and return false; a failed load leaves
    // the game, the views, the flags and the dialogs' file names as they were.
    bool LoadGameFile(const QString& fileName);
    bool SaveGameFile(const QString& fileName);
    bool LoadGameFileWithDialog();
    bool SaveGameFileWithDialog();
    // OpenPath, at once when the window is idle, else once the running command and every box
    // have ended (a file opened under an open box would be what the box's OK then acts on).
    // `keepAlive` is held until the path has been opened.
    void OpenPathWhenIdle(const QString& path, std::shared_ptr<void> keepAlive = {});
    void FileDropTarget1FileDrop();
    void FileNewActExecute();
    void FileOpenActExecute();
    void FileSaveActExecute();
    void FileSaveAsActExecute();
    // With unsaved progress, asks whether it may be discarded, `note` on a line of its own below
    // the question; true when there is none or the player answers OK.
    bool UnsavedProgressMayGo(const QString& note = {});
    // The question before a file command replaces a changed game. Yes saves through the dialog
    // and goes on only when that succeeds; No goes on; Cancel stops.
    bool SaveQuestionLetsGoOn();
    // The end of a successful load or save: the file becomes the dialogs' current file, and the
    // status bar shows `report` with the file's name for a few seconds. Returns true.
    bool FileSucceeded(const QString& fileName, const QString& report);
    // The error box of a failed load or save, with `reason` as its details. Returns false.
    bool FileFailed(const QString& fileName, const QString& message, const QString& reason);
    // Opens the paths OpenPathWhenIdle has kept, when no command runs and no box is open.
    void OpenPendingPaths();
    // Captions and tips of the slot entries: the file's name and a summary of its game, or
    // "<empty>" and "空き".
    void SetSlotCaptions(const std::array<QAction*, 10>& entries, bool enableMissing);
    // "00savedata.sav" … "09savedata.sav" in the save folder.
    QString SlotPath(int slot) const;

    // The smallest client area at start, in design pixels (608 x 446 with frame and title).
    static constexpr int DesignWidth = 600;
    static constexpr int DesignHeight = 420;

    struct TPendingOpen {
        QString Path;
        std::shared_ptr<void> KeepAlive;
    };
    std::deque<TPendingOpen> PendingOpens;
    int CommandDepth = 0; // commands running, nested ones included
    bool OpeningPending = false;
    QTimer* PendingOpenRetry; // while a box outside any command is open

    // Read by the views; changed only through the session.
    const TZnGameGoalrun& Game;
    TGameSession* Session;
    TZnDialogs& Dialogs;
    TZnOpener& Opener;
    QString FAppFolder;

    bool Activated = false;
    TFormMainFileState Files;
    QString CommandLineFile;
    std::unique_ptr<TWindowSettings> StartSettings;

    // Controls, owned by the window.
    std::vector<TPage> Pages;
    QTabWidget* PageControl1;
    TMessageLogEdit* RichEdit1;
    TZnColumnInfos* ZnCIMyClub;
    TZnListView* ZLVMyClub;
    QLabel* Label1;
    QComboBox* ComboBoxBuildUp;
    QLabel* LabelBuildUpOdds;
    TPriceLinks* PriceLinks;
    // The box text the player has settled: the amount last written back, or a typed one the
    // player chose to play without.
    QString BuildUpSettledText = QStringLiteral("0");
    QPushButton* BtnBuildUp;
    QPushButton* BtnGame;
    QPushButton* BtnNextSeason;
    QPushButton* BtnGame30;
    QPushButton* BtnMesClear;
    TFileDropTarget* FileDropTarget1;
    // The report, or the match centre while a matchday is watched and after.
    QStackedWidget* StackReport;

    // Actions; ActionList1 holds every action of the window, in creation order.
    std::vector<QAction*> ActionList1;
    QAction* ActGame;
    QAction* ActBuildUp;
    QAction* ActNextSeason;
    QAction* ActZLVMyClubData;
    QAction* ActMILoad;
    QAction* ActMISave;
    TZnViewHelpHtmlAction* ZnViewHelpHtmlAction1;
    TZnAboutAction* ZnAboutAction1;
    TZnExitAction* ZnExitAction1;
    TZnOpenAppFolderAction* ZnOpenAppFolderAction1;
    QAction* FileNewAct;
    QAction* FileOpenAct;
    QAction* FileSaveAct;
    QAction* FileSaveAsAct;

    // Menus.
    QMenu* G1;
    QAction* N9;
    QMenu* MenuLanguage;
    QMenu* H2;
    QMenu* MILoad;
    QMenu* MISave;
    std::array<QAction*, 10> MIDataLoad{};
    std::array<QAction*, 10> MIDataSave{};

    TChallengePart* Challenge;
    TGameKeeper* Keeper;
    TWatchPart* Watch;
    TReportsPart* Reports;
};
