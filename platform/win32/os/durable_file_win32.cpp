#include <windows.h>

#include <algorithm>
#include <optional>

#include "platform/durable_file.h"
#include "platform/win32/os/owner_only_security.h"

namespace palvo {
namespace {

HANDLE AsHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// A file on the disk itself: not a device, a pipe, a folder or a link (a reparse point, opened as
// itself by FILE_FLAG_OPEN_REPARSE_POINT rather than followed).
bool IsRegularFile(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information) &&
           (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

// A handle for reading a regular file, or INVALID_HANDLE_VALUE.
HANDLE OpenRegularForReading(const std::filesystem::path& path, std::uint64_t& size)
{
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return file;
    }
    LARGE_INTEGER length{};
    if (!IsRegularFile(file) || !GetFileSizeEx(file, &length)) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    size = static_cast<std::uint64_t>(length.QuadPart);
    return file;
}

std::optional<std::string> ReadAt(HANDLE file, std::uint64_t offset, std::size_t count)
{
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) {
        return std::nullopt;
    }
    std::string bytes(count, '\0');
    std::size_t filled = 0;
    while (filled < count) {
        DWORD done = 0;
        if (!ReadFile(file, bytes.data() + filled, static_cast<DWORD>(count - filled), &done, nullptr)) {
            return std::nullopt;
        }
        if (done == 0) {
            break;
        }
        filled += done;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace

DurableAppendFile DurableAppendFile::Open(const std::filesystem::path& path, FileReaders readers)
{
    DurableAppendFile file;
    // The security applies only when the file is made: an existing file keeps its own.
    // Only a secret asks the system who the user is: the journal opens without that.
    std::optional<OwnerOnlySecurity> ownerOnly;
    SECURITY_ATTRIBUTES* security = nullptr;
    if (readers == FileReaders::OwnerOnly) {
        security = ownerOnly.emplace().Attributes();
        if (security == nullptr) {
            return file;  // a secret is never made readable by others for want of a user
        }
    }
    // FILE_APPEND_DATA alone: every write lands at the end of the file.
    HANDLE handle = CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_DELETE, security, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return file;
    }
    LARGE_INTEGER length{};
    if (!IsRegularFile(handle) || !GetFileSizeEx(handle, &length)) {
        CloseHandle(handle);
        return file;
    }
    file.handle_ = reinterpret_cast<std::intptr_t>(handle);
    file.sizeAtOpen_ = static_cast<std::uint64_t>(length.QuadPart);
    return file;
}

bool DurableAppendFile::Append(std::string_view bytes)
{
    if (!IsOpen()) {
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD done = 0;
        if (!WriteFile(AsHandle(handle_), bytes.data() + written, static_cast<DWORD>(bytes.size() - written),
                       &done, nullptr) ||
            done == 0) {
            return false;
        }
        written += done;
    }
    return FlushFileBuffers(AsHandle(handle_)) != FALSE;
}

void DurableAppendFile::Close()
{
    if (IsOpen()) {
        CloseHandle(AsHandle(handle_));
        handle_ = kClosed;
    }
}

std::optional<FileHead> ReadFileHead(const std::filesystem::path& path, std::size_t limit)
{
    std::uint64_t size = 0;
    HANDLE file = OpenRegularForReading(path, size);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<std::string> bytes =
        ReadAt(file, 0, static_cast<std::size_t>(std::min<std::uint64_t>(size, limit)));
    CloseHandle(file);
    if (!bytes) {
        return std::nullopt;
    }
    return FileHead{std::move(*bytes), size <= limit};
}

bool CutFile(const std::filesystem::path& path, std::uint64_t size)
{
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE | GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER length{};
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(size);
    const bool cut = IsRegularFile(file) && GetFileSizeEx(file, &length) &&
                     static_cast<std::uint64_t>(length.QuadPart) >= size &&
                     SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file) &&
                     FlushFileBuffers(file);
    CloseHandle(file);
    return cut;
}

bool RemoveFile(const std::filesystem::path& path)
{
    if (DeleteFileW(path.c_str())) {
        return true;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

RenameOutcome RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Without MOVEFILE_REPLACE_EXISTING an existing file of the new name is never replaced.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return RenameOutcome::Renamed;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? RenameOutcome::NameTaken
                                                                       : RenameOutcome::Failed;
}

std::optional<std::string> ReadFileTail(const std::filesystem::path& path, std::size_t limit)
{
    std::uint64_t size = 0;
    HANDLE file = OpenRegularForReading(path, size);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::uint64_t offset = size > limit ? size - limit : 0;
    std::optional<std::string> bytes = ReadAt(file, offset, static_cast<std::size_t>(size - offset));
    CloseHandle(file);
    return bytes;
}

}  // namespace palvo
