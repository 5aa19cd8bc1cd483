#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GameLeague.h"
#include "GameIdentity.h"
#include "GameMessage.h"
#include "GameSaveFrame.h"
#include "ZnRandom.h"

class TZnMessageLog;
class TZnWriteStream;

// The game controller: the league of one running game (GameLeague.h) and its rules, the draws,
// the messages and the files. One instance lives for the whole process; the window and the CLI
// call it for every command.
class TZnGameGoalrun : public TZnLeague {
public:
    // The seed source answers every matchday's reseed; tests and `goalrun-cli --seed` pass
    // KeepSeedSource() so that a run is reproducible from Random.Seed.
    explicit TZnGameGoalrun(TZnRandom::TZnSeedSource seedSource = ClockSeedSource());
    ~TZnGameGoalrun();
    TZnGameGoalrun(const TZnGameGoalrun&) = delete;
    TZnGameGoalrun& operator=(const TZnGameGoalrun&) = delete;

    std::vector<std::string> TeamNames; // club names (UTF-8), one per line of the name file
    TZnRandom Random;
    // Gives each new game its identity; tests and `goalrun-cli --seed` set a seeded one.
    TZnGameIdSource GameIdSource = RandomGameIdSource();

    // Where messages go; not owned. Null sets a log that drops every message.
    void SetMessageLog(TZnMessageLog* log);
    TZnMessageLog& MessageLog() const { return *FMessageLog; }

    // True once a matchday has been played, money invested or a season started since the last
    // new game, successful load or successful SaveToFile: what closing or loading would lose.
    // Independent of any front end's own notion of a changed file.
    [[nodiscard]] bool UnsavedProgress() const { return FUnsavedProgress; }

    // Fresh clubs, coach and schedule, named from TeamNames, for `setup`'s code and difficulty;
    // clears the log and writes the three opening lines. With a code, every draw of the game
    // follows from the code (TZnChallengeCode's seeds) instead of the seed source.
    void NewGame(const TZnGameSetup& setup = {});
    // Plays matchday `Matchday`. Throws std::logic_error unless CanPlayMatchday().
    void PlayMatchday();
    // Starts the next season. Throws std::logic_error unless CanNextSeason().
    void NextSeason();
    // Runs the strengthening command on the text of the amount box: the amount invested, or
    // nothing when the text is refused (the log says why). Throws std::logic_error unless
    // CanInvestBuildUp().
    std::optional<int32_t> InvestBuildUp(std::string_view boxText);
    // The amount InvestBuildUp would invest for this box text: a positive whole number within the
    // coach's funds; nothing for any text it would refuse.
    std::optional<int32_t> AcceptedBuildUp(std::string_view boxText) const;

    // Appends one message to the message log.
    void AddMessage(const TZnMessage& message);

    // The 5122-byte save image of the current game, followed by its records (GameSaveSections.h):
    // the check of the image at least.
    void SaveToStream(TZnWriteStream& stream) const;
    // The 5122-byte save image alone.
    void SaveImageToStream(TZnWriteStream& stream) const;
    // Replaces the game with a save image and the records that may follow it. Reads into a
    // separate state and swaps it in only when the whole image is accepted; throws EZnLoadError
    // otherwise, leaving the game unchanged. An accepted load clears the log; records that cannot
    // be read are left out, and one log line names the kinds lost. A file whose image disagrees
    // with the check it carries loads without any of its records, and the log says so; with
    // `imageCheck` Required it is refused instead (EZnLoadError, Damaged), as an autosave is.
    enum class TZnImageCheck { Lenient, Required };
    void LoadFromStream(std::span<const uint8_t> data,
                        TZnImageCheck imageCheck = TZnImageCheck::Lenient);
    // Writes the save image with WriteFileAtomically: an existing file is replaced whole or not at
    // all, never damaged. Throws EZnSaveError; a successful save ends UnsavedProgress.
    void SaveToFile(const std::string& path);
    // Throws EZnLoadError when the file cannot be read or is refused.
    void LoadFromFile(const std::string& path, TZnImageCheck imageCheck = TZnImageCheck::Lenient);

private:
    // Notes a change of the game since the last load or save.
    void MarkProgress();
    void ReportMyResult();
    void SeasonEnd();
    void RecordMatchday(TZnPlayerMatchRecord kickOff);
    bool CanAfford(int32_t amount) const { return int64_t{Coach().Money} - amount >= 0; }

    TZnRandom::TZnSeedSource SeedSource;
    TZnMessageLog* FMessageLog;
    // The message of the player's result, which names the opponent: one object whose name keeps
    // its storage, so that a matchday allocates nothing however long the clubs' names are.
    TZnMessage FResultMessage;
    bool FUnsavedProgress = false;
    // The sections of the loaded file this release does not read, written back on saving.
    std::vector<TZnSection> FForeignSections;
};

// Plays one fixture: six rounds of a home and an away attack, each a chance draw and, on success,
// a goal draw. Adds goals to the fixture and changes nothing else. Returns the rounds packed as
// FixtureRounds describes, the recorded bit set.
uint32_t SimulateMatch(TZnMatch& match, const TZnClub& home, const TZnClub& away,
                       TZnRandom& random);

// The amount typed in the strengthening box: white space (ASCII and U+3000) around it ignored,
// an optional sign, decimal digits; full-width digits and signs count as ASCII ones. Text that
// is not such a number, or does not fit 32 bits, gives 0.
int32_t ParseBuildUpAmount(std::string_view text);
