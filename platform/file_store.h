#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace palvo {

// Whole-file access for the settings file. One implementation per operating system
// (platform/posix, platform/win32) is linked beside the core.

// The file's bytes, or nullopt when it does not exist, cannot be read, is not a regular file
// (a folder, a pipe, a device: never waited on) or holds more than `largestBytes`, which is
// checked before anything is read. Paths are UTF-8.
std::optional<std::string> ReadFileBytes(
    const std::string& path, std::uint64_t largestBytes = std::numeric_limits<std::uint64_t>::max());

// Replaces the file with `bytes` without ever leaving a half-written file: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the temporary file is renamed
// over the old one (whose permissions it takes). A symbolic link is followed: its target is
// written (created when missing), the link stays. Temporary files of this naming left beside
// the file by a process that no longer runs are removed. Returns false, with the old file
// exactly as it was, when the folder does not exist or cannot be written, the disk is full,
// or the file is read-only or not a regular file.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes);

}  // namespace palvo
