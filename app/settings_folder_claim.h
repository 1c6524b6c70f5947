#pragma once

#include <string>

#include "platform/instance_lock.h"
#include "platform/message_boxes.h"

namespace palvo {

// The warning of a second start on a folder that a running copy holds.
std::string AlreadyRunningMessage(const std::string& folder);

// Start-up, before anything is read or written: true when this copy may run on the settings
// folder `folder`. When a running copy holds it, says so, brings that copy's window to the front
// and returns false: the caller ends without touching a file. A folder the system cannot lock
// runs unguarded rather than keep the operator out.
[[nodiscard]] bool ClaimSettingsFolder(InstanceLock& lock, MessageBoxes& messages, const std::string& folder);

}  // namespace palvo
