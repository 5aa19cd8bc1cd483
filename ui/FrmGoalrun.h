#pragma once

// The main window: the pages (league table, fixtures of every matchday, prize list, rank chart,
// career), the player's club panel, the message log, the command panel and the menus. Its views
// read the one game object (a replay shows the live scores of its own record); every command runs
// through the session (GameSession.h), the one writer of the game, and then redraws
// (RefreshViews). Every concern
// beyond the window's own controls is a part of its own, created in CreateParts: the files, the
// codes and achievements, the kept games, the reports and the replay. Its controls carry their
// design names as object names; tests find them with findChild.

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "FilesPart.h"
#include "GameChallenge.h"
#include "ZnUtils.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class TChallengePart;
class TFileDropTarget;
class TGameKeeper;
class TGameSession;
class TMessageLogEdit;
class TPriceLinks;
class TReportsPart;
class TWatchPart;
class TWindowSettings;
class TZnAboutAction;
class TZnColumnInfos;
class TZnDialogs;
class TZnExitAction;
class TZnGameGoalrun;
class TZnListView;
class TZnOpenAppFolderAction;
class TZnViewHelpHtmlAction;

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
    // Lets the window keep the player's games (GameKeeper.h), called before the first show by
    // the program: only a copy that holds the single-copy lock (`lockHeld`) writes autosaves and
    // continues from them at the start, unless `startNew` (goalrun --new-game) asks for a new
    // game. A window never told keeps none, as before autosaves existed.
    void SetPlaceKeeping(bool lockHeld, bool startNew);
    // Keeps the player's achievements in the file at `path` (ChallengePart.h) and reads what it
    // holds; a window never told keeps them for this run only.
    void SetAchievementsFile(const QString& path);
    // The settings the start has read already (for the language): the first placing of the
    // window takes the remembered state from them instead of reading the file once more.
    void SetStartSettings(std::unique_ptr<TWindowSettings> settings);
    // Loads a file handed over from outside (the command line, a second copy); a folder or a
    // missing path is ignored, a refused file reported in the error box.
    void OpenPath(const QString& path);

    [[nodiscard]] bool IsActivated() const { return Activated; }
    [[nodiscard]] const TFormMainFileState& FileState() const;
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
    // The first show activates the window (FormActivate) and places it: the initial size, then
    // what the last run left.
    void showEvent(QShowEvent* event) override;
    // With unsaved progress the player is asked first; Cancel keeps the window open. A window
    // that closes remembers its size, place, splitters and page for the next run.
    void closeEvent(QCloseEvent* event) override;
    // Waits for the window's first expose to open the command-line file.
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

    void FormCreate();
    // The first-activation work: club panel, a fresh game, the kept game continued, the
    // command-line file. Runs once.
    void FormActivate();
    // Creates the parts beyond the window's own controls, in one place.
    void CreateParts();
    void CreateControls();
    void CreatePages();
    QWidget* CreateClubPanel();
    QWidget* CreateCommandPanel();
    void CreateActions();
    void CreateMenus();
    QAction* NewAction(const QString& caption, const QString& category, const QString& name);
    // Sets every text of the window in the application's language and redraws the views, which
    // word the game's values in it.
    void Retranslate();
    // Runs `command` when `action` is null or the enabling rule allows it, then applies the rule
    // again. A running replay is shown whole first. An error of the command is reported in a
    // box, as the framework's default report.
    void RunCommand(QAction* action, const std::function<void()>& command);

    // The enabling rule: play and strengthen while the season runs, next season after the last
    // matchday, none of them once the title is won.
    void ActionList1Update();
    // Redraws what shows the game: the current page and the club panel, then the report, the
    // odds line and the review.
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
    // The final whistle of a watched matchday: the views show the game, the review of a season's
    // end opens and the keyboard goes back to the next step.
    void ReplayEnded();
    // What follows a matchday once it is shown: its achievements, the season review after the
    // last one.
    void AfterMatchday();

    // Views.
    void PageControl1Change();
    void ActZLVMyClubDataExecute();
    // The line under the box: the next match's odds with the typed amount added, or nothing when
    // the text is not an amount the strengthening command would take now.
    void ShowBuildUpOdds();

    // Save slots and files: each runs the files part.
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
    void FileDropTarget1FileDrop();
    void FileNewActExecute();
    void FileOpenActExecute();
    void FileSaveActExecute();
    void FileSaveAsActExecute();

    // The smallest client area at start, in design pixels (608 x 446 with frame and title).
    static constexpr int DesignWidth = 600;
    static constexpr int DesignHeight = 420;

    // Read by the views; changed only through the session.
    const TZnGameGoalrun& Game;
    TGameSession* Session;
    TZnDialogs& Dialogs;
    TZnOpener& Opener;
    QString FAppFolder;
    bool Activated = false;
    QString CommandLineFile;
    std::unique_ptr<TWindowSettings> StartSettings;

    // The parts.
    TFilesPart* Files;
    TChallengePart* Challenge;
    TGameKeeper* Keeper;
    TReportsPart* Reports;
    TWatchPart* Watch;

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
    std::array<QAction*, SlotCount> MIDataLoad{};
    std::array<QAction*, SlotCount> MIDataSave{};
};
