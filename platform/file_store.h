#pragma once

#include <optional>
#include <string>

namespace palvo {

// Whole-file access for the settings file. One implementation per operating system
// (platform/posix, platform/win32) is linked beside the core.

// The file's bytes, or nullopt when it does not exist or cannot be read. Paths are UTF-8.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file with `bytes` without ever leaving a half-written file: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the temporary file is renamed
// over the old one (whose permissions it takes). Returns false, with the old file exactly as
// it was, when the folder does not exist or cannot be written, or the disk is full.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes);

}  // namespace palvo
