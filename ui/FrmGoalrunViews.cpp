// The views: the pages, the club panel and the one redraw the commands call.

#include "FrmGoalrun.h"

#include <type_traits>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QAbstractItemView>

#include "CareerPage.h"
#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "GameOdds.h"
#include "GamePage.h"
#include "PageFixtures.h"
#include "PagePrizes.h"
#include "PageRankChart.h"
#include "PageRankTable.h"
#include "PriceLinks.h"

namespace {

// A page of type TWidget over `game`, with its tab caption: one built over the game, or one
// handed the game on each refresh. The page is known by its object name (the settings file keeps
// the current page by it): `name`, or the one the page gives itself.
template <class TWidget>
auto NewPage(const char* caption, const TZnGameGoalrun& game, const char* name = nullptr) {
    TWidget* widget = nullptr;
    std::function<void()> refresh;
    if constexpr (std::is_constructible_v<TWidget, const TZnGameGoalrun&>) {
        widget = new TWidget(game);
        refresh = [widget] { widget->Refresh(); };
    } else {
        widget = new TWidget;
        refresh = [widget, &game] { widget->Refresh(game); };
    }
    if (name != nullptr)
        widget->setObjectName(QString::fromLatin1(name));
    return std::tuple{QString::fromUtf8(caption), static_cast<QWidget*>(widget), refresh};
}

// A screen reader names a page's lists by the page's caption, unless the page names them itself.
void NameListsAfterPage(QWidget& page, const QString& caption) {
    for (QAbstractItemView* list : page.findChildren<QAbstractItemView*>())
        if (list->accessibleName().isEmpty())
            list->setAccessibleName(caption);
}

} // namespace

void TFormMain::CreatePages() {
    // The tabs of PageControl1, left to right. A new page is a widget unit with a constructor
    // over the game and a Refresh, and one line here; its object name (its own or the one given
    // here) stays when pages are added.
    for (auto [caption, widget, refresh] : {
             NewPage<TPageRankTable>("順位表", Game, "TabSheet1"),
             NewPage<TPageFixtures>("対戦表", Game, "TabSheet2"),
             NewPage<TPagePrizes>("賞金一覧", Game, "TabSheet3"),
             NewPage<TPageRankChart>("順位推移", Game, "PageRankChart"),
             NewPage<TCareerPage>("監督経歴", Game),
         })
        Pages.push_back({caption, widget, refresh});
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (size_t i = 0; i < Pages.size(); ++i) {
        PageControl1->addTab(Pages[i].Widget, Pages[i].Caption);
        NameListsAfterPage(*Pages[i].Widget, Pages[i].Caption);
    }
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

void TFormMain::PageControl1Change() {
    const int index = PageControl1->currentIndex();
    if (index >= 0 && static_cast<size_t>(index) < Pages.size())
        Pages[static_cast<size_t>(index)].Refresh();
}

void TFormMain::RefreshViews() {
    PageControl1Change();
    ActZLVMyClubData->trigger();
    ShowBuildUpOdds();
}

void TFormMain::ShowBuildUpOdds() {
    std::optional<TZnMatchOdds> odds;
    if (Game.CanInvestBuildUp())
        if (const auto amount = Game.AcceptedBuildUp(ComboBoxBuildUp->currentText().toStdString()))
            odds = NextMatchOdds(Game, *amount);
    LabelBuildUpOdds->setText(odds ? QStringLiteral("この額なら ") + FromView(OddsText(*odds))
                                   : QString());
}

QWidget* TFormMain::CreateClubPanel() {
    ZnCIMyClub = new TZnColumnInfos(this);
    ZnCIMyClub->setObjectName(QStringLiteral("ZnCIMyClub"));
    for (const char* caption : {"項目", "値"})
        ZnCIMyClub->ColumnInfos().Add().Caption = QString::fromUtf8(caption);
    ZLVMyClub = new TZnListView;
    ZLVMyClub->setObjectName(QStringLiteral("ZLVMyClub"));
    ZLVMyClub->setAccessibleName(QStringLiteral("担当チーム"));
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
        return TZnListView::TColumnFit{
            [this] {
                QStringList lines;
                for (const QString& name : ClubNames(Game))
                    lines << QString::fromStdString(MatchdayResultText(
                        MatchdayCount, name.toStdString(), 88, 88, name.toStdString()));
                return lines;
            },
            true};
    });
    for (size_t i = 0; i < MyClubRows(Game).size(); ++i)
        ZLVMyClub->AddItem({QString(), QString()});
    return ZLVMyClub;
}

void TFormMain::ActZLVMyClubDataExecute() {
    // Each row stands at the position its identifier gives.
    for (const auto& row : MyClubRows(Game)) {
        const auto position = static_cast<int32_t>(ViewIndex(row.Id));
        ZLVMyClub->SetItemText(position, 0, FromView(row.Caption));
        ZLVMyClub->SetItemText(position, 1, QString::fromStdString(row.Value));
    }
    // Every investment raises attack and defense by the coach's level for each 万円.
    const int32_t level = Game.Coach().Level();
    const QString gain = QStringLiteral("1万円で攻撃・守備 %1%2")
                             .arg(level < 0 ? QString() : QStringLiteral("+"))
                             .arg(level);
    ZLVMyClub->setToolTip(gain);
    ZLVMyClub->setAccessibleDescription(gain);
    PriceLinks->Refresh(Game);
}
