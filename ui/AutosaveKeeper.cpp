#include "AutosaveKeeper.h"

#include <cerrno>
#include <sys/stat.h>

#include "ZnFileName.h"
#include "ZnLockFile.h"

TAutosaveKeeper::TAutosaveKeeper(const QString& games)
    : Games(EncodeFileName(games).toStdString()), Folder(std::string()) {}

void TAutosaveKeeper::Follow(const TZnGameId& id) {
    if (FollowedId == id)
        return;
    FollowedId = id;
    Folder = TZnAutosaveFolder(Games.FolderOf(id));
    Lock.reset();
    Elsewhere = false;
    Failing = false;
    KeptImage.clear();
}

TAutosaveKeeper::~TAutosaveKeeper() = default;

TAutosaveKeeper::TState TAutosaveKeeper::State() const {
    if (Elsewhere)
        return TState::Elsewhere;
    if (Failing)
        return TState::Failed;
    return Lock ? TState::Kept : TState::Unclaimed;
}

void TAutosaveKeeper::Fail(TZnFileErrorReason reason, const QString& text) {
    Failing = true;
    FailureReason = reason;
    FailureText = text;
}

TAutosaveKeeper::TState TAutosaveKeeper::Claim(bool make) {
    // Once held, the folder is checked again by every write.
    if (Elsewhere || Lock || !FollowedId)
        return State();
    try {
        // lstat: a link in a folder's place is there, and Prepare says what it leads to.
        const auto missing = [](const std::string& path) {
            struct stat info {};
            return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
        };
        // The folder of every game is held to the same rules as each game's own.
        if (make || !missing(Games.Root()))
            TZnAutosaveFolder(Games.Root()).Prepare();
        if (!make && missing(Folder.Folder()))
            return State();
        Folder.Prepare();
    } catch (const EZnFileError& error) {
        Fail(error.Reason(), QString::fromLocal8Bit(error.what()));
        return TState::Failed;
    }
    auto lock = std::make_unique<TZnLockFile>(
        DecodeFileName(QByteArray::fromStdString(Folder.Folder() + "/.lock")));
    switch (lock->TryLock()) {
    case TZnLockFile::TResult::Taken:
        break;
    case TZnLockFile::TResult::Held:
        Elsewhere = true;
        return TState::Elsewhere;
    case TZnLockFile::TResult::Blocked:
        Fail(TZnFileErrorReason::SystemError, lock->ErrorString());
        return TState::Failed;
    }
    Lock = std::move(lock);
    Failing = false;
    return TState::Kept;
}

QString TAutosaveKeeper::Path(int n) const {
    return DecodeFileName(QByteArray::fromStdString(Folder.Path(n)));
}

std::vector<std::string> TAutosaveKeeper::Existing() const {
    return Lock ? Folder.Existing() : std::vector<std::string>{};
}

bool TAutosaveKeeper::Keep(std::vector<uint8_t> image) {
    if (!Lock && Claim(true) != TState::Kept)
        return false;
    if (image != KeptImage) {
        try {
            Folder.Write(image);
        } catch (const EZnFileError& error) {
            Fail(error.Reason(), QString::fromLocal8Bit(error.what()));
            return false;
        }
        KeptImage = std::move(image);
    }
    Failing = false;
    return true;
}
