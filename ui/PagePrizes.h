#pragma once

#include <QWidget>

class TZnGameGoalrun;
class TZnListView;

// "賞金一覧": the fixed prize of every final rank, the player's current rank selected.
class TPagePrizes : public QWidget {
    Q_OBJECT
public:
    explicit TPagePrizes(const TZnGameGoalrun& game, QWidget* parent = nullptr);
    void Refresh();

private:
    const TZnGameGoalrun& Game;
    TZnListView* ZLVPrizes;
};
