#include "app/settings_folder_claim.h"

#include "texts/fill_in.h"
#include "texts/japanese.h"

namespace palvo {

std::string AlreadyRunningMessage(const std::string& folder)
{
    return texts::FillIn(texts::kAlreadyRunning, {folder});
}

bool ClaimSettingsFolder(InstanceLock& lock, MessageBoxes& messages, const std::string& folder)
{
    switch (lock.Claim(folder)) {
        case FolderClaim::Owned:
        case FolderClaim::Unavailable:
            return true;
        case FolderClaim::HeldElsewhere:
            break;
    }
    messages.Show(AlreadyRunningMessage(folder), MessageStyle::Warning);
    // After the box, so that the running window ends up in front of everything.
    lock.BringOwnerToFront();
    return false;
}

}  // namespace palvo
