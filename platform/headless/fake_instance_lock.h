#pragma once

#include <string>
#include <vector>

#include "platform/instance_lock.h"

namespace palvo {

// A lock whose answer the test chooses; it records what was asked of it, in order.
class FakeInstanceLock : public InstanceLock {
public:
    explicit FakeInstanceLock(FolderClaim answer) : answer_(answer) {}

    FolderClaim Claim(const std::string& folder) override
    {
        calls_.push_back("Claim " + folder);
        return answer_;
    }
    bool BringOwnerToFront() override
    {
        calls_.push_back("BringOwnerToFront");
        return true;
    }

    const std::vector<std::string>& Calls() const { return calls_; }

private:
    FolderClaim answer_;
    std::vector<std::string> calls_;
};

}  // namespace palvo
