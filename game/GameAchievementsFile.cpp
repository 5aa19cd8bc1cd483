#include "GameAchievementsFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>
#include <thread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GameSaveFile.h"

namespace {

bool HasId(std::span<const TZnEarnedAchievement> earned, TZnAchievementId id) {
    return std::any_of(earned.begin(), earned.end(),
                       [&](const TZnEarnedAchievement& e) { return e.Id == id; });
}

bool IsDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// One line read back, or nothing for a line that is not one the file is written with.
std::optional<TZnEarnedAchievement> ParseLine(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    if (fields.size() != 5)
        return std::nullopt;
    TZnEarnedAchievement e;
    const auto id = AchievementOfKey(fields[0]);
    const auto difficulty = DifficultyOfKey(fields[3]);
    int64_t season = 0;
    const auto [end, error] =
        std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), season);
    if (!id || !difficulty || !AchievementsCount(*difficulty) || !IsDate(fields[1]) ||
        error != std::errc() || end != fields[2].data() + fields[2].size() || season < 1 ||
        season > int64_t{INT32_MAX} + 1)
        return std::nullopt;
    e.Id = *id;
    e.Date = fields[1];
    e.Season = static_cast<int32_t>(season - 1);
    e.Difficulty = *difficulty;
    if (fields[4] != "-") {
        try {
            e.Code = TZnChallengeCode::Parse(fields[4]);
        } catch (const EZnChallengeCode&) {
            return std::nullopt;
        }
    }
    return e;
}

// An exclusive flock on the file beside the achievements that every writer takes, held while it
// lives. The lock file is never removed: a copy waiting on it would lock a name nobody else uses.
class TZnAchievementsLock {
public:
    TZnAchievementsLock(const std::string& path, std::chrono::milliseconds wait) {
        const std::string lockPath = path + ".lock";
        const auto fail = [&](int error) -> EZnSaveError {
            return EZnSaveError("cannot lock " + lockPath + ": " + std::strerror(error),
                                FileErrorReason(error));
        };
        // Without following a link or waiting on a FIFO; the descriptor tells what it is.
        Fd = ::open(lockPath.c_str(),
                    O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
        if (Fd < 0)
            throw fail(errno);
        struct stat info {};
        if (::fstat(Fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(Fd);
            throw EZnSaveError(lockPath + " is not a regular file",
                               TZnFileErrorReason::NotRegularFile);
        }
        // Tries until the deadline: a blocking flock could wait on a stopped copy for ever.
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
                ::close(Fd);
                throw fail(error);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~TZnAchievementsLock() { ::close(Fd); }
    TZnAchievementsLock(const TZnAchievementsLock&) = delete;
    TZnAchievementsLock& operator=(const TZnAchievementsLock&) = delete;

private:
    int Fd = -1;
};

} // namespace

std::vector<TZnEarnedAchievement> ParseAchievements(std::span<const uint8_t> bytes, bool& damaged) {
    std::vector<TZnEarnedAchievement> earned;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // A line without its end is a cut one.
    damaged = !text.empty() && text.back() != '\n';
    for (size_t start = 0, end = 0; (end = text.find('\n', start)) != std::string_view::npos;) {
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const auto e = ParseLine(line);
        if (e && !HasId(earned, e->Id))
            earned.push_back(*e);
        else
            damaged = true;
        start = end + 1;
    }
    return earned;
}

std::vector<uint8_t> AchievementsBytes(std::span<const TZnEarnedAchievement> earned) {
    std::string text;
    for (const TZnEarnedAchievement& e : earned) {
        text += AchievementKey(e.Id);
        text += '\t' + e.Date + '\t' + std::to_string(int64_t{e.Season} + 1) + '\t';
        text += DifficultyKey(e.Difficulty);
        text += '\t' + (e.Code ? e.Code->Text() : std::string("-")) + '\n';
    }
    return {text.begin(), text.end()};
}

TZnAchievementsFile ReadAchievementsFile(const std::string& path) {
    TZnAchievementsFile file;
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadRegularFile(path, AchievementsFileMaxSize + 1);
    } catch (const EZnLoadError& error) {
        file.Reason = error.Reason();
        file.State = error.Reason() == TZnFileErrorReason::NotFound
                         ? TZnAchievementsFileState::Missing
                         : TZnAchievementsFileState::Refused;
        return file;
    }
    // A file beyond the bound is not one the game wrote: its lines within the bound are kept, the
    // one the bound cuts is lost with the rest.
    const bool tooLarge = bytes.size() > AchievementsFileMaxSize;
    if (tooLarge)
        bytes.resize(AchievementsFileMaxSize);
    bool damaged = false;
    file.Earned = ParseAchievements(bytes, damaged);
    file.State =
        damaged || tooLarge ? TZnAchievementsFileState::Damaged : TZnAchievementsFileState::Read;
    return file;
}

namespace {

// The file read for adding to it. What cannot be read is not replaced: it may hold more than
// this game knows.
TZnAchievementsFile ReadToAdd(const std::string& path) {
    TZnAchievementsFile file = ReadAchievementsFile(path);
    if (file.State == TZnAchievementsFileState::Refused)
        throw EZnSaveError(path + " cannot be read back", file.Reason);
    return file;
}

// Those of `earned` that count and `file` does not hold yet, each id once.
std::vector<TZnEarnedAchievement> NewIn(const TZnAchievementsFile& file,
                                        std::span<const TZnEarnedAchievement> earned) {
    std::vector<TZnEarnedAchievement> added;
    for (const TZnEarnedAchievement& e : earned)
        if (!HasId(file.Earned, e.Id) && !HasId(added, e.Id) && AchievementsCount(e.Difficulty))
            added.push_back(e);
    return added;
}

} // namespace

std::vector<TZnEarnedAchievement> RecordAchievements(const std::string& path,
                                                     std::span<const TZnEarnedAchievement> earned,
                                                     std::chrono::milliseconds lockWait) {
    // A first look without the lock finds a refused file, and one that holds them all already,
    // before a lock file is made beside whatever the path names.
    if (NewIn(ReadToAdd(path), earned).empty())
        return {};
    // What another copy wrote since is read again under the lock, and kept.
    const TZnAchievementsLock lock(path, lockWait);
    TZnAchievementsFile file = ReadToAdd(path);
    std::vector<TZnEarnedAchievement> added = NewIn(file, earned);
    if (!added.empty()) {
        file.Earned.insert(file.Earned.end(), added.begin(), added.end());
        WriteFileAtomically(path, AchievementsBytes(file.Earned));
    }
    return added;
}
