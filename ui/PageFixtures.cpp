#include "PageFixtures.h"

#include "GameGoalrun.h"
#include "GamePage.h"
#include "MatchdayStrip.h"
#include "WindowWords.h"
#include "ZnTranslation.h"

TPageFixtures::TPageFixtures(const TZnGameGoalrun& game, QWidget* parent)
    : QWidget(parent), Game(game) {
    TabControl1 = new TMatchdayStrip(MatchdayCount);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    ZCIMatches = new TZnColumnInfos(this);
    ZCIMatches->setObjectName(QStringLiteral("ZCIMatches"));
    const TZnMatchList& first = Game.Schedule().Matchdays(0);
    // Every club plays on every matchday, on either side: both name columns fit every name and
    // share the free width.
    const auto lookOf = [this](TZnFixtureColumn id) {
        return id == TZnFixtureColumn::Score
                   ? TColumnLook{TZnAlignment::taCenter, TZnListColumnInfo::DefaultColumnWidth,
                                 [] { return QStringList{QStringLiteral("88 - 88")}; }}
                   : TColumnLook{TZnAlignment::taLeftJustify, ClubNameWidth,
                                 [this] { return ClubNames(Game); }, true};
    };
    AddColumnInfos(*ZCIMatches, FixtureRow(WindowWording(), Game, first.Matches(0)), lookOf);
    ZLVMatches =
        NewOwnerDataList(QStringLiteral("ZLVMatches"), *ZCIMatches, first.Count(),
                         [this](int32_t row, int32_t tag) { return ZLVMatchesData(row, tag); });
    FitByLook<TZnFixtureColumn>(*ZLVMatches, lookOf);
    StackOnPage(*this, {TabControl1, ZLVMatches});
    KeepTranslated(*this, [this] {
        RenameColumns(*ZLVMatches, *ZCIMatches,
                      FixtureRow(WindowWording(), Game, Game.Schedule().Matchdays(0).Matches(0)));
    });
    connect(TabControl1, &TMatchdayStrip::Change, this, &TPageFixtures::TabControl1Change);
    connect(ZLVMatches, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit FixtureActivated(TabControl1->TabIndex() + 1, index.row());
    });
}

QString TPageFixtures::ZLVMatchesData(int32_t row, int32_t tag) const {
    if (TabControl1->TabIndex() == FLiveDay && row >= 0 && static_cast<size_t>(row) < FLive.size())
        return CellValue(FixtureRow(WindowWording(), Game, FLive[static_cast<size_t>(row)]), tag);
    const TZnMatchList& matchday = Game.Schedule().Matchdays(TabControl1->TabIndex());
    return CellValue(FixtureRow(WindowWording(), Game, matchday.Matches(row)), tag);
}

void TPageFixtures::Refresh() {
    TabControl1->SetTabIndex(FLiveDay >= 0 ? FLiveDay : Game.Matchday == 0 ? 0 : Game.Matchday - 1);
    ZLVMatches->Redraw();
    ZLVMatches->SelectRow(0);
}

void TPageFixtures::TabControl1Change() {
    ZLVMatches->Redraw();
}

void TPageFixtures::ShowLive(int32_t matchday, std::vector<TZnMatch> fixtures) {
    const bool turn = FLiveDay != matchday;
    FLiveDay = matchday;
    FLive = std::move(fixtures);
    if (turn)
        Refresh();
    else
        ZLVMatches->Redraw();
}

void TPageFixtures::EndLive() {
    FLiveDay = -1;
    FLive.clear();
}
