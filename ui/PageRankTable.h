#pragma once

#include <cstdint>

#include <QWidget>

class TZnColumnInfos;
class TZnGameGoalrun;
class TZnListView;

// "順位表": the league table in the current order, the player's row selected.
class TPageRankTable : public QWidget {
    Q_OBJECT
public:
    explicit TPageRankTable(const TZnGameGoalrun& game, QWidget* parent = nullptr);
    void Refresh();

private:
    QString ZLVRankTableData(int32_t row, int32_t tag) const;

    const TZnGameGoalrun& Game;
    TZnColumnInfos* ZCIRankTable;
    TZnListView* ZLVRankTable;
};
