#pragma once

#include <windows.h>

#include <string>

#include "platform/instance_lock.h"

namespace palvo::win32 {

// The settings folder held by a named mutex derived from the folder's identity (volume and file
// index, so every path to it is the same folder); Windows drops the mutex with the process, also
// after a crash. The holder marks its main window, which a second start finds and brings forward.
class Win32InstanceLock : public InstanceLock {
public:
    Win32InstanceLock() = default;
    ~Win32InstanceLock() override;

    Win32InstanceLock(const Win32InstanceLock&) = delete;
    Win32InstanceLock& operator=(const Win32InstanceLock&) = delete;

    FolderClaim Claim(const std::string& folder) override;
    bool BringOwnerToFront() override;

    // After Owned: `window` is the one a second start on the folder brings to the front.
    void MarkWindow(HWND window) const;

private:
    HANDLE mutex_ = nullptr;
    std::wstring key_;  // the folder's identity, empty until claimed
};

}  // namespace palvo::win32
