#include "GameAutosave.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "GameSaveFile.h"

namespace {

[[noreturn]] void ThrowSaveError(const std::string& what, const std::string& path,
                                 int error = errno) {
    throw EZnSaveError(what + " " + path + ": " + std::strerror(error), FileErrorReason(error));
}

// Whether anything, even a dangling link, stands at `path`; an entry that cannot be looked at
// counts as there, so that the rename that would replace it reports why.
bool Taken(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

// Makes `folder` with `mode` when it is missing, and its missing parents with the umask's mode.
void MakeFolder(const std::string& folder, mode_t mode) {
    if (::mkdir(folder.c_str(), mode) == 0 || errno == EEXIST)
        return;
    const auto slash = folder.find_last_of('/');
    if (errno != ENOENT || slash == std::string::npos || slash == 0)
        ThrowSaveError("cannot make the folder", folder);
    MakeFolder(folder.substr(0, slash), 0777);
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST)
        ThrowSaveError("cannot make the folder", folder);
}

// Whether a regular file, not a link to one, stands at `path`.
bool RegularFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

TZnAutosaveFolder::TZnAutosaveFolder(std::string folder) : FFolder(std::move(folder)) {
    while (FFolder.size() > 1 && FFolder.back() == '/')
        FFolder.pop_back();
}

std::string TZnAutosaveFolder::Path(int n) const {
    return FFolder + "/autosave" + std::to_string(n) + ".sav";
}

std::string TZnAutosaveFolder::StagedPath() const {
    return FFolder + "/autosave-new.sav";
}

void TZnAutosaveFolder::Prepare() const {
    if (FFolder.empty() || FFolder.find('\0') != std::string::npos)
        throw EZnSaveError("no folder for the autosaves", TZnFileErrorReason::BadName);
    MakeFolder(FFolder, 0700);
    struct stat info {};
    if (::stat(FFolder.c_str(), &info) != 0)
        ThrowSaveError("cannot reach", FFolder);
    if (!S_ISDIR(info.st_mode))
        throw EZnSaveError(FFolder + " is not a folder", TZnFileErrorReason::NotFolder);
    if (info.st_uid != ::geteuid())
        ThrowSaveError("the folder belongs to another user:", FFolder, EPERM);
    // Checked on the mode itself: root would pass access() whatever the bits say.
    if ((info.st_mode & S_IRWXU) != S_IRWXU)
        ThrowSaveError("cannot write", FFolder, EACCES);
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        ::chmod(FFolder.c_str(), S_IRWXU); // the player's games are nobody else's business
}

std::vector<std::string> TZnAutosaveFolder::Existing() const {
    std::vector<std::string> paths;
    if (RegularFile(StagedPath()))
        paths.push_back(StagedPath());
    for (int n = 1; n <= Count; ++n)
        if (Taken(Path(n)))
            paths.push_back(Path(n));
    return paths;
}

void TZnAutosaveFolder::Rotate() const {
    // The first free place takes the one above it, and so on up; with none free the oldest goes.
    int free = Count;
    for (int n = 1; n < Count; ++n)
        if (!Taken(Path(n))) {
            free = n;
            break;
        }
    // Each rename leaves the names in the order of age, so a kill between two loses nothing.
    for (int n = free - 1; n >= 1; --n)
        if (::rename(Path(n).c_str(), Path(n + 1).c_str()) != 0)
            ThrowSaveError("cannot move", Path(n));
    if (::rename(StagedPath().c_str(), Path(1).c_str()) != 0)
        ThrowSaveError("cannot move", StagedPath());
}

void TZnAutosaveFolder::Write(std::span<const uint8_t> bytes) const {
    Prepare();
    // Only a rotation cut short leaves a staged file: it is newer than autosave 1. Anything else
    // in its place (a FIFO, a link, a folder) was never written by a rotation: it goes, unopened,
    // and costs no autosave.
    if (RegularFile(StagedPath()))
        Rotate();
    else if (Taken(StagedPath()) && ::unlink(StagedPath().c_str()) != 0 &&
             ::rmdir(StagedPath().c_str()) != 0)
        ThrowSaveError("cannot remove", StagedPath());
    WriteFileAtomically(StagedPath(), bytes, TZnFolderSync::Later);
    Rotate();
}
