#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/common_dialogs.h"
#include "platform/environment.h"
#include "platform/message_boxes.h"
#include "platform/settings_dialog_host.h"

namespace palvo {

// Runs the settings dialog as a modal Qt dialog over the main window.
class QtSettingsDialogHost : public SettingsDialogHost {
public:
    QtSettingsDialogHost(CommonDialogs& dialogs, MessageBoxes& messages, const Environment& environment)
        : dialogs_(dialogs), messages_(messages), environment_(environment)
    {
    }

    // The window that owns the dialog; nullptr makes it application-modal.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    // Creates the dialog, loads it from `config` and returns when it has closed.
    void RunSettingsDialog(CConfig& config) override;

private:
    CommonDialogs& dialogs_;
    MessageBoxes& messages_;
    const Environment& environment_;
    QPointer<QWidget> owner_;
};

}  // namespace palvo
