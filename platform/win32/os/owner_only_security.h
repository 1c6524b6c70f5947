#pragma once

#include <windows.h>

#include <vector>

namespace palvo {

// The security of a file only this process's user may open: one ACE for the user, and none
// inherited from the folder (whose ACL may let every user of the machine read).
class OwnerOnlySecurity {
public:
    OwnerOnlySecurity();
    // It points into itself.
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    // Null when the user could not be learnt: the caller then refuses to create the file.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

private:
    std::vector<BYTE> user_;
    std::vector<BYTE> acl_;  // DWORD-aligned enough for an ACL: vector storage is new'd
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

}  // namespace palvo
