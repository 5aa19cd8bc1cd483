#pragma once

// A lock only one process holds at a time: a regular file held with flock(2) for as long as this
// object lives. The kernel lets go of it when the holder ends in any way, so a lock file left by
// a copy that crashed or was killed is free again at once, whatever number it names and whoever
// owns that number now. Nothing here ever blocks: the path is looked at before it is opened and
// opened without waiting.

#include <functional>

#include <QString>

class TZnLockFile {
public:
    enum class TResult {
        Taken,   // this object holds the lock
        Held,    // a living process holds it
        Blocked, // something at the path keeps it from being used; see ErrorString
    };

    // `path` must lie in a folder of this user's that nobody else may write: whatever stands at
    // the path and is no lock file (a FIFO, a symbolic link, an empty folder) is removed there.
    explicit TZnLockFile(QString path) : Path(std::move(path)) {}
    // Removes the file when it is still the one held.
    ~TZnLockFile();
    TZnLockFile(const TZnLockFile&) = delete;
    TZnLockFile& operator=(const TZnLockFile&) = delete;

    // Tries once, without waiting. On success the file holds this process's number, the program's
    // name and the host's name, one a line.
    [[nodiscard]] TResult TryLock();
    // One line, naming the path and what is in the way, in the language of the moment.
    [[nodiscard]] QString ErrorString() const { return Error ? Error() : QString(); }
    // What words ErrorString, for a text that must follow a later change of language.
    [[nodiscard]] const std::function<QString()>& ErrorWords() const { return Error; }

private:
    [[nodiscard]] bool ClearPath(const QByteArray& name);
    // Sets ErrorString, with the reason `reason` words.
    TResult Blocked(std::function<QString()> reason);

    QString Path;
    std::function<QString()> Error;
    int Fd = -1;
};
