#include "platform/win32/win32_settings_dialog_host.h"

namespace palvo::win32 {

Win32SettingsDialogHost::Win32SettingsDialogHost(HINSTANCE instance, Win32MainWindowView& owner,
                                                 const Environment& environment, MessageBoxes& messages)
    : instance_(instance), owner_(owner), environment_(environment), messages_(messages)
{
}

void Win32SettingsDialogHost::RunSettingsDialog(CConfig&)
{
    // Until the settings dialog is part of the program, say where the settings live.
    messages_.Show("設定画面はまだありません。palvo.ini を編集してください。", MessageStyle::Notice);
}

}  // namespace palvo::win32
