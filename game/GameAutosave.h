#pragma once

// The rotating autosaves of one folder: "autosave1.sav" is the newest, "autosave2.sav" and
// "autosave3.sav" the two before it. A new autosave is first written whole beside them, as
// "autosave-new.sav", by the save files' writer (WriteFileAtomically); only then do the older
// ones move down by renaming, so a failed write leaves every older autosave as it was, and a kill
// at any moment leaves each file whole and the order of the names the order of their age.
// Each file reaches the disk before its name does; the folder is not flushed after the renames
// (which would cost more than the rest of the write), so a power loss within the file system's
// commit interval may keep the names of a moment before: the autosave before, never a damaged one.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TZnAutosaveFolder {
public:
    static constexpr int Count = 3;

    // `folder`: the folder's path, with or without a trailing '/'.
    explicit TZnAutosaveFolder(std::string folder);

    [[nodiscard]] const std::string& Folder() const { return FFolder; }
    // Autosave `n`, 1 (the newest) to Count.
    [[nodiscard]] std::string Path(int n) const;
    // The new autosave before its rotation; it stands here only when a kill cut the rotation
    // short, and is then the newest of all.
    [[nodiscard]] std::string StagedPath() const;

    // Makes the folder (mode 0700, its missing parents as the umask gives) and checks it: after
    // following links it must be a folder of this user's with read, write and search permission
    // for its owner, so a folder of mode 0000 is refused for root too. One that others may enter
    // is closed to them. Throws EZnSaveError naming the folder and the reason; nothing outside
    // the folder is touched, and a link, a FIFO or a device in its place is never opened.
    void Prepare() const;
    // The autosaves that exist, newest first: the staged one (only a regular file), then 1 to
    // Count.
    [[nodiscard]] std::vector<std::string> Existing() const;
    // Prepares the folder and keeps `bytes` as autosave 1, moving the older ones down and
    // dropping the oldest when all are taken. A staged autosave left by a kill is moved in first;
    // anything but a regular file in its place is removed unopened.
    // Throws EZnSaveError; after a failed write every autosave is as it was.
    void Write(std::span<const uint8_t> bytes) const;

private:
    // Moves the staged autosave to 1, the others down into the first free place.
    void Rotate() const;

    std::string FFolder; // without a trailing '/'
};
