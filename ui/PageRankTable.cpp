#include "PageRankTable.h"

#include "GameGoalrun.h"
#include "GamePage.h"
#include "WindowWords.h"
#include "ZnTranslation.h"

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
    AddColumnInfos(*ZCIRankTable, RankTableRow(WindowWording(), Game.Clubs().Items(0)), lookOf);
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
    KeepTranslated(*this, [this] {
        RenameColumns(*ZLVRankTable, *ZCIRankTable,
                      RankTableRow(WindowWording(), Game.Clubs().Items(0)));
    });
}

QString TPageRankTable::ZLVRankTableData(int32_t row, int32_t tag) const {
    const auto column = static_cast<TZnRankColumn>(tag);
    if (FLive.empty() || row < 0 || static_cast<size_t>(row) >= FLive.size())
        return FromView(RankTableCell(Game.Clubs().Items(row), column));
    const TZnClub& club = FLive[static_cast<size_t>(row)];
    QString text = FromView(RankTableCell(club, column));
    if (column == TZnRankColumn::Rank) {
        const int32_t before = FKickOff.at(static_cast<size_t>(club.ClubId));
        if (club.Rank != before)
            text += club.Rank < before ? QStringLiteral("↑") : QStringLiteral("↓");
    }
    return text;
}

void TPageRankTable::Refresh() {
    ZLVRankTable->Redraw();
    int32_t mine = Game.MyClubIndex();
    for (size_t p = 0; p < FLive.size(); ++p)
        if (FLive[p].ClubId == Game.MyClub().ClubId)
            mine = static_cast<int32_t>(p);
    ZLVRankTable->SelectRow(mine);
}

void TPageRankTable::ShowLive(std::vector<TZnClub> table,
                              const std::array<int32_t, ClubCount>& kickOff) {
    FLive = std::move(table);
    FKickOff = kickOff;
    Refresh();
}

void TPageRankTable::EndLive() {
    FLive.clear();
    Refresh();
}
