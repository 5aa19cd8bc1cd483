#include "PagePrizes.h"

#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "GamePage.h"

TPagePrizes::TPagePrizes(const TZnGameGoalrun& game, QWidget* parent)
    : QWidget(parent), Game(game) {
    ZLVPrizes = new TZnListView;
    ZLVPrizes->setObjectName(QStringLiteral("ZLVPrizes"));
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
    for (int32_t r = 0; r < static_cast<int32_t>(PrizeTable.size()); ++r)
        ZLVPrizes->AddItem(
            {QString::number(r + 1), QString::fromStdString(PrizeText(Japanese(), r))});
    StackOnPage(*this, {ZLVPrizes});
}

void TPagePrizes::Refresh() {
    ZLVPrizes->SelectRow(Game.MyClub().Rank);
}
