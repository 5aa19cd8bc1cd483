#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "GameRecordTypes.h"

class TZnLeague;

// The chances of one match's three outcomes, seen from one side; they add up to 1.
struct TZnMatchOdds {
    double Win = 0;
    double Draw = 0;
    double Loss = 0;
};

// The exact odds of a match played by SimulateMatch between clubs of the given effective
// strengths, seen from the home club. Every draw is taken as uniform over 0..DrawRange-1: in each
// of the six rounds the home club scores with P(r1 < attack x 1.1) x P(r2 > away defense) and
// the away club with P(r3 < attack) x P(r4 > home defense x 1.1). The draws that succeed are
// counted as whole numbers, so the only rounding is that of the divisions.
TZnMatchOdds MatchOdds(int32_t homeAttack, int32_t homeDefense, int32_t awayAttack,
                       int32_t awayDefense);

// The odds of the player's fixture as `record` noted it at kick-off, seen from the player's side,
// the player's club at home when `atHome`: what the matchday's report shows and what a giant
// killing is judged by.
TZnMatchOdds KickOffOdds(const TZnPlayerMatchRecord& record, bool atHome);

// The odds of the player's next match with `extraBuildUp` added to the club's BuildUp, at the
// coach's current level; nothing when no match is next (the season is over or the game won).
std::optional<TZnMatchOdds> NextMatchOdds(const TZnLeague& game, int32_t extraBuildUp = 0);

// Whole percentages of win, draw and loss that add up to 100: each is rounded down, and the
// points left over go to the outcomes with the largest remainders.
std::array<int32_t, 3> OddsPercents(const TZnMatchOdds& odds);
