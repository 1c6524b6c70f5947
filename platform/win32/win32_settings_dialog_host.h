#pragma once

#include <windows.h>

#include "platform/common_dialogs.h"
#include "platform/environment.h"
#include "platform/message_boxes.h"
#include "platform/settings_dialog_host.h"
#include "platform/win32/win32_main_window_view.h"

namespace palvo::win32 {

// Opens the settings dialog modally over the main window: a new dialog each time, so an
// earlier opening's unsaved edits are gone.
class Win32SettingsDialogHost : public SettingsDialogHost {
public:
    Win32SettingsDialogHost(HINSTANCE instance, Win32MainWindowView& owner, const Environment& environment,
                            CommonDialogs& dialogs, MessageBoxes& messages);

    void RunSettingsDialog(CConfig& config) override;

private:
    HINSTANCE instance_;
    Win32MainWindowView& owner_;
    const Environment& environment_;
    CommonDialogs& dialogs_;
    MessageBoxes& messages_;
};

}  // namespace palvo::win32
