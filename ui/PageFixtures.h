#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

#include "ZnMatchList.h"

class TMatchdayStrip;
class TZnColumnInfos;
class TZnGameGoalrun;
class TZnListView;

// "対戦表": the strip of matchdays and the fixtures of the selected one.
class TPageFixtures : public QWidget {
    Q_OBJECT
public:
    explicit TPageFixtures(const TZnGameGoalrun& game, QWidget* parent = nullptr);
    // Turns the strip to the last matchday played (the first before any) and shows it.
    void Refresh();
    // While a matchday is watched: matchday `matchday` (0-based) shows `fixtures`, the scores
    // of the moment, and the strip stands on it.
    void ShowLive(int32_t matchday, std::vector<TZnMatch> fixtures);
    // Back to the game's own fixtures.
    void EndLive();

signals:
    // Double-click or Enter on fixture `fixture` (list position) of matchday `matchday`
    // (1-based), played or not.
    void FixtureActivated(int32_t matchday, int32_t fixture);

private:
    void TabControl1Change();
    QString ZLVMatchesData(int32_t row, int32_t tag) const;

    const TZnGameGoalrun& Game;
    int32_t FLiveDay = -1;
    std::vector<TZnMatch> FLive;
    TMatchdayStrip* TabControl1;
    TZnColumnInfos* ZCIMatches;
    TZnListView* ZLVMatches;
};
