// The views: the pages, the club panel and the one redraw the commands call.

#include "FrmGoalrun.h"

#include <tuple>
#include <type_traits>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <QAbstractItemView>

#include "CareerPage.h"
#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "GameOdds.h"
#include "GamePage.h"
#include "MatchCentre.h"
#include "ReportsPart.h"
#include "WatchPart.h"
#include "MatchReportView.h"
#include "PageFixtures.h"
#include "PagePrizes.h"
#include "PageRankChart.h"
#include "PageRankTable.h"
#include "ChallengeWords.h"
#include "PriceLinks.h"
#include "WindowWords.h"

namespace {

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

} // namespace

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
        NameListsAfterPage(page);
        ConnectPage(*widget);
    }
    return page.Widget;
}

void TFormMain::ConnectPage(QWidget& page) {
    if (auto* table = qobject_cast<TPageRankTable*>(&page))
        Watch->Follow(*table);
    if (auto* fixtures = qobject_cast<TPageFixtures*>(&page))
        connect(
            fixtures, &TPageFixtures::FixtureActivated, this,
            [this](int32_t matchday, int32_t fixture) { Reports->ShowFixture(matchday, fixture); });
    if (auto* fixtures = qobject_cast<TPageFixtures*>(&page))
        Watch->Follow(*fixtures);
    if (auto* career = qobject_cast<TCareerPage*>(&page))
        connect(career, &TCareerPage::SeasonActivated, this, [this](size_t index) {
            if (index < Game.Career.Seasons.size())
                Reports->ShowSeason(index, true);
        });
}

void TFormMain::NameListsAfterPage(const TPage& page) {
    for (QAbstractItemView* list : page.Widget->findChildren<QAbstractItemView*>())
        if (list->accessibleName().isEmpty() || list->property("NamedByPage").toBool()) {
            list->setAccessibleName(tr(page.Caption));
            list->setProperty("NamedByPage", true);
        }
}

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
    if (Game.CanInvestBuildUp())
        if (const auto amount = Game.AcceptedBuildUp(ComboBoxBuildUp->currentText().toStdString()))
            odds = NextMatchOdds(Game, *amount);
    LabelBuildUpOdds->setText(odds ? tr("この額なら ") + FromView(OddsText(WindowWording(), *odds))
                                   : QString());
}

QWidget* TFormMain::CreateClubPanel() {
    ZnCIMyClub = new TZnColumnInfos(this);
    ZnCIMyClub->setObjectName(QStringLiteral("ZnCIMyClub"));
    // The captions and the accessible name are set by Retranslate (FrmGoalrunTexts.cpp).
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
