#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "GameGoalrun.h"
#include "ZnMessageLog.h"
#include "ZnWording.h"

// The log of the CLI: every message of the current log, plus, while KeepFresh is set (a person
// at the terminal), the messages written since that person was last shown them. A script never
// sees the fresh ones, so they are not kept for it: its memory stays flat over any number of
// seasons. Messages are worded only when printed.
class TZnCliLog : public TZnMessageList {
public:
    void Add(const TZnMessage& message) override {
        TZnMessageList::Add(message);
        if (KeepFresh)
            Fresh.push_back(message);
    }

    bool KeepFresh = false;
    std::vector<TZnMessage> Fresh;
};

// Runs the commands of goalrun-cli on one game, the way the window runs its commands: each game
// command only while the enabling rule allows it. Everything it prints for the player is in the
// language of `wording`; the record views (report, review, records, state, history's numbers)
// are the same in every language.
class TZnCliDriver {
public:
    // `setup` is what `new` starts a game with.
    explicit TZnCliDriver(TZnGameGoalrun& game, const TZnWording& wording = Japanese(),
                          const TZnGameSetup& setup = {});

    // Runs one command line. Printing commands write to `out`; a failure is described on `err`
    // (without the line number, which the caller adds) and returns false. A game command that
    // cannot run now (play after matchday 30, next before it, any after the title), an amount
    // invest refuses and an argument given to a command that takes none are failures.
    bool Execute(std::string_view line, std::ostream& out, std::ostream& err);

    // True for commands after which a person at the terminal wants to see the log and the club.
    static bool IsGameCommand(std::string_view line);

    // Where `games` looks for the player's kept games (GameLibrary.h); empty: none.
    std::string GamesFolder;

    TZnCliLog& Log() { return FLog; }
    const TZnWording& Wording() const { return FWording; }
    const std::string& BoxText() const { return FBoxText; }

    // The command list, one line a command, with the amounts in `wording`'s unit.
    static void PrintHelp(std::ostream& out, const TZnWording& wording);
    // The achievements' ids and conditions, one line each, in the listed order.
    static void PrintAchievementIds(std::ostream& out, const TZnWording& wording);
    void PrintClub(std::ostream& out) const;
    // Prints each message, one line each.
    void PrintMessages(std::ostream& out, const std::vector<TZnMessage>& messages) const;

private:
    bool Play(std::string_view argument, std::ostream& err);
    bool Invest(std::string_view argument, std::ostream& err);
    // Says on `err` why the game command `command` cannot run now; returns false.
    bool CannotRun(std::string_view command, std::ostream& err) const;
    bool Load(const std::string& path, std::ostream& err);
    bool Save(const std::string& path, std::ostream& err);
    bool Fixtures(std::string_view argument, std::ostream& out, std::ostream& err) const;
    void PrintTable(std::ostream& out) const;
    void PrintPrizes(std::ostream& out) const;
    void PrintHistory(std::ostream& out) const;
    bool Odds(std::string_view argument, std::ostream& out, std::ostream& err) const;
    bool Price(std::string_view argument, std::ostream& out, std::ostream& err) const;
    void PrintAchievements(std::ostream& out) const;

    TZnGameGoalrun& Game;
    const TZnWording& FWording;
    TZnCliLog FLog;
    std::string FBoxText = "0";
    TZnGameSetup FSetup;
};
