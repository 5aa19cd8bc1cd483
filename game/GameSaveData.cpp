#include "GameSaveData.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ZnClubList.h"
#include "ZnMatchListList.h"
#include "ZnMatchesConsts.h"

const std::array<uint8_t, SaveHeaderSize>& SaveHeader() {
    static const std::array<uint8_t, SaveHeaderSize> header = [] {
        std::array<uint8_t, SaveHeaderSize> h{};
        const char maker[] = "Vomera";
        std::memcpy(h.data(), maker, 6);
        // "ゴールラン" in code page 932.
        const uint8_t title[] = {0x83, 0x53, 0x81, 0x5B, 0x83, 0x8B, 0x83, 0x89, 0x83, 0x93};
        std::memcpy(h.data() + 20, title, sizeof title);
        // The format's version, not the program's: files of every release carry "1.00".
        const char version[] = "1.00";
        std::memcpy(h.data() + 120, version, 4);
        return h;
    }();
    return header;
}

namespace {

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

// True when the sixteen values taken by `field` are 0..15, each once.
template <typename Field> bool IsPermutation(const TZnClubList& clubs, Field field) {
    uint32_t seen = 0;
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const int32_t value = field(clubs.Items(p));
        if (!InRange(value, 0, ClubCount - 1) || (seen & (1u << value)) != 0)
            return false;
        seen |= 1u << value;
    }
    return clubs.Count() == ClubCount;
}

} // namespace

void ValidateSaveState(const TZnClubList& clubs, const TZnMatchListList& schedule, int32_t myClubId,
                       int32_t season, int32_t matchday) {
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.ClubId; }))
        throw EZnLoadError("club ids are not a permutation of 0..15");
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.NameIndex; }))
        throw EZnLoadError("name indexes are not a permutation of 0..15");
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.Rank; }))
        throw EZnLoadError("ranks are not a permutation of 0..15");
    if (!IsPermutation(clubs, [](const TZnClub& c) { return c.PrevRank; }))
        throw EZnLoadError("previous ranks are not a permutation of 0..15");
    if (!InRange(myClubId, 0, ClubCount - 1))
        throw EZnLoadError("the player's club id is outside 0..15");
    for (int32_t p = 0; p < clubs.Count(); ++p) {
        const TZnClub& club = clubs.Items(p);
        if (club.BuildUp < 0 || (club.BuildUp != 0 && club.ClubId != myClubId))
            throw EZnLoadError("strengthening money on a club other than the player's");
    }
    for (int32_t d = 0; d < schedule.Count(); ++d) {
        const TZnMatchList& day = schedule.Matchdays(d);
        uint32_t seen = 0;
        for (int32_t m = 0; m < day.Count(); ++m) {
            const TZnMatch& match = day.Matches(m);
            if (!InRange(match.HomeId, 0, ClubCount - 1) ||
                !InRange(match.AwayId, 0, ClubCount - 1))
                throw EZnLoadError("a fixture id is outside 0..15");
            if (!InRange(match.HomeGoals, 0, 6) || !InRange(match.AwayGoals, 0, 6))
                throw EZnLoadError("a goal count is outside 0..6");
            seen |= (1u << match.HomeId) | (1u << match.AwayId);
        }
        if (seen != 0xFFFFu)
            throw EZnLoadError("a matchday does not hold every club once");
    }
    if (!InRange(matchday, 0, MatchdayCount))
        throw EZnLoadError("the matchday is outside 0..30");
    if (season < 0)
        throw EZnLoadError("the season is negative");
}

std::vector<uint8_t> ReadSaveFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EZnLoadError("cannot open " + path + ": " + std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw EZnLoadError(path + " is not a file");
    }
    // Bytes beyond the image and the largest career are never read, so a huge file costs nothing.
    std::vector<uint8_t> bytes(std::min(
        SaveFileMaxSize, std::max<size_t>(SaveImageSize, static_cast<size_t>(info.st_size))));
    size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const std::string error = std::strerror(errno);
            ::close(fd);
            throw EZnLoadError("cannot read " + path + ": " + error);
        }
        if (n == 0)
            break;
        filled += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    const std::string folder = FolderOf(path);
    std::string temp = folder + "/.goalrun-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw EZnSaveError(SystemError("cannot create a file in", folder));
    // mkstemp creates the file for the owner only; give it the usual mode of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = ::fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const std::string error = written ? std::string() : SystemError("cannot write", path);
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        throw EZnSaveError(error.empty() ? SystemError("cannot write", path) : error);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string renameError = SystemError("cannot replace", path);
        ::unlink(temp.c_str());
        throw EZnSaveError(renameError);
    }
}
