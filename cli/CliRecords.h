#pragma once

#include <iosfwd>
#include <string_view>

class TZnGameGoalrun;

// The record views of goalrun-cli, in the key=value and tab-separated forms scripts read.

// `report [N]`: the fixtures of played matchday N (default the last played), each with its six
// rounds when the game has them. False, with a message on `err`, for N out of range.
bool PrintReport(const TZnGameGoalrun& game, std::string_view argument, std::ostream& out,
                 std::ostream& err);
// `timeline [N]`: the chances and goals of played matchday N (default the last played), all
// fixtures in time order, one a line: "<fixture>\t<minute>\t<H|A>\t<goal|chance>\t<h-a>", the
// fixture numbered 1..8 in list order and the score its own after the event. False, with a message
// on `err`, for N out of range or a matchday without rounds.
bool PrintTimeline(const TZnGameGoalrun& game, std::string_view argument, std::ostream& out,
                   std::ostream& err);
// `live`: the replay of the last matchday played, one line per quarter-hour q = 1..6:
// "<q>\t<rank>\t<h-a>\t…", the player's live rank (1-based) and each fixture's score after q, in
// list order. False, with a message on `err`, when there is no such matchday or it has no rounds.
bool PrintLive(const TZnGameGoalrun& game, std::ostream& out, std::ostream& err);
// `review`: the current season so far.
void PrintReview(const TZnGameGoalrun& game, std::ostream& out);
// `records`: the records book of the completed seasons.
void PrintRecords(const TZnGameGoalrun& game, std::ostream& out);
