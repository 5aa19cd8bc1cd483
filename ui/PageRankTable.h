#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QWidget>

#include "ZnClubList.h"

class TZnColumnInfos;
class TZnGameGoalrun;
class TZnListView;

// "順位表": the league table in the current order, the player's row selected.
class TPageRankTable : public QWidget {
    Q_OBJECT
public:
    explicit TPageRankTable(const TZnGameGoalrun& game, QWidget* parent = nullptr);
    void Refresh();
    // While a matchday is watched: the clubs in their live order with their live records, and
    // each club's place at kick-off by its id; a club that has moved since is marked ↑ or ↓.
    void ShowLive(std::vector<TZnClub> table, const std::array<int32_t, ClubCount>& kickOff);
    // Back to the game's own table.
    void EndLive();

private:
    QString ZLVRankTableData(int32_t row, int32_t tag) const;

    const TZnGameGoalrun& Game;
    std::vector<TZnClub> FLive;
    std::array<int32_t, ClubCount> FKickOff{};
    TZnColumnInfos* ZCIRankTable;
    TZnListView* ZLVRankTable;
};
