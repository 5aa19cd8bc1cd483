#pragma once

#include <QWidget>

class TZnGameGoalrun;
class TFundsChart;
class TZnRankChart;

// "順位推移": the rank of every club after each played matchday of the season, and under it
// the coach's funds over the season.
class TPageRankChart : public QWidget {
    Q_OBJECT
public:
    explicit TPageRankChart(const TZnGameGoalrun& game, QWidget* parent = nullptr);
    void Refresh();

private:
    const TZnGameGoalrun& Game;
    TZnRankChart* ZRankChart;
    TFundsChart* ZFundsChart;
};
