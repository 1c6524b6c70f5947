#pragma once

#include <functional>
#include <utility>

#include "platform/settings_dialog_host.h"

namespace palvo {

// A settings dialog that counts its runs and, when given an edit, applies it to the settings as
// a saving operator would.
class RecordingSettingsDialogHost : public SettingsDialogHost {
public:
    void RunSettingsDialog(CConfig& config) override
    {
        ++runs_;
        if (edit_) {
            edit_(config);
        }
    }

    // The change the next runs make; an empty function closes the dialog without saving.
    void SetEdit(std::function<void(CConfig&)> edit) { edit_ = std::move(edit); }
    int Runs() const { return runs_; }

private:
    std::function<void(CConfig&)> edit_;
    int runs_ = 0;
};

}  // namespace palvo
