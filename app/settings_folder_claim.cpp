#include "app/settings_folder_claim.h"

namespace palvo {

std::string AlreadyRunningMessage(const std::string& folder)
{
    return "パルボはこの設定フォルダーですでに起動しています。\n" + folder +
           "\n\n起動中のウィンドウを使ってください。同じフォルダーで二つ同時には動かせません。";
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
