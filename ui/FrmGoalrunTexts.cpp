// The window's own texts in the application's language, and the switch between languages.

#include "FrmGoalrun.h"

#include <QAction>
#include <QCheckBox>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "ChallengePart.h"
#include "GameKeeper.h"
#include "ReportsPart.h"
#include "WatchPart.h"
#include "MessageLogEdit.h"
#include "WindowState.h"
#include "WindowWords.h"
#include "ZnActns.h"
#include "ZnCatalog.h"
#include "ZnColumnInfos.h"
#include "ZnListView.h"
#include "ZnTranslation.h"
#include "ZnWording.h"

namespace {

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

} // namespace

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

QMenu* TFormMain::CreateLanguageMenu() {
    MenuLanguage = new QMenu(this);
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
    return MenuLanguage;
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
        NameListsAfterPage(Pages[i]);
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
        QMetaObject::invokeMethod(this, &TFormMain::LayOutAgain, Qt::QueuedConnection);
    }
}
