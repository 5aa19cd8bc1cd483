#include "CliState.h"

#include <cstdio>
#include <sstream>

#include "GameGoalrun.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void WriteClub(std::ostream& out, const TZnClub& club) {
    out << "{\"name\":" << Quoted(club.Name) << ",\"nameIndex\":" << club.NameIndex
        << ",\"clubId\":" << club.ClubId << ",\"rank\":" << club.Rank
        << ",\"prevRank\":" << club.PrevRank << ",\"attack\":" << club.Attack
        << ",\"defense\":" << club.Defense << ",\"buildUp\":" << club.BuildUp
        << ",\"points\":" << club.Points << ",\"played\":" << club.Played
        << ",\"wins\":" << club.Wins << ",\"draws\":" << club.Draws << ",\"losses\":" << club.Losses
        << ",\"goalsFor\":" << club.GoalsFor << ",\"goalsAgainst\":" << club.GoalsAgainst << "}";
}

void WriteMatch(std::ostream& out, const TZnMatch& match) {
    out << "{\"homeId\":" << match.HomeId << ",\"awayId\":" << match.AwayId
        << ",\"played\":" << (match.Played ? "true" : "false")
        << ",\"homeGoals\":" << match.HomeGoals << ",\"awayGoals\":" << match.AwayGoals << "}";
}

} // namespace

std::string StateJson(const TZnGameGoalrun& game, const std::string& boxText) {
    std::ostringstream out;
    out << "{\"season\":" << game.Season << ",\"matchday\":" << game.Matchday
        << ",\"finished\":" << (game.Finished ? "true" : "false")
        << ",\"seed\":" << game.Random.Seed << ",\"box\":" << Quoted(boxText)
        << ",\"coach\":{\"experience\":" << game.Coach().Experience
        << ",\"money\":" << game.Coach().Money << ",\"level\":" << game.Coach().Level()
        << "},\"myClubId\":" << game.MyClub().ClubId << ",\"clubs\":[";
    for (int32_t p = 0; p < game.Clubs().Count(); ++p) {
        out << (p == 0 ? "" : ",");
        WriteClub(out, game.Clubs().Items(p));
    }
    out << "],\"schedule\":[";
    for (int32_t d = 0; d < game.Schedule().Count(); ++d) {
        const TZnMatchList& day = game.Schedule().Matchdays(d);
        out << (d == 0 ? "[" : ",[");
        for (int32_t m = 0; m < day.Count(); ++m) {
            out << (m == 0 ? "" : ",");
            WriteMatch(out, day.Matches(m));
        }
        out << "]";
    }
    out << "]}";
    return out.str();
}
