// The views: what each list shows, asked of the game state each time it is drawn.

#include "FrmGoalrun.h"

#include <QTabWidget>

#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "GameRankHistory.h"
#include "GameViewText.h"
#include "MatchdayStrip.h"
#include "ZnListView.h"
#include "ZnRankChart.h"

namespace {

// The value of the cell with identifier `tag`, or no text when there is none.
template <class TId> QString CellValue(const std::vector<TZnViewText<TId>>& texts, int32_t tag) {
    if (tag < 0 || static_cast<size_t>(tag) >= texts.size())
        return {};
    return QString::fromStdString(texts[static_cast<size_t>(tag)].Value);
}

} // namespace

void TFormMain::BuildPrizeList() {
    for (int32_t rank = 0; rank < static_cast<int32_t>(PrizeTable.size()); ++rank)
        ZLVPrizes->AddItem({QString::number(rank + 1), QString::fromStdString(PrizeText(rank))});
}

QString TFormMain::ZLVRankTableData(int32_t row, int32_t tag) const {
    return CellValue(RankTableRow(Game.Clubs().Items(row)), tag);
}

QString TFormMain::ZLVMatchesData(int32_t row, int32_t tag) const {
    const TZnMatchList& matchday = Game.Schedule().Matchdays(TabControl1->TabIndex());
    return CellValue(FixtureRow(Game, matchday.Matches(row)), tag);
}

void TFormMain::ActZLVMyClubDataExecute() {
    const auto rows = MyClubRows(Game);
    for (int32_t row = 0; row < ZLVMyClub->RowCount() && row < static_cast<int32_t>(rows.size());
         ++row) {
        const auto& text = rows[static_cast<size_t>(row)];
        ZLVMyClub->SetItemText(
            row, 0,
            QString::fromUtf8(text.Caption.data(), static_cast<qsizetype>(text.Caption.size())));
        ZLVMyClub->SetItemText(row, 1, QString::fromStdString(text.Value));
    }
}

void TFormMain::PageControl1Change() {
    switch (PageControl1->currentIndex()) {
    case 0:
        ZLVRankTable->Redraw();
        ZLVRankTable->SelectRow(Game.MyClubIndex());
        break;
    case 1:
        // The last matchday played, or the first before any is played.
        TabControl1->SetTabIndex(Game.Matchday == 0 ? 0 : Game.Matchday - 1);
        ZLVMatches->Redraw();
        ZLVMatches->SelectRow(0);
        break;
    case 2:
        ZLVPrizes->SelectRow(Game.MyClub().Rank);
        break;
    case 3:
        ZRankChart->SetHistory(RankHistory(Game));
        break;
    default:
        break;
    }
}

void TFormMain::TabControl1Change() {
    ZLVMatches->Redraw();
}
