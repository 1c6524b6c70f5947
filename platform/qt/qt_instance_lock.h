#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/instance_lock.h"

class QLocalServer;

namespace palvo {

// The settings folder held with flock() on the folder itself (no file is made, and the kernel
// drops the hold with the process, also after a crash); the holder listens on an abstract local
// socket named after the folder's device and inode, through which a second start asks it to come
// to the front.
class QtInstanceLock : public InstanceLock {
public:
    // `onFrontRequest` runs from the event loop when a second start asks this copy to come forward.
    explicit QtInstanceLock(std::function<void()> onFrontRequest);
    ~QtInstanceLock() override;

    QtInstanceLock(const QtInstanceLock&) = delete;
    QtInstanceLock& operator=(const QtInstanceLock&) = delete;

    FolderClaim Claim(const std::string& folder) override;
    bool BringOwnerToFront() override;

private:
    std::function<void()> onFrontRequest_;
    int folder_ = -1;  // the open folder while this process holds it
    QString serverName_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace palvo
