// goalrun-cli: the game without a window, for scripts, tests, balance analysis and play in a
// terminal. Commands come from standard input, one per line.

#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <new>
#include <sstream>
#include <iostream>
#include <string>
#include <unistd.h>

#include <QFile>
#include <QLocale>
#include <QString>

#include "CliDriver.h"
#include "CliInput.h"
#include "ConstsGoalrun.h"
#include "GameGoalrun.h"
#include "ZnCatalog.h"
#include "ZnFileName.h"
#include "ZnTeamNames.h"
#include "ZnUserFolders.h"

namespace {

constexpr const char* UsageLine =
    "usage: goalrun-cli [--seed N] [--names FILE] [--lang L]\n"
    "                   [--code CODE] [--difficulty easy|normal|hard]\n";

int Usage(const char* message) {
    std::cerr << "goalrun-cli: " << message << '\n' << UsageLine;
    return 2;
}

// `status` once the output is complete, or 1 with a message when any of it could not be written.
int Finish(int status) {
    if (std::cout.flush())
        return status;
    std::cerr << "goalrun-cli: cannot write the output\n";
    return 1;
}

// The languages of the catalogs present: "ja (Japanese, the default whatever the locale) or en
// (English)".
std::string LanguageList() {
    const QStringList codes = CatalogLanguages();
    std::string list;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (i > 0)
            list += i + 1 == codes.size() ? " or " : ", ";
        list += codes[i].toStdString() + " (" +
                QLocale::languageToString(QLocale(codes[i]).language()).toStdString() +
                (i == 0 ? ", the default whatever the locale)" : ")");
    }
    return list;
}

// `text` in lines of at most 78 columns, the first after `lead`, the others indented as deep.
std::string Wrapped(const std::string& lead, const std::string& text) {
    std::string out = lead;
    size_t column = lead.size();
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (column > lead.size() && column + 1 + word.size() > 78) {
            out += '\n' + std::string(lead.size(), ' ');
            column = lead.size();
        } else if (column > lead.size()) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
    }
    return out + '\n';
}

int Help() {
    std::cout << UsageLine
              << "Plays the soccer league management game without a window: reads commands from\n"
                 "standard input, one per line, starting with a new game.\n"
                 "\n"
                 "  --seed N      make the run reproducible (N from 0 to 4294967295)\n"
                 "  --names FILE  read the club names from FILE (default: TeamNameList.txt\n"
                 "                beside the program)\n"
              << Wrapped("  --lang L      ",
                         "the language of what the game says: " + LanguageList() +
                             "; every command works in each, and the record "
                             "views (report, review, records, state) are the "
                             "same in each")
              << "  --code CODE   play the challenge of CODE: eight characters of\n"
                 "                23456789ABCDEFGHJKMNPQRSTUVWXYZ (either case); every draw\n"
                 "                of the game follows from it, the same on every machine\n"
                 "  --difficulty D  easy (3億円 to start, 150万円 a win), normal (the\n"
                 "                default: 2億円, 100万円) or hard (1億円, 50万円);\n"
                 "                achievements count at normal and hard only\n"
                 "  --help        show this help and exit\n"
                 "  --version     show the version and exit\n"
                 "\n";
    TZnCliDriver::PrintHelp(std::cout, Japanese());
    std::cout << "\nachievements (the ids the achievements command prints):\n";
    // The help is English: so are the conditions, where the English catalog is present.
    const TZnWording* english = CatalogWording(QStringLiteral("en"));
    TZnCliDriver::PrintAchievementIds(std::cout, english != nullptr ? *english : Japanese());
    std::cout << "\n"
                 "Exit status: 0 when every command succeeded, 1 when any failed or the output\n"
                 "could not be written, 2 for bad options.\n";
    return Finish(0);
}

// The club names beside the executable, as the window reads them.
std::string DefaultNameFile() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : (exe.parent_path() / "TeamNameList.txt").string();
}

void ShowFresh(TZnCliDriver& driver) {
    driver.PrintMessages(std::cout, driver.Log().Fresh);
    driver.Log().Fresh.clear();
    std::cout << "----\n";
    driver.PrintClub(std::cout);
}

int Run(int argc, char** argv) {
    bool seeded = false;
    uint32_t seed = 0;
    std::string names = DefaultNameFile();
    const TZnWording* wording = &Japanese();
    TZnGameSetup setup;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help")
            return Help();
        if (option == "--version") {
            std::cout << "goalrun-cli " << ProductVersion << '\n';
            return Finish(0);
        }
        if ((option == "--seed" || option == "--names" || option == "--lang" ||
             option == "--code" || option == "--difficulty") &&
            i + 1 >= argc)
            return Usage("missing value after an option");
        if (option == "--seed") {
            const std::string value = argv[++i];
            const auto result = std::from_chars(value.data(), value.data() + value.size(), seed);
            if (value.empty() || result.ec != std::errc() ||
                result.ptr != value.data() + value.size())
                return Usage("--seed takes a whole number from 0 to 4294967295");
            seeded = true;
        } else if (option == "--code") {
            try {
                setup.Code = TZnChallengeCode::Parse(argv[++i]);
            } catch (const EZnChallengeCode& error) {
                return Usage(("--code: " + std::string(error.what())).c_str());
            }
        } else if (option == "--difficulty") {
            const auto difficulty = DifficultyOfKey(argv[++i]);
            if (!difficulty)
                return Usage("--difficulty takes easy, normal or hard");
            setup.Difficulty = *difficulty;
        } else if (option == "--names") {
            names = argv[++i];
        } else if (option == "--lang") {
            wording = CatalogWording(QString::fromLocal8Bit(argv[++i]));
            if (wording == nullptr)
                return Usage(("--lang takes one of: " +
                              CatalogLanguages().join(QLatin1Char(' ')).toStdString())
                                 .c_str());
        } else {
            return Usage("unknown option");
        }
    }

    // A code decides every draw itself: a seed beside it would be silently ignored.
    if (seeded && setup.Code)
        return Usage("--seed and --code cannot be given together");
    TZnGameGoalrun game(seeded ? KeepSeedSource() : ClockSeedSource());
    game.Random.Seed = seeded ? seed : ClockSeedSource()(0);
    if (seeded)
        game.GameIdSource = SeededGameIdSource(seed);
    if (!names.empty())
        game.TeamNames = ReadTeamNameFile(DecodeFileName(names));
    TZnCliDriver driver(game, *wording, setup);
    driver.GamesFolder = QFile::encodeName(GamesFolder()).toStdString();
    const bool person = ::isatty(STDIN_FILENO) != 0;
    driver.Log().KeepFresh = person;
    game.NewGame(setup);

    if (person) {
        std::cout << wording->ProductTitle << " — type help for the commands.\n";
        ShowFresh(driver);
    }
    bool failed = false;
    std::string line;
    std::ostringstream errorStream; // one for every line: a stream costs more to make than a line
    for (uint64_t number = 1;; ++number) {
        if (person)
            std::cout << "> " << std::flush;
        const TZnLineRead read = ReadCommandLine(stdin, line);
        if (read == TZnLineRead::End)
            break;
        if (read == TZnLineRead::Error) {
            failed = true;
            std::cerr << "goalrun-cli: line " << number << ": cannot read the input\n";
            break;
        }
        if (read == TZnLineRead::TooLong) {
            failed = true;
            std::cerr << "goalrun-cli: line " << number << ": longer than " << CommandLineLimit
                      << " bytes, not run: " << QuoteShort(line) << '\n';
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line == "quit" || line == "exit")
            break;
        errorStream.str({});
        if (!driver.Execute(line, std::cout, errorStream)) {
            failed = true;
            std::cerr << "goalrun-cli: line " << number << ": " << errorStream.str() << '\n';
        }
        if (person && TZnCliDriver::IsGameCommand(line))
            ShowFresh(driver);
        // Each answer whole before the next command is read: a script that writes a command
        // to a pipe it keeps open reads the answer, never waits on a full buffer.
        std::cout.flush();
        if (!std::cout) // the output is lost: the commands after it would be played unseen
            break;
    }
    if (person)
        std::cout << '\n';
    // Output that could not be written is a failure like any other.
    return Finish(failed ? 1 : 0);
}

} // namespace

// Any failure the commands do not report themselves, running out of memory included, ends the
// program with a message and status 1, never with an uncaught exception.
int main(int argc, char** argv) {
    // A reader that goes away (`goalrun-cli | head -1`) makes a write fail, as a full disk does,
    // and the run ends with status 1 rather than killed by the signal.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "goalrun-cli: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "goalrun-cli: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "goalrun-cli: unexpected failure\n";
    }
    return 1;
}
