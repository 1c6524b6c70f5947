#pragma once

#include <windows.h>

#include <string>

#include "platform/settings_dialog_view.h"
#include "platform/win32/win32_form.h"

namespace palvo::win32 {

// The settings dialog's window: a Win32Form owned by the main window, run modally.
class Win32SettingsDialogView : public SettingsDialogView, private Win32FormEvents {
public:
    Win32SettingsDialogView(HINSTANCE instance, HWND owner, std::string applicationDirectory);
    ~Win32SettingsDialogView() override;

    Win32SettingsDialogView(const Win32SettingsDialogView&) = delete;
    Win32SettingsDialogView& operator=(const Win32SettingsDialogView&) = delete;

    void SetEvents(SettingsDialogEvents* events) override { events_ = events; }
    void ApplyLayout(const WindowLayout& layout) override { form_.ApplyLayout(layout); }
    bool ShowPreview(const std::string& path) override;
    void SetImagePathCaption(std::string_view path) override;
    void SetColorSwatch(std::int32_t color) override;
    void SelectSizeOption(int index) override;
    void SelectPositionOption(int index) override;
    void SetNumMaxText(std::string_view text) override;
    std::string NumMaxText() const override;
    void ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth) override;
    void Close() override { form_.Close(); }

    // Shows the dialog over its owner and returns once it has closed.
    void RunModal() { form_.RunModal(); }

    Win32Form& Form() { return form_; }

private:
    void OnClick(ControlId button) override;
    bool OnCloseRequest() override;

    void SelectOption(Control group, int index);

    Win32Form form_;
    SettingsDialogEvents* events_ = nullptr;
};

}  // namespace palvo::win32
