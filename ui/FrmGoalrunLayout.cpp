// The window's controls and column definitions, created in code with their design values.

#include "FrmGoalrun.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "GameViewText.h"
#include "MatchdayStrip.h"
#include "MessageLogEdit.h"
#include "ZnListView.h"
#include "ZnRankChart.h"

namespace {

struct TColumnDesign {
    const char* Caption;
    TZnAlignment Alignment;
    const char* IdentName;
    int32_t Width = TZnListColumnInfo::DefaultColumnWidth;
};

constexpr int32_t ClubNameWidth = 130;

// Adds definitions one by one, as a stored layout loads them: each takes its index as Order.
void AddColumnInfos(TZnColumnInfos& infos, std::initializer_list<TColumnDesign> designs) {
    for (const TColumnDesign& design : designs) {
        TZnListColumnInfo& info = infos.ColumnInfos().Add();
        info.Caption = QString::fromUtf8(design.Caption);
        info.Alignment = design.Alignment;
        info.IdentName = QString::fromLatin1(design.IdentName);
        info.SetDefaultWidth(design.Width);
    }
}

QWidget* PageWith(std::initializer_list<QWidget*> children) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget* child : children)
        layout->addWidget(child);
    return page;
}

// `top` over `bottom`; the top one takes the height the window gains.
QSplitter* VerticalSplit(QWidget* top, QWidget* bottom, int handleWidth) {
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setHandleWidth(handleWidth);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(bottom);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    return splitter;
}

} // namespace

void TFormMain::CreateColumnInfos() {
    constexpr auto left = TZnAlignment::taLeftJustify;
    constexpr auto right = TZnAlignment::taRightJustify;
    ZCIRankTable = new TZnColumnInfos(this);
    // The identifiers of "チーム"/"順位" and "分"/"負" are crossed in the stored layout; nothing
    // reads them, they are only carried.
    // Club names take more room than the numbers: their columns are wide enough to be read.
    AddColumnInfos(*ZCIRankTable, {{"チーム", left, "ZnListColumnInfo1", ClubNameWidth},
                                   {"順位", right, "ZnListColumnInfo0"},
                                   {"勝点", right, "ZnListColumnInfo2"},
                                   {"試合数", right, "ZnListColumnInfo3"},
                                   {"勝", right, "ZnListColumnInfo4"},
                                   {"分", right, "ZnListColumnInfo6"},
                                   {"負", right, "ZnListColumnInfo5"},
                                   {"得点", right, "ZnListColumnInfo7"},
                                   {"失点", right, "ZnListColumnInfo8"},
                                   {"得失差", right, "ZnListColumnInfo9"}});
    ZCIMatches = new TZnColumnInfos(this);
    AddColumnInfos(*ZCIMatches, {{"Home", left, "ZnListColumnInfo0", ClubNameWidth},
                                 {"", TZnAlignment::taCenter, "ZnListColumnInfo1"},
                                 {"Away", left, "ZnListColumnInfo2", ClubNameWidth}});
    ZnCIMyClub = new TZnColumnInfos(this);
    AddColumnInfos(*ZnCIMyClub,
                   {{"項目", left, "ZnListColumnInfo0"}, {"値", left, "ZnListColumnInfo1"}});
}

void TFormMain::CreateControls() {
    ZLVRankTable = new TZnListView;
    ZLVRankTable->ColumnInfos = ZCIRankTable;
    ZLVRankTable->SortMarkUse = false;
    ZLVRankTable->SetOwnerData(
        [this](int32_t row, int32_t tag) { return ZLVRankTableData(row, tag); });
    TabControl1 = new TMatchdayStrip(30);
    ZLVMatches = new TZnListView;
    ZLVMatches->ColumnInfos = ZCIMatches;
    ZLVMatches->SortMarkUse = false;
    ZLVMatches->SetOwnerData([this](int32_t row, int32_t tag) { return ZLVMatchesData(row, tag); });
    ZLVPrizes = new TZnListView;
    ZLVPrizes->SortMarkUse = false;
    TZnListColumn rank;
    rank.Caption = QStringLiteral("最終順位");
    rank.Width = 80;
    TZnListColumn prize;
    prize.Caption = QStringLiteral("賞金");
    prize.Width = 100;
    prize.Alignment = TZnAlignment::taRightJustify;
    prize.Tag = 1;
    ZLVPrizes->SetColumns({rank, prize});

    TabSheet1 = PageWith({ZLVRankTable});
    TabSheet2 = PageWith({TabControl1, ZLVMatches});
    TabSheet3 = PageWith({ZLVPrizes});
    ZRankChart = new TZnRankChart;
    TabSheet4 = PageWith({ZRankChart});
    PageControl1 = new QTabWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("順位表"));
    PageControl1->addTab(TabSheet2, QStringLiteral("対戦表"));
    PageControl1->addTab(TabSheet3, QStringLiteral("賞金一覧"));
    PageControl1->addTab(TabSheet4, QStringLiteral("順位推移"));
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(TabControl1, &TMatchdayStrip::Change, this, &TFormMain::TabControl1Change);

    RichEdit1 = new TMessageLogEdit;
    Splitter2 = VerticalSplit(PageControl1, RichEdit1, Scaled(6));
    Panel = PageWith({Splitter2});

    ZLVMyClub = new TZnListView;
    ZLVMyClub->ColumnInfos = ZnCIMyClub;
    ZLVMyClub->SortMarkUse = false;
    std::vector<TZnListColumn> myClubColumns(2);
    for (int32_t i = 0; i < 2; ++i)
        ZnCIMyClub->ColumnInfos()[i].AssignToColumn(myClubColumns[static_cast<size_t>(i)]);
    myClubColumns[0].Width = 100;
    myClubColumns[1].Width = 120;
    ZLVMyClub->SetColumns(myClubColumns);
    for (int32_t i = 0; i <= static_cast<int32_t>(TZnMyClubRow::Season); ++i)
        ZLVMyClub->AddItem({QString(), QString()});
    Panel2 = CreateCommandPanel();
    Splitter3 = VerticalSplit(ZLVMyClub, Panel2, Scaled(6));
    Panel1 = PageWith({Splitter3});

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setHandleWidth(Scaled(6));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Panel);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    setCentralWidget(Splitter1);
    statusBar()->setSizeGripEnabled(true);

    // Initial sizes of the design: the right panel 224 wide, log 125 high, command panel 118.
    const int height = Scaled(DesignHeight - 19 - 22); // less menu and status bar
    Splitter1->setSizes({Scaled(DesignWidth - 224 - 6), Scaled(224)});
    Splitter2->setSizes({height - Scaled(125) - Scaled(6), Scaled(125)});
    Splitter3->setSizes({height - Scaled(118) - Scaled(6), Scaled(118)});
}

QWidget* TFormMain::CreateCommandPanel() {
    auto* panel = new QWidget;
    Label1 = new QLabel(QStringLiteral("強化費(万円)"), panel);
    ComboBoxBuildUp = new QComboBox(panel);
    ComboBoxBuildUp->setEditable(true);
    ComboBoxBuildUp->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxBuildUp->setCompleter(nullptr);
    ComboBoxBuildUp->addItems(BuildUpAmounts());
    ComboBoxBuildUp->setEditText(QStringLiteral("0"));
    ComboBoxBuildUp->setFixedWidth(Scaled(97));
    // Enter invests, exactly as the button does (and only while the command is enabled).
    connect(ComboBoxBuildUp->lineEdit(), &QLineEdit::returnPressed, ActBuildUp, &QAction::trigger);
    // A file dropped on the box opens like one dropped anywhere else on the window.
    ComboBoxBuildUp->lineEdit()->setAcceptDrops(false);
    BtnBuildUp = new QPushButton(panel);
    BtnGame = new QPushButton(panel);
    BtnNextSeason = new QPushButton(panel);
    BtnGame30 = new QPushButton(QStringLiteral("BtnGame30"), panel);
    BtnGame30->setVisible(false);
    BtnMesClear = new QPushButton(QStringLiteral("メッセージクリア"), panel);
    BtnMesClear->setMinimumWidth(Scaled(97));
    BindButton(*BtnBuildUp, *ActBuildUp);
    BindButton(*BtnGame, *ActGame);
    BindButton(*BtnNextSeason, *ActNextSeason);
    for (QPushButton* button : {BtnBuildUp, BtnGame, BtnNextSeason})
        button->setMinimumWidth(Scaled(81));
    connect(BtnGame30, &QPushButton::clicked, this, &TFormMain::BtnGame30Click);
    connect(BtnMesClear, &QPushButton::clicked, this, &TFormMain::BtnMesClearClick);

    // Box and label on the left, the three buttons in a column on the right, the message-clear
    // button under the box; the hidden button keeps its place between them.
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(Scaled(16), Scaled(8), Scaled(8), Scaled(4));
    grid->setHorizontalSpacing(Scaled(7));
    grid->setVerticalSpacing(Scaled(4));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ComboBoxBuildUp, 1, 0);
    grid->addWidget(BtnBuildUp, 1, 1);
    grid->addWidget(BtnGame30, 2, 0);
    grid->addWidget(BtnGame, 2, 1);
    grid->addWidget(BtnMesClear, 3, 0);
    grid->addWidget(BtnNextSeason, 3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    setTabOrder(ComboBoxBuildUp, BtnBuildUp);
    setTabOrder(BtnBuildUp, BtnGame);
    setTabOrder(BtnGame, BtnNextSeason);
    setTabOrder(BtnNextSeason, BtnMesClear);
    setTabOrder(BtnMesClear, BtnGame30);
    return panel;
}
