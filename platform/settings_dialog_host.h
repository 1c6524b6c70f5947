#pragma once

namespace palvo {

class CConfig;

// Opens the settings dialog modally over the main window.
class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;

    // Runs the dialog on `config` and returns when it has closed, saved or not;
    // a saved change is already in `config` and in its INI file.
    virtual void RunSettingsDialog(CConfig& config) = 0;
};

}  // namespace palvo
