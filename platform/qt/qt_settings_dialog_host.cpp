#include "platform/qt/qt_settings_dialog_host.h"

#include "config/settings_dialog.h"
#include "platform/qt/qt_common_dialogs.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_settings_dialog.h"

namespace palvo {

namespace {

// Makes the file, colour and message boxes open over the settings dialog while it runs, so they
// stack above it and centre on it, and hands them back to the main window afterwards.
class BoxOwnerScope {
public:
    BoxOwnerScope(CommonDialogs& dialogs, MessageBoxes& messages, QWidget* during, QWidget* after)
        : dialogs_(dynamic_cast<QtCommonDialogs*>(&dialogs)),
          messages_(dynamic_cast<QtMessageBoxes*>(&messages)),
          after_(after)
    {
        SetOwner(during);
    }
    ~BoxOwnerScope() { SetOwner(after_); }

    BoxOwnerScope(const BoxOwnerScope&) = delete;
    BoxOwnerScope& operator=(const BoxOwnerScope&) = delete;

private:
    void SetOwner(QWidget* owner)
    {
        if (dialogs_ != nullptr) {
            dialogs_->SetOwner(owner);
        }
        if (messages_ != nullptr) {
            messages_->SetOwner(owner);
        }
    }

    QtCommonDialogs* dialogs_;
    QtMessageBoxes* messages_;
    QWidget* after_;
};

}  // namespace

void QtSettingsDialogHost::RunSettingsDialog(CConfig& config)
{
    // A new dialog each time: an earlier opening's unsaved edits are gone.
    QtSettingsDialog view(owner_, environment_.TwipsPerPixelY());
    SettingsDialog dialog(config, view, dialogs_, messages_, environment_);
    const BoxOwnerScope boxes(dialogs_, messages_, &view, owner_);
    dialog.FormLoad();
    view.exec();
}

}  // namespace palvo
