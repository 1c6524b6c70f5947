#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_store.h"
#include "platform/posix/write_all.h"

namespace palvo {
namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    int Get() const { return descriptor_; }
    // Closes now and reports whether the close succeeded (it can report a late write error).
    bool Close()
    {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0;
    }

private:
    int descriptor_;
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a path names once symbolic links are followed, also when the last link dangles (its
// target is then what gets created); nullopt for a loop or a link that cannot be read.
std::optional<std::string> ResolveLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat linkStatus {};
        if (::lstat(path.c_str(), &linkStatus) != 0 || !S_ISLNK(linkStatus.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    return std::nullopt;
}

// Read-only by its permission bits (root could write it anyway) or by the caller's rights.
bool IsReadOnly(const std::string& path, const struct stat& status)
{
    return (status.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

constexpr std::string_view kTemporaryInfix = ".tmp";

// Removes "<name>.tmp<pid>_<n>" files beside `path` whose process is gone (killed during a
// save); a running process's file is left to it.
void RemoveStaleTemporaryFiles(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = path.substr(path.find_last_of('/') + 1) + std::string(kTemporaryInfix);
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) return;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name(entry->d_name);
        if (name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view rest = name.substr(prefix.size());
        const std::size_t underscore = rest.find('_');
        if (underscore == 0 || underscore == std::string_view::npos || underscore + 1 == rest.size() ||
            rest.find_first_not_of("0123456789_") != std::string_view::npos ||
            rest.find('_', underscore + 1) != std::string_view::npos) {
            continue;
        }
        pid_t process = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + underscore, process);
        if (error != std::errc() || end != rest.data() + underscore || process <= 0 ||
            process == ::getpid()) {
            continue;
        }
        if (::kill(process, 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(directory), entry->d_name, 0);
        }
    }
    ::closedir(directory);
}

// Creates a new temporary file beside `path` with mode 0666 less the umask.
int CreateTemporaryFile(const std::string& path, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + std::string(kTemporaryInfix) + std::to_string(::getpid()) + "_" +
                        std::to_string(counter++);
        const int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::uint64_t largestBytes)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) return std::nullopt;
    struct stat status {};
    // Only regular files: a folder cannot be read and a pipe could block forever.
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    if (static_cast<std::uint64_t>(status.st_size) > largestBytes) return std::nullopt;

    std::string bytes;
    if (status.st_size > 0) bytes.reserve(static_cast<std::size_t>(status.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t result = ::read(file.Get(), chunk, sizeof chunk);
        if (result < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (result == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(result));
        // The file grew while it was read.
        if (bytes.size() > largestBytes) return std::nullopt;
    }
    return bytes;
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes)
{
    if (path.empty()) return false;
    const std::optional<std::string> resolved = ResolveLinks(path);
    if (!resolved) return false;
    const std::string& target = *resolved;

    struct stat oldStatus {};
    const bool hadFile = ::stat(target.c_str(), &oldStatus) == 0;
    if (hadFile && (!S_ISREG(oldStatus.st_mode) || IsReadOnly(target, oldStatus))) return false;
    RemoveStaleTemporaryFiles(target);

    std::string temporaryPath;
    FileDescriptor temporary(CreateTemporaryFile(target, temporaryPath));
    if (temporary.Get() < 0) return false;

    bool written = true;
    if (hadFile) {
        written = ::fchmod(temporary.Get(), oldStatus.st_mode & 07777) == 0;
        if (::fchown(temporary.Get(), oldStatus.st_uid, oldStatus.st_gid) != 0) {
            // Only root may give a file away; anyone else already owns the old one.
        }
    }
    written = written && WriteAll(temporary.Get(), bytes) && ::fsync(temporary.Get()) == 0;
    written = temporary.Close() && written;
    if (!written || ::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return false;
    }

    // Make the rename itself durable; a folder that cannot be synced does not undo the write.
    FileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
    return true;
}

}  // namespace palvo
