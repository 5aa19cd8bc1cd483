#pragma once

#include <string>

class TZnGameGoalrun;

// The whole game state as one line of JSON, for scripts: counters, generator seed, coach, the
// clubs in table order with every field, and the schedule in list order.
std::string StateJson(const TZnGameGoalrun& game, const std::string& boxText);
