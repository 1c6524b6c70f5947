#pragma once

#include <string>

namespace palvo {

// What became of a claim on a settings folder.
enum class FolderClaim {
    Owned,          // this process holds the folder until it ends
    HeldElsewhere,  // another running copy of the program holds it
    Unavailable,    // the system offers no lock there (the program runs unguarded)
};

// One running copy of the program per settings folder. The hold is the operating system's and
// ends with the process, also after a crash, so a copy that died never locks the operator out.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;

    // Claims `folder` (UTF-8) for this process; touches no file in it. Claim once per process.
    [[nodiscard]] virtual FolderClaim Claim(const std::string& folder) = 0;

    // After HeldElsewhere: asks the copy that holds the folder to bring its window to the front.
    // False when no window answered (it may still be starting).
    virtual bool BringOwnerToFront() = 0;
};

}  // namespace palvo
