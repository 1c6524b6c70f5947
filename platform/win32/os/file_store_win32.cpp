#include <windows.h>

#include <climits>
#include <cstdint>
#include <cwchar>
#include <string>

#include "platform/file_store.h"
#include "platform/win32/os/wide_text.h"

namespace palvo {

namespace {

// Closes a file handle when it leaves scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle()
    {
        if (Valid()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close()
    {
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const std::size_t remaining = bytes.size() - written;
        const DWORD chunk = remaining > 0x10000000u ? 0x10000000u : static_cast<DWORD>(remaining);
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

constexpr wchar_t kTemporaryInfix[] = L".tmp";

// True while the process with this id runs; an id nobody has any more is free.
bool ProcessRuns(DWORD process)
{
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr) {
        // Refused access means the process exists; only an unknown id is gone.
        return GetLastError() != ERROR_INVALID_PARAMETER;
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(handle, &code) && code == STILL_ACTIVE;
    CloseHandle(handle);
    return running;
}

// Removes "<name>.tmp<pid>" files beside `target` whose process is gone (ended during a save).
void RemoveStaleTemporaryFiles(const std::wstring& target)
{
    const std::wstring pattern = target + kTemporaryInfix + L"*";
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    const std::wstring prefix =
        (slash == std::wstring::npos ? target : target.substr(slash + 1)) + kTemporaryInfix;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name.size() <= prefix.size() || _wcsnicmp(name.c_str(), prefix.c_str(), prefix.size()) != 0) {
            continue;
        }
        const std::wstring digits = name.substr(prefix.size());
        if (digits.size() > 10 || digits.find_first_not_of(L"0123456789") != std::wstring::npos) {
            continue;
        }
        const unsigned long long process = std::stoull(digits);
        if (process > 0xFFFFFFFFull || process == GetCurrentProcessId() ||
            ProcessRuns(static_cast<DWORD>(process))) {
            continue;
        }
        DeleteFileW((folder + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::uint64_t largestBytes)
{
    FileHandle file(CreateFileW(win32::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return std::nullopt;
    }
    // Only files on a disk: reading a named pipe or a device (CON, COM1) could wait forever.
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > INT_MAX ||
        static_cast<std::uint64_t>(size.QuadPart) > largestBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD done = 0;
        if (!ReadFile(file.Get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &done,
                      nullptr)) {
            return std::nullopt;
        }
        if (done == 0) {
            bytes.resize(filled);  // the file shrank while we read it
            break;
        }
        filled += done;
    }
    return bytes;
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes)
{
    const std::wstring target = win32::Widen(path);
    if (target.empty()) {
        return false;
    }
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    if (oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    RemoveStaleTemporaryFiles(target);
    const std::wstring temporary = target + kTemporaryInfix + std::to_wstring(GetCurrentProcessId());

    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    const bool closed = file.Close();
    if (!written || !closed) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    // A read-only settings file stays protected: the rename below then fails and the old file stays.
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) {
        const DWORD kept =
            oldAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
        if (kept != 0) {
            SetFileAttributesW(temporary.c_str(), kept);
        }
        if ((oldAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace palvo
