#pragma once

// The errors every reader and writer of the game's files throws: the save file and the checks of
// its image, the autosaves, the list of games, the file of achievements.

#include <stdexcept>
#include <string>

// Why a file could not be loaded or saved, for a front end that words it for the player.
enum class TZnFileErrorReason {
    BadName,        // empty, or holding a NUL byte
    NotFound,       // the file, or a folder on its path, does not exist
    NoPermission,   // the user may not read or write it
    ReadOnly,       // it lies on a read-only file system
    NoSpace,        // the disk or the user's quota is full
    NotRegularFile, // a folder, FIFO, device or socket
    NotFolder,      // a file, FIFO, device or socket where a folder should be
    NotSaveFile,    // the header is not this game's
    TooShort,       // shorter than the save image
    Damaged,        // a value or a state the game could not have produced
    SystemError,    // any other failure of the system
};

// The reason an errno value stands for.
TZnFileErrorReason FileErrorReason(int error);

// A file that could not be loaded or saved; what() says why in English (for logs and the CLI),
// Reason() in a form a front end can word itself.
class EZnFileError : public std::runtime_error {
public:
    EZnFileError(const std::string& what, TZnFileErrorReason reason)
        : std::runtime_error(what), FReason(reason) {}
    [[nodiscard]] TZnFileErrorReason Reason() const { return FReason; }

private:
    TZnFileErrorReason FReason;
};

// A save file that cannot be read or that the loader refuses; a refusal of its contents is
// Damaged unless the thrower says otherwise.
class EZnLoadError : public EZnFileError {
public:
    explicit EZnLoadError(const std::string& what,
                          TZnFileErrorReason reason = TZnFileErrorReason::Damaged)
        : EZnFileError(what, reason) {}
};

// A save file that could not be written.
class EZnSaveError : public EZnFileError {
public:
    EZnSaveError(const std::string& what, TZnFileErrorReason reason) : EZnFileError(what, reason) {}
};
