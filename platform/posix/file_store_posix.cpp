#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/file_store.h"

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

bool WriteAll(int descriptor, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(result);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A symbolic link is followed, so that replacing the file keeps the link.
std::string ResolveLink(const std::string& path)
{
    struct stat linkStatus {};
    if (::lstat(path.c_str(), &linkStatus) != 0 || !S_ISLNK(linkStatus.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// Creates a new temporary file beside `path` with mode 0666 less the umask.
int CreateTemporaryFile(const std::string& path, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        const int descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) return std::nullopt;
    struct stat status {};
    // Only regular files: a folder cannot be read and a pipe could block forever.
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;

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
    }
    return bytes;
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes)
{
    if (path.empty()) return false;
    const std::string target = ResolveLink(path);

    struct stat oldStatus {};
    const bool hadFile = ::stat(target.c_str(), &oldStatus) == 0;
    if (hadFile && !S_ISREG(oldStatus.st_mode)) return false;

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
