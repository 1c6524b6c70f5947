#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/paths.h"

namespace palvo {

// Small files that must survive a crash or a power cut the moment a write returns: the game
// journal and the record of past games. One implementation per operating system
// (platform/posix, platform/win32/os) is linked beside the core.

// A file open for appending; every Append is on the disk (fsync, FlushFileBuffers) before it
// returns. Only regular files are opened, never through a symbolic link (or another reparse point
// on Windows): a link put in the file's place could point anywhere on the system.
// Who may read a file the program creates: anyone the folder lets in, or only its owner (a
// secret). An existing file keeps its permissions.
enum class FileReaders { Shared, OwnerOnly };

class DurableAppendFile {
public:
    DurableAppendFile() = default;
    ~DurableAppendFile() { Close(); }
    DurableAppendFile(DurableAppendFile&& other) noexcept
        : handle_(std::exchange(other.handle_, kClosed)), sizeAtOpen_(other.sizeAtOpen_)
    {
    }
    DurableAppendFile& operator=(DurableAppendFile&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, kClosed);
            sizeAtOpen_ = other.sizeAtOpen_;
        }
        return *this;
    }
    DurableAppendFile(const DurableAppendFile&) = delete;
    DurableAppendFile& operator=(const DurableAppendFile&) = delete;

    // Opens `path` for appending, creating it when missing (and then making its name durable
    // too); a closed file when it cannot be opened or is not a regular file. On Windows a new file
    // takes the folder's permissions whatever `readers` says.
    [[nodiscard]] static DurableAppendFile Open(const std::filesystem::path& path,
                                                FileReaders readers = FileReaders::Shared);

    bool IsOpen() const { return handle_ != kClosed; }
    // The file's size when it was opened: 0 for a new file.
    std::uint64_t SizeAtOpen() const { return sizeAtOpen_; }

    // Appends `bytes` with one write and flushes them to the disk; false when either failed.
    [[nodiscard]] bool Append(std::string_view bytes);

    void Close();

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;  // a descriptor, or a HANDLE on Windows
    std::uint64_t sizeAtOpen_ = 0;
};

// The first bytes of a regular file (not through a link), at most `limit` of them; `whole` is
// false when the file holds more. nullopt when the file does not exist or cannot be read.
struct FileHead {
    std::string bytes;
    bool whole = true;
};
[[nodiscard]] std::optional<FileHead> ReadFileHead(const std::filesystem::path& path, std::size_t limit);

// The last bytes of a regular file (not through a link), at most `limit` of them; nullopt when it
// cannot be read.
[[nodiscard]] std::optional<std::string> ReadFileTail(const std::filesystem::path& path, std::size_t limit);

// Cuts a regular file (not through a link) back to its first `size` bytes and flushes it to the
// disk; false when it is shorter, not a regular file or cannot be written.
[[nodiscard]] bool CutFile(const std::filesystem::path& path, std::uint64_t size);

// Removes a file or a link (never a folder) and makes the removal durable; false when it could
// not (a missing file counts as removed).
[[nodiscard]] bool RemoveFile(const std::filesystem::path& path);

enum class RenameOutcome {
    Renamed,
    NameTaken,  // `to` exists and was left as it was
    Failed,
};
// Gives `from` the name `to` unless `to` exists: an existing file is never replaced. The new name
// is made durable.
[[nodiscard]] RenameOutcome RenameWithoutReplacing(const std::filesystem::path& from,
                                                   const std::filesystem::path& to);

}  // namespace palvo
