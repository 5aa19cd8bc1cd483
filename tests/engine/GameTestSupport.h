#pragma once

#include <gtest/gtest.h>

#include "GameGoalrun.h"
#include "ZnMessageText.h"

// A game whose matchdays are reproducible from `seed`, writing into an in-memory log.
class GameTest : public ::testing::Test {
protected:
    explicit GameTest(uint32_t seed = 1) : Game(KeepSeedSource()) {
        Game.Random.Seed = seed;
        Game.SetMessageLog(&Log);
        Game.NewGame();
    }

    void PlaySeason() {
        while (Game.CanPlayMatchday())
            Game.PlayMatchday();
    }

    TZnLineLog Log;
    TZnGameGoalrun Game;
};
