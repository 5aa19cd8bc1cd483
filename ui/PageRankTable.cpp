#include "PageRankTable.h"

#include "GameGoalrun.h"
#include "GamePage.h"

TPageRankTable::TPageRankTable(const TZnGameGoalrun& game, QWidget* parent)
    : QWidget(parent), Game(game) {
    ZCIRankTable = new TZnColumnInfos(this);
    ZCIRankTable->setObjectName(QStringLiteral("ZCIRankTable"));
    // The club names take the free width; the number columns keep theirs.
    const auto lookOf = [](TZnRankColumn id) {
        return id == TZnRankColumn::Name
                   ? TColumnLook{TZnAlignment::taLeftJustify, ClubNameWidth, {}, true}
                   : TColumnLook{};
    };
    AddColumnInfos(*ZCIRankTable, RankTableRow(Japanese(), Game.Clubs().Items(0)), lookOf);
    // The stored layout crosses the identifiers of "チーム"/"順位" and "分"/"負"; nothing reads
    // them, they are only carried.
    TZnListColumnInfos& infos = ZCIRankTable->ColumnInfos();
    for (auto [a, b] : {std::pair{TZnRankColumn::Name, TZnRankColumn::Rank},
                        std::pair{TZnRankColumn::Draws, TZnRankColumn::Losses}})
        std::swap(infos[static_cast<int32_t>(a)].IdentName,
                  infos[static_cast<int32_t>(b)].IdentName);
    ZLVRankTable =
        NewOwnerDataList(QStringLiteral("ZLVRankTable"), *ZCIRankTable, Game.Clubs().Count(),
                         [this](int32_t row, int32_t tag) { return ZLVRankTableData(row, tag); });
    FitByLook<TZnRankColumn>(*ZLVRankTable, lookOf);
    StackOnPage(*this, {ZLVRankTable});
}

QString TPageRankTable::ZLVRankTableData(int32_t row, int32_t tag) const {
    return CellValue(RankTableRow(Japanese(), Game.Clubs().Items(row)), tag);
}

void TPageRankTable::Refresh() {
    ZLVRankTable->Redraw();
    ZLVRankTable->SelectRow(Game.MyClubIndex());
}
