#pragma once

// Scratch folders for the Win32 test programs, with files copied from the build machine.
#include <windows.h>

#include <string>

#include "platform/win32/os/wide_text.h"

namespace palvo::win32::testing {

// A build-machine path as this program sees it: under Wine the Unix root is drive Z:.
inline std::wstring HostPath(const std::string& path)
{
    std::wstring wide = Widen(path);
    for (wchar_t& character : wide) {
        character = character == L'/' ? L'\\' : character;
    }
    return (!path.empty() && path.front() == '/') ? L"Z:" + wide : wide;
}

inline bool CopyFolder(const std::wstring& from, const std::wstring& to)
{
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool copied = true;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            copied = CopyFolder(from + L"\\" + name, to + L"\\" + name) && copied;
        } else {
            copied = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && copied;
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return copied;
}

inline void RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveFolder(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace palvo::win32::testing
