#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "GameGoalrun.h"
#include "ZnMessageLog.h"

// The log of the CLI: every line of the current log, plus, while KeepFresh is set (a person at
// the terminal), the lines written since that person was last shown them. A script never sees
// the fresh lines, so they are not kept for it: its memory stays flat over any number of seasons.
class TZnCliLog : public TZnLineLog {
public:
    void AddLine(const std::string& line) override {
        TZnLineLog::AddLine(line);
        if (KeepFresh)
            Fresh.push_back(line);
    }

    bool KeepFresh = false;
    std::vector<std::string> Fresh;
};

// Runs the commands of goalrun-cli on one game, the way the window runs its commands: each game
// command only while the enabling rule allows it.
class TZnCliDriver {
public:
    explicit TZnCliDriver(TZnGameGoalrun& game);

    // Runs one command line. Printing commands write to `out`; a failure is described on `err`
    // (without the line number, which the caller adds) and returns false.
    bool Execute(std::string_view line, std::ostream& out, std::ostream& err);

    // True for commands after which a person at the terminal wants to see the log and the club.
    static bool IsGameCommand(std::string_view line);

    TZnCliLog& Log() { return FLog; }
    const std::string& BoxText() const { return FBoxText; }

    static void PrintHelp(std::ostream& out);
    void PrintClub(std::ostream& out) const;

private:
    bool Play(std::string_view argument, std::ostream& err);
    bool Load(const std::string& path, std::ostream& err);
    bool Save(const std::string& path, std::ostream& err);
    bool Fixtures(std::string_view argument, std::ostream& out, std::ostream& err) const;
    void PrintTable(std::ostream& out) const;
    void PrintPrizes(std::ostream& out) const;
    void PrintHistory(std::ostream& out) const;
    bool Odds(std::string_view argument, std::ostream& out, std::ostream& err) const;
    bool Price(std::string_view argument, std::ostream& out, std::ostream& err) const;

    TZnGameGoalrun& Game;
    TZnCliLog FLog;
    std::string FBoxText = "0";
};
