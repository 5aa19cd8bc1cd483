#pragma once

#include <iosfwd>

class TZnGameLibrary;

// `games`: the player's kept games, the one played last first, one a line, tab-separated:
// identity, code (or -), difficulty (easy/normal/hard), season (1-based), matchdays played, rank
// (1-based), titles, funds (万円), last played (ISO 8601, UTC). A game none of whose autosaves
// can be read follows the others as its identity, "unreadable" and the reason.
void PrintGames(const TZnGameLibrary& library, std::ostream& out);
