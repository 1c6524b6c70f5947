#include "platform/qt/qt_settings_dialog_host.h"

#include "config/settings_dialog.h"
#include "platform/qt/qt_settings_dialog.h"

namespace palvo {

void QtSettingsDialogHost::RunSettingsDialog(CConfig& config)
{
    // A new dialog each time: an earlier opening's unsaved edits are gone.
    QtSettingsDialog view(owner_, environment_.TwipsPerPixelY());
    SettingsDialog dialog(config, view, dialogs_, messages_, environment_);
    dialog.FormLoad();
    view.exec();
}

}  // namespace palvo
