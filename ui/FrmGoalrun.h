#pragma once

// The main window: league table, fixtures of every matchday, prize list, the player's club panel,
// the message log, the command panel and the menus. It reads the one game object and keeps no
// copy of game data: every command calls the game, then redraws.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "ZnUtils.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTimer;
class TMatchdayStrip;
class TMessageLogEdit;
class TZnAboutAction;
class TZnColumnInfos;
class TZnDialogs;
class TZnExitAction;
class TFileDropTarget;
class TZnGameGoalrun;
class TZnListView;
class TZnOpenAppFolderAction;
class TZnRankChart;
class TZnViewHelpHtmlAction;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // `game`, `dialogs` and `opener` are not owned and must outlive the window. `appFolder` is
    // where TeamNameList.txt, the help page and the save folder are looked for.
    TFormMain(TZnGameGoalrun& game, TZnDialogs& dialogs, TZnOpener& opener,
              const QString& appFolder = AppFolder(), QWidget* parent = nullptr);
    ~TFormMain() override;

    // Window state shared with the file commands.
    bool Activated = false;
    bool Modified = true; // the game is taken to differ from the last file loaded or saved
    bool Untitled = true; // no file name belongs to the current game yet

    // Controls, owned by the window.
    QWidget* Panel;
    QSplitter* Splitter1;
    QWidget* Panel1;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    TZnListView* ZLVRankTable;
    TMatchdayStrip* TabControl1;
    TZnListView* ZLVMatches;
    TZnListView* ZLVPrizes;
    TZnRankChart* ZRankChart; // the rank of every club after each played matchday
    QSplitter* Splitter2;
    TMessageLogEdit* RichEdit1;
    TZnListView* ZLVMyClub;
    QSplitter* Splitter3;
    QWidget* Panel2;
    QLabel* Label1;
    QComboBox* ComboBoxBuildUp;
    QPushButton* BtnBuildUp;
    QPushButton* BtnGame;
    QPushButton* BtnNextSeason;
    QPushButton* BtnGame30;
    QPushButton* BtnMesClear;

    TZnColumnInfos* ZCIRankTable;
    TZnColumnInfos* ZCIMatches;
    TZnColumnInfos* ZnCIMyClub;

    // Actions; ActionList1 holds every action of the window, in creation order.
    std::vector<QAction*> ActionList1;
    QAction* ActGame;
    QAction* ActBuildUp;
    QAction* ActNextSeason;
    QAction* ActZLVMyClubData;
    QAction* ActMILoad;
    QAction* ActMISave;
    QAction* ActDataLoad;
    QAction* ActDataSave;
    TZnViewHelpHtmlAction* ZnViewHelpHtmlAction1;
    TZnAboutAction* ZnAboutAction1;
    TZnExitAction* ZnExitAction1;
    TZnOpenAppFolderAction* ZnOpenAppFolderAction1;
    QAction* FileNewAct;
    QAction* FileOpenAct;
    QAction* FileSaveAct;
    QAction* FileSaveAsAct;

    // Accepts save files dropped on the window.
    TFileDropTarget* FileDropTarget1;
    // The file named on the command line, opened after the new game of the first activation.
    QString CommandLineFile;
    // The current file of the open and save dialogs: the last file loaded or saved.
    QString OpenDialogFileName;
    QString SaveDialogFileName;

    // Menus.
    QMenu* G1;
    QAction* N9;
    QMenu* MILoad;
    QMenu* MISave;
    std::array<QAction*, 10> MIDataLoad{};
    std::array<QAction*, 10> MIDataSave{};
    QMenu* H2;

    // The first-activation work: list rows and columns, club panel, a fresh game. Runs once.
    void FormActivate();
    // The enabling rule: play and strengthen while the season runs, next season after matchday
    // 30, none of them once the title is won.
    void ActionList1Update();

    // Commands.
    void ActGameExecute();
    void ActBuildUpExecute();
    void ActNextSeasonExecute();
    void N9Click();
    void StartNewGame();
    void BtnGame30Click();
    void BtnMesClearClick();

    // Views.
    void PageControl1Change();
    void TabControl1Change();
    void ActZLVMyClubDataExecute();
    QString ZLVRankTableData(int32_t row, int32_t tag) const;
    QString ZLVMatchesData(int32_t row, int32_t tag) const;

    // Save slots and files.
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
    // Loads a file handed over from outside; a folder or a missing path is ignored.
    void OpenPath(const QString& path);
    // OpenPath, at once when the window is idle, else once the running command and every box
    // have ended (a file opened under an open box would be what the box's OK then acts on).
    // `keepAlive` is held until the path has been opened.
    void OpenPathWhenIdle(const QString& path, std::shared_ptr<void> keepAlive = {});
    void FileDropTarget1FileDrop();
    void FileNewActExecute();
    void FileOpenActExecute();
    void FileSaveActExecute();
    void FileSaveAsActExecute();
    // "00savedata.sav" … "09savedata.sav" in the save folder.
    QString SlotPath(int slot) const;
    static QString SlotFileName(int slot);

    // The amounts offered in the strengthening box, in 万円.
    static QStringList BuildUpAmounts();
    static QString CopyrightInfo();

protected:
    void showEvent(QShowEvent* event) override;
    // Takes copy-data messages: identifier 1 with a path opens that path (OpenPath).
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void CreateColumnInfos();
    void CreateControls();
    QWidget* CreateCommandPanel();
    void CreateActions();
    void CreateMenus();
    void BuildPrizeList();
    QAction* NewAction(const QString& caption, const QString& category, const QString& name);
    void BindButton(QPushButton& button, QAction& action);
    // Runs `command` when `action` is null or the enabling rule allows it, then applies the rule
    // again. An error of the command is reported in a box, as the framework's default report.
    void RunCommand(QAction* action, const std::function<void()>& command);
    void CreateFileCommands();
    // The question before a file command replaces a changed game. Yes saves through the dialog
    // and goes on only when that succeeds; No goes on; Cancel stops.
    bool SaveQuestionLetsGoOn();
    // The end of a successful load or save: the file becomes the dialogs' current file. Returns
    // true.
    bool FileSucceeded(const QString& fileName);
    // The error box of a failed load or save. Returns false.
    bool FileFailed(const QString& fileName, const QString& message);
    // Opens the paths OpenPathWhenIdle has kept, when no command runs and no box is open.
    void OpenPendingPaths();
    void SetSlotCaptions(const std::array<QAction*, 10>& entries, bool enableMissing);
    int Scaled(int designPixels) const;

    // The window's client area at start, in design pixels (608 x 446 with frame and title).
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

    TZnGameGoalrun& Game;
    TZnDialogs& Dialogs;
    TZnOpener& Opener;
    QString FAppFolder;
};
