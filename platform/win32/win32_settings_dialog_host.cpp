#include "platform/win32/win32_settings_dialog_host.h"

#include "config/settings_dialog.h"
#include "platform/win32/win32_settings_dialog_view.h"

namespace palvo::win32 {

Win32SettingsDialogHost::Win32SettingsDialogHost(HINSTANCE instance, Win32MainWindowView& owner,
                                                 const Environment& environment, CommonDialogs& dialogs,
                                                 MessageBoxes& messages)
    : instance_(instance), owner_(owner), environment_(environment), dialogs_(dialogs), messages_(messages)
{
}

void Win32SettingsDialogHost::RunSettingsDialog(CConfig& config)
{
    // The file, colour and message boxes take the active window, the dialog, as their owner.
    Win32SettingsDialogView view(instance_, owner_.Window(), environment_.DataDirectory());
    SettingsDialog dialog(config, view, dialogs_, messages_, environment_);
    dialog.FormLoad();
    view.RunModal();
}

}  // namespace palvo::win32
