#pragma once

// The save file on disk: reading a bounded number of bytes from a regular file, and replacing a
// file whole or not at all. The image these files carry is GameSaveData.h's, the records after
// it GameSaveSections.h's. Everything here throws the errors of GameFileError.h.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "GameFileError.h"

// The image and the largest records that may follow it (GameSaveSections.h, GameCareer.h).
size_t SaveFileMaxSize();

// Reads the first `limit` bytes of a regular file (fewer when it is shorter). The file is opened
// without blocking and checked on the open descriptor, so a FIFO, device, socket or folder is
// refused at once. Throws EZnLoadError when it cannot be opened or read (a missing file:
// NotFound), is not a regular file (NotRegularFile), or the path is empty or holds a NUL byte.
std::vector<uint8_t> ReadRegularFile(const std::string& path, size_t limit);
// ReadRegularFile of the first SaveFileMaxSize() bytes.
std::vector<uint8_t> ReadSaveFile(const std::string& path);

// Whether WriteFileAtomically waits for the folder to reach the disk after its rename.
enum class TZnFolderSync { Wait, Later };

// Replaces the file at `path` with `bytes`, whole or not at all:
// - a symbolic link is followed to the file it names (a dangling one creates it); the link stays;
// - a target that is not a regular file, or an existing file without any write permission bit
//   (for root too) or that access(W_OK) refuses, is refused before anything is written, and
//   nothing at the path changes;
// - an existing file keeps its permission bits and, where the user may set it, its group; a new
//   file gets 0666 less the umask the process started with;
// - the bytes go to an unnamed temporary file (O_TMPFILE) in the target's folder, or a named one
//   where the file system has none, which is flushed, named and renamed over the target, and the
//   folder is flushed after the rename. A kill at any moment leaves the old or the new file. Only
//   a kill between naming and renaming (or, without O_TMPFILE, during the write) leaves a
//   temporary file; its name carries the writer's process id, and the next save in the folder
//   removes those of processes that have ended.
// With TZnFolderSync::Later the folder is not flushed: a power loss soon after may keep the old
// file, never a damaged one (the autosaves, written often, take that for speed).
// Throws EZnSaveError naming the path, after removing any temporary file.
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         TZnFolderSync folderSync = TZnFolderSync::Wait);
