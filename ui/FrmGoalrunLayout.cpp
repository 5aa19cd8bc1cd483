// The window's controls, created in code with their design values and names.

#include "FrmGoalrun.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "GameKeeper.h"
#include "GamePage.h"
#include "MatchCentre.h"
#include "ReportsPart.h"
#include "WatchPart.h"
#include "MatchReportView.h"
#include "MessageLogEdit.h"
#include "PriceLinks.h"
#include "WindowState.h"
#include "ZnListView.h"

namespace {

// `top` over `bottom`, sharing the height the window gains in the ratio of their stretches.
QSplitter* VerticalSplit(const char* name, QWidget* top, int topStretch, QWidget* bottom,
                         int bottomStretch, int handleWidth) {
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setHandleWidth(handleWidth);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(bottom);
    splitter->setStretchFactor(0, topStretch);
    splitter->setStretchFactor(1, bottomStretch);
    return splitter;
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

} // namespace

void TFormMain::CreateControls() {
    CreatePages();
    // The page takes most of the height the window gains (charts and the career grow with it),
    // the log a third; the club panel keeps the height that shows it whole, and the command
    // panel (buttons at its top) takes the height beside it. The two sides share the width the
    // window gains.
    QSplitter* splitter2 = VerticalSplit("Splitter2", PageControl1, 2, RichEdit1, 1, Scaled(6));
    QWidget* commandPanel = CreateCommandPanel();
    QSplitter* splitter3 =
        VerticalSplit("Splitter3", CreateClubPanel(), 0, commandPanel, 1, Scaled(6));

    auto* splitter1 = new QSplitter(Qt::Horizontal, this);
    splitter1->setObjectName(QStringLiteral("Splitter1"));
    splitter1->setHandleWidth(Scaled(6));
    splitter1->setChildrenCollapsible(false);
    splitter1->addWidget(PanelWith("Panel", splitter2));
    splitter1->addWidget(PanelWith("Panel1", splitter3));
    splitter1->setStretchFactor(0, 1);
    splitter1->setStretchFactor(1, 1);
    setCentralWidget(splitter1);
    statusBar()->setSizeGripEnabled(true);
}

QSize TFormMain::FitInitialSize() {
    for (TZnListView* list : findChildren<TZnListView*>()) {
        list->FitColumns();
        // The layouts between the list and the window keep the hints they have read.
        for (QWidget* widget = list; widget != nullptr && widget != this;
             widget = widget->parentWidget())
            widget->updateGeometry();
    }
    // The window's size hint is built from the lists' whole contents (the charts ask for none).
    // A splitter's hint leaves out its handles: the side-by-side ones add to the width, the
    // ones of the stacked panes (side by side themselves) to the height. A pixel a pane covers
    // the rounding of the shares the splitter gives its panes.
    QSize handles;
    for (const QSplitter* splitter : findChildren<QSplitter*>()) {
        const int handle = (splitter->handleWidth() + 1) * (splitter->count() - 1) + 1;
        if (splitter->orientation() == Qt::Horizontal)
            handles.rwidth() += handle;
        else
            handles.setHeight(std::max(handles.height(), handle));
    }
    const QSize wanted = sizeHint() + handles;
    const QSize design(Scaled(DesignWidth), Scaled(DesignHeight));
    const QSize available = screen()->availableGeometry().size();
    return wanted.expandedTo(design).boundedTo(available * 0.9);
}

void TFormMain::LayOutAgain() {
    // The lists' columns fit the texts of the new language (FitInitialSize fits them first); the
    // window grows to the size that shows them whole, as a new start in the language would.
    const QSize wanted = FitInitialSize();
    if (!isMaximized() && !isFullScreen())
        resize(size().expandedTo(wanted));
    // Each side of a splitter gets the size its contents ask for, where the other side can
    // spare it.
    for (QSplitter* splitter : findChildren<QSplitter*>()) {
        if (splitter->count() != 2)
            continue;
        QList<int> sizes = splitter->sizes();
        int hints[2];
        for (int i = 0; i < 2; ++i) {
            const QSize hint = splitter->widget(i)->sizeHint();
            hints[i] = splitter->orientation() == Qt::Horizontal ? hint.width() : hint.height();
        }
        for (int i = 0; i < 2; ++i) {
            const int move = std::min(hints[i] - sizes[i], sizes[1 - i] - hints[1 - i]);
            if (move > 0) {
                sizes[i] += move;
                sizes[1 - i] -= move;
            }
        }
        splitter->setSizes(sizes);
    }
}

void TFormMain::ApplyRememberedChoices(TWindowSettings& settings) {
    Keeper->ApplyRemembered(settings);
    Watch->ApplyRemembered(settings);
}

void TFormMain::PlaceWindow(TWindowSettings& settings) {
    resize(FitInitialSize());
    // The splitters learn their lengths in the window's new size.
    layout()->activate();
    // Each side of each splitter starts at its wanted size; the splitters' growing sides take
    // what is left, and give up what is missing (on a small screen), so that a side that keeps
    // its size (the club panel) shows whole.
    const QList<QSplitter*> splitters = findChildren<QSplitter*>();
    for (QSplitter* splitter : splitters) {
        const bool across = splitter->orientation() == Qt::Horizontal;
        QList<int> sizes;
        int missing = -(across ? splitter->width() : splitter->height()) +
                      (splitter->handleWidth() * (splitter->count() - 1));
        for (int i = 0; i < splitter->count(); ++i) {
            const QSize hint = splitter->widget(i)->sizeHint();
            sizes << (across ? hint.width() : hint.height());
            missing += sizes.back();
        }
        for (int i = splitter->count() - 1; i >= 0 && missing > 0; --i) {
            auto& size = sizes[i];
            const int minimum = across ? splitter->widget(i)->minimumSizeHint().width()
                                       : splitter->widget(i)->minimumSizeHint().height();
            const int given = std::min(missing, std::max(0, size - minimum));
            size -= given;
            missing -= given;
        }
        splitter->setSizes(sizes);
    }
    RestoreWindowState(
        settings, {*this, *PageControl1, splitters, {Scaled(DesignWidth), Scaled(DesignHeight)}});
}

QWidget* TFormMain::CreateCommandPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    // Texts, tips and accessible names are set by Retranslate (FrmGoalrunTexts.cpp).
    Label1 = new QLabel(panel);
    ComboBoxBuildUp = new QComboBox(panel);
    ComboBoxBuildUp->setEditable(true);
    ComboBoxBuildUp->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxBuildUp->setCompleter(nullptr);
    ComboBoxBuildUp->addItems(BuildUpAmounts());
    ComboBoxBuildUp->setEditText(QStringLiteral("0"));
    ComboBoxBuildUp->setFixedWidth(Scaled(97));
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
    BtnMesClear->setMinimumWidth(Scaled(97));
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
        button->setMinimumWidth(Scaled(81));
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
    grid->setContentsMargins(Scaled(16), Scaled(8), Scaled(8), Scaled(4));
    grid->setHorizontalSpacing(Scaled(7));
    grid->setVerticalSpacing(Scaled(4));
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
