#include "GameSaveFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "GameCareer.h"
#include "GameSaveData.h"
#include "GameSaveSections.h"

namespace {

// Throws `Error` for a failed system call: what was done, on which path, and errno's reason.
template <typename Error>
[[noreturn]] void ThrowSystemError(const std::string& what, const std::string& path,
                                   int error = errno) {
    throw Error(what + " " + path + ": " + std::strerror(error), FileErrorReason(error));
}

// Closes a descriptor when it leaves scope.
class TZnFd {
public:
    explicit TZnFd(int fd) : Fd(fd) {}
    ~TZnFd() {
        if (Fd >= 0)
            ::close(Fd);
    }
    TZnFd(const TZnFd&) = delete;
    TZnFd& operator=(const TZnFd&) = delete;
    // Closes now and tells whether the close succeeded.
    bool Close() { return ::close(std::exchange(Fd, -1)) == 0; }

    int Fd;
};

// A path the C library can take whole: not empty and without NUL bytes, which would cut it short.
template <typename Error> void CheckPath(const std::string& path) {
    if (path.empty())
        throw Error("the file name is empty", TZnFileErrorReason::BadName);
    if (path.find('\0') != std::string::npos)
        throw Error("the file name holds a NUL byte", TZnFileErrorReason::BadName);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The process's file mode creation mask, read before main while no other thread runs. The
// status file answers without changing anything; umask() itself must set a mask to read one.
mode_t ReadUmask() {
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr)
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask & 0777);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

const mode_t StartUmask = ReadUmask();

// What stands at the end of a chain of symbolic links.
struct TZnTarget {
    std::string Path;
    bool Exists = false;
    struct stat Info {};
};

TZnTarget ResolveTarget(const std::string& path) {
    TZnTarget target{path};
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(target.Path.c_str(), &target.Info) != 0) {
            if (errno != ENOENT)
                ThrowSystemError<EZnSaveError>("cannot reach", path);
            return target; // a new file, or the missing target of a dangling link
        }
        if (!S_ISLNK(target.Info.st_mode)) {
            target.Exists = true;
            return target;
        }
        std::string link(4096, '\0');
        const ssize_t n = ::readlink(target.Path.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<size_t>(n) >= link.size())
            ThrowSystemError<EZnSaveError>("cannot follow the link", path);
        link.resize(static_cast<size_t>(n));
        target.Path = link[0] == '/' ? link : FolderOf(target.Path) + "/" + link;
    }
    ThrowSystemError<EZnSaveError>("cannot follow the link", path, ELOOP);
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

// Temporary files are named after the process that writes them, so that one a kill left behind
// can be told from one whose save is still running.
constexpr char TempPrefix[] = ".goalrun-save-";

// A fresh name for a temporary file in `folder`.
std::string TempName(const std::string& folder) {
    static std::atomic<unsigned> counter = 0;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    char name[64];
    std::snprintf(name, sizeof name, "/%s%d-%lx-%u", TempPrefix, static_cast<int>(::getpid()),
                  static_cast<unsigned long>(now.tv_nsec), ++counter);
    return folder + name;
}

// Removes the temporary files of saves whose process has ended: a kill in the instant between
// naming the complete file and renaming it leaves one, and the next save in the folder clears it.
void RemoveLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        int pid = 0;
        if (std::strncmp(entry->d_name, TempPrefix, sizeof TempPrefix - 1) == 0 &&
            std::sscanf(entry->d_name + sizeof TempPrefix - 1, "%d-", &pid) == 1 && pid > 0 &&
            ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Gives the complete unnamed file `fd` a name in `folder`. AT_EMPTY_PATH needs a privilege that
// ordinary users lack; the descriptor's entry under /proc serves them.
std::string LinkTemporary(int fd, const std::string& folder) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TempName(folder);
        if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ||
            ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST)
            ThrowSystemError<EZnSaveError>("cannot create a file in", folder);
    }
    ThrowSystemError<EZnSaveError>("cannot create a file in", folder, EEXIST);
}

// Opens the temporary file: unnamed where the file system allows it, else a named one, whose
// name `named` receives.
int OpenTemporary(const std::string& folder, std::string& named) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = TempName(folder);
        const int created =
            ::open(named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (created >= 0 || errno != EEXIST)
            return created;
    }
    return -1;
}

void SyncFolder(const std::string& folder) {
    TZnFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Fd >= 0)
        ::fsync(fd.Fd);
}

} // namespace

size_t SaveFileMaxSize() {
    return SaveImageSize + std::max(RecordsMaxSize(), CareerTrailerSize(CareerCapacity));
}

std::vector<uint8_t> ReadRegularFile(const std::string& path, size_t limit) {
    CheckPath<EZnLoadError>(path);
    const auto notRegular = [&] {
        return EZnLoadError(path + " is not a regular file", TZnFileErrorReason::NotRegularFile);
    };
    // A device is not even opened, since opening one may act on it; the descriptor is checked
    // again for a file swapped in meanwhile.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        throw notRegular();
    // Without blocking: a FIFO or a terminal is refused below, never waited on.
    TZnFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Fd < 0)
        ThrowSystemError<EZnLoadError>("cannot open", path);
    if (::fstat(fd.Fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw notRegular();
    // Room for what the file holds now, growing while it gives more; bytes beyond the limit are
    // never read, so a huge file costs nothing.
    std::vector<uint8_t> bytes(
        std::min(limit, std::max<size_t>(SaveImageSize, static_cast<size_t>(info.st_size))));
    size_t filled = 0;
    while (filled < limit) {
        if (filled == bytes.size())
            bytes.resize(std::min(limit, bytes.size() * 2));
        const ssize_t n = ::read(fd.Fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowSystemError<EZnLoadError>("cannot read", path);
        if (n == 0)
            break;
        filled += static_cast<size_t>(n);
    }
    bytes.resize(filled);
    return bytes;
}

std::vector<uint8_t> ReadSaveFile(const std::string& path) {
    return ReadRegularFile(path, SaveFileMaxSize());
}

void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         TZnFolderSync folderSync) {
    CheckPath<EZnSaveError>(path);
    const TZnTarget target = ResolveTarget(path);
    if (target.Exists && !S_ISREG(target.Info.st_mode))
        throw EZnSaveError(path + " is not a regular file", TZnFileErrorReason::NotRegularFile);
    // A file without any write permission bit is locked for every user: access() would let
    // root through.
    if (target.Exists && (target.Info.st_mode & 0222) == 0)
        ThrowSystemError<EZnSaveError>("cannot write", path, EACCES);
    if (target.Exists && ::access(target.Path.c_str(), W_OK) != 0)
        ThrowSystemError<EZnSaveError>("cannot write", path);
    const mode_t mode = target.Exists ? target.Info.st_mode & 07777 : 0666 & ~StartUmask;

    const std::string folder = FolderOf(target.Path);
    RemoveLeftovers(folder);
    std::string temp; // empty while the file has no name
    TZnFd fd(OpenTemporary(folder, temp));
    if (fd.Fd < 0)
        ThrowSystemError<EZnSaveError>("cannot create a file in", folder);
    try {
        // The group first: changing it may clear set-id bits, which the mode then restores. A
        // group the player may not give keeps the folder's; the save goes on.
        if (target.Exists) {
            [[maybe_unused]] const int status =
                ::fchown(fd.Fd, static_cast<uid_t>(-1), target.Info.st_gid);
        }
        if (::fchmod(fd.Fd, mode) != 0 || !WriteAll(fd.Fd, bytes) || ::fsync(fd.Fd) != 0)
            ThrowSystemError<EZnSaveError>("cannot write", path);
        if (temp.empty())
            temp = LinkTemporary(fd.Fd, folder);
        if (!fd.Close())
            ThrowSystemError<EZnSaveError>("cannot write", path);
        if (::rename(temp.c_str(), target.Path.c_str()) != 0)
            ThrowSystemError<EZnSaveError>("cannot replace", path);
    } catch (const EZnSaveError&) {
        if (!temp.empty())
            ::unlink(temp.c_str());
        throw;
    }
    // The new name must survive a power loss too.
    if (folderSync == TZnFolderSync::Wait)
        SyncFolder(folder);
}
