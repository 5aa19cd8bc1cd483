#pragma once

// The minutes of a played matchday's chances and goals, and the title race of the current
// season. Both are read from what the game keeps of the season (the rounds of every fixture,
// GameRecordTypes.h, and the scores of the schedule) and draw nothing: the same match shows the
// same minutes on every machine, however the game was seeded. Everything here is data; the
// front ends word it.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class TZnLeague;

// One chance or goal of a fixture.
struct TZnMatchEvent {
    int32_t Fixture = 0;   // 0-based, in list order (the player's first)
    int32_t Minute = 0;    // 1..90, inside the quarter-hour of its round
    bool Away = false;     // the away side's
    bool Goal = false;     // a goal; else a chance stopped
    int32_t HomeGoals = 0; // the fixture's score after it
    int32_t AwayGoals = 0;

    bool operator==(const TZnMatchEvent&) const = default;
};

// The minutes of round `round` (0..5) of a fixture, for the home and the away side: distinct,
// both within minutes 15 round + 1 .. 15 round + 15, fixed by the fixture's rounds word, its
// index in the list and its matchday.
struct TZnRoundMinutes {
    int32_t Home = 0;
    int32_t Away = 0;
};
TZnRoundMinutes RoundMinutes(uint32_t rounds, int32_t fixture, int32_t matchday, int32_t round);

// Appends the events of one fixture, from its rounds word (FixtureRounds), in time order.
void AppendFixtureEvents(uint32_t rounds, int32_t fixture, int32_t matchday,
                         std::vector<TZnMatchEvent>& events);

// The events of played matchday `matchday` (1-based) of the current season, all fixtures in time
// order (a shared minute: fixture order, then home before away). Nothing when the matchday is
// outside 1..game.Matchday or the game has not the rounds of all its fixtures.
std::optional<std::vector<TZnMatchEvent>> MatchdayEvents(const TZnLeague& game, int32_t matchday);

enum class TZnTitleState : uint8_t {
    Open,     // the title can still go either way (a tie on points included)
    Clinched, // no other club can reach the player's points
    Out,      // the player cannot reach the leader's points
};

struct TZnTitleDecision {
    TZnTitleState State = TZnTitleState::Open;
    int32_t Decided = 0; // the matchday after which it was decided; 0 while open

    bool operator==(const TZnTitleDecision&) const = default;
};

// The race after `played` matchdays of the double round robin, from every club's points then and
// the player's position `me` among them; each club has MatchdayCount - played matches left.
TZnTitleState TitleStateAfter(std::span<const int32_t> points, size_t me, int32_t played);

// The title race of the current season after matchday `matchday` (0..game.Matchday; anything
// else is held to that range), with the matchday that decided it, the points of every earlier
// matchday taken from the schedule's played fixtures.
TZnTitleDecision TitleDecision(const TZnLeague& game, int32_t matchday);
