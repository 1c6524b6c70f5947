#include "platform/win32/win32_instance_lock.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/win32/os/wide_text.h"

namespace palvo::win32 {

namespace {

constexpr wchar_t kWindowProperty[] = L"Palvo.SettingsFolder";

// The folder's volume serial number and file index, which every path to it shares.
std::wstring FolderIdentity(const std::string& folder)
{
    HANDLE handle = CreateFileW(Widen(folder).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(handle, &information) != FALSE;
    CloseHandle(handle);
    if (!known || (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return {};
    }
    wchar_t text[64] = {};
    std::swprintf(text, 64, L"%08lx-%08lx%08lx", static_cast<unsigned long>(information.dwVolumeSerialNumber),
                  static_cast<unsigned long>(information.nFileIndexHigh),
                  static_cast<unsigned long>(information.nFileIndexLow));
    return text;
}

// The mark a window carries: a non-zero hash of the folder's identity (FNV-1a).
HANDLE Mark(const std::wstring& key)
{
    std::uint32_t hash = 2166136261u;
    for (wchar_t character : key) {
        hash = (hash ^ static_cast<std::uint32_t>(character)) * 16777619u;
    }
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(hash | 1u));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

Win32InstanceLock::~Win32InstanceLock()
{
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

FolderClaim Win32InstanceLock::Claim(const std::string& folder)
{
    key_ = FolderIdentity(folder);
    if (key_.empty()) {
        return FolderClaim::Unavailable;
    }
    // Global: a copy in another logon session on the same folder counts too.
    const std::wstring name = L"Global\\Palvo-" + key_;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (mutex == nullptr) {
        // Another user's copy holds it with rights this one lacks.
        return error == ERROR_ACCESS_DENIED ? FolderClaim::HeldElsewhere : FolderClaim::Unavailable;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return FolderClaim::HeldElsewhere;
    }
    mutex_ = mutex;
    return FolderClaim::Owned;
}

void Win32InstanceLock::MarkWindow(HWND window) const
{
    if (mutex_ != nullptr && window != nullptr) {
        SetPropW(window, kWindowProperty, Mark(key_));
    }
}

bool Win32InstanceLock::BringOwnerToFront()
{
    if (key_.empty() || mutex_ != nullptr) {
        return false;
    }
    std::vector<HWND> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    const HANDLE mark = Mark(key_);
    for (HWND window : windows) {
        if (GetPropW(window, kWindowProperty) != mark) {
            continue;
        }
        if (IsIconic(window)) {
            ShowWindow(window, SW_RESTORE);
        }
        // A dialog or message box of the running copy comes up with its window.
        SetForegroundWindow(GetLastActivePopup(window));
        return true;
    }
    return false;
}

}  // namespace palvo::win32
