#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/durable_file.h"
#include "platform/posix/write_all.h"

namespace palvo {
namespace {

// Opens read-only without blocking on a pipe; -1 unless `path` is a regular file.
int OpenRegularForReading(const std::filesystem::path& path, struct stat& status)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (descriptor < 0) return -1;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

// Reads up to `count` bytes at `offset`; nullopt on a read error.
std::optional<std::string> ReadAt(int descriptor, off_t offset, std::size_t count)
{
    std::string bytes(count, '\0');
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t result =
            ::pread(descriptor, bytes.data() + filled, count - filled, offset + static_cast<off_t>(filled));
        if (result < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (result == 0) break;
        filled += static_cast<std::size_t>(result);
    }
    bytes.resize(filled);
    return bytes;
}

// Makes a change of the folder's entries (a new, removed or renamed name) survive a power cut.
void SyncFolderOf(const std::filesystem::path& path)
{
    const int folder = ::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace

DurableAppendFile DurableAppendFile::Open(const std::filesystem::path& path, FileReaders readers)
{
    DurableAppendFile file;
    bool created = true;
    // O_NONBLOCK: a pipe put in the file's place must not hang the program; it is refused below.
    // O_NOFOLLOW: a link in the file's place is refused, not written through.
    int descriptor = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC | O_NONBLOCK,
                            readers == FileReaders::OwnerOnly ? 0600 : 0666);
    if (descriptor < 0 && errno == EEXIST) {
        created = false;
        descriptor = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    }
    if (descriptor < 0) return file;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return file;
    }
    if (created) {
        // The new name must survive a power cut as well as the lines written into the file (a
        // folder that cannot be synced, on some network file systems, is no reason to refuse).
        SyncFolderOf(path);
    }
    file.handle_ = descriptor;
    file.sizeAtOpen_ = static_cast<std::uint64_t>(status.st_size);
    return file;
}

bool DurableAppendFile::Append(std::string_view bytes)
{
    if (!IsOpen()) return false;
    const int descriptor = static_cast<int>(handle_);
    return WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
}

void DurableAppendFile::Close()
{
    if (IsOpen()) {
        ::close(static_cast<int>(handle_));
        handle_ = kClosed;
    }
}

std::optional<FileHead> ReadFileHead(const std::filesystem::path& path, std::size_t limit)
{
    struct stat status {};
    const int descriptor = OpenRegularForReading(path, status);
    if (descriptor < 0) return std::nullopt;
    // One byte beyond the limit tells whether the file holds more.
    std::optional<std::string> bytes = ReadAt(descriptor, 0, limit + 1);
    ::close(descriptor);
    if (!bytes) return std::nullopt;
    FileHead head;
    head.whole = bytes->size() <= limit;
    bytes->resize(std::min(bytes->size(), limit));
    head.bytes = std::move(*bytes);
    return head;
}

bool CutFile(const std::filesystem::path& path, std::uint64_t size)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (descriptor < 0) return false;
    struct stat status {};
    const bool cut = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
                     static_cast<std::uint64_t>(status.st_size) >= size &&
                     ::ftruncate(descriptor, static_cast<off_t>(size)) == 0 && ::fsync(descriptor) == 0;
    ::close(descriptor);
    return cut;
}

bool RemoveFile(const std::filesystem::path& path)
{
    if (::unlink(path.c_str()) != 0) return errno == ENOENT;
    SyncFolderOf(path);  // the file is gone either way; at worst it comes back after a power cut
    return true;
}

RenameOutcome RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) return RenameOutcome::NameTaken;
        if (errno != EINVAL && errno != ENOSYS) return RenameOutcome::Failed;
        // A file system without the no-replace rename: a second name, which link never puts over
        // an existing one, then the old name goes.
        if (::link(from.c_str(), to.c_str()) != 0) {
            return errno == EEXIST ? RenameOutcome::NameTaken : RenameOutcome::Failed;
        }
        if (::unlink(from.c_str()) != 0) {
            ::unlink(to.c_str());
            return RenameOutcome::Failed;
        }
    }
    SyncFolderOf(to);
    return RenameOutcome::Renamed;
}

std::optional<std::string> ReadFileTail(const std::filesystem::path& path, std::size_t limit)
{
    struct stat status {};
    const int descriptor = OpenRegularForReading(path, status);
    if (descriptor < 0) return std::nullopt;
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const std::uint64_t offset = size > limit ? size - limit : 0;
    std::optional<std::string> bytes =
        ReadAt(descriptor, static_cast<off_t>(offset), static_cast<std::size_t>(size - offset));
    ::close(descriptor);
    return bytes;
}

}  // namespace palvo
