#pragma once

#include <windows.h>

#include <string>

#include "platform/main_window_view.h"
#include "platform/win32/win32_form.h"

namespace palvo::win32 {

// The main window as a native Win32 window: a Win32Form that posts WM_QUIT when it closes.
// The form's events go on to the game logic's MainWindowEvents.
class Win32MainWindowView : public MainWindowView, private Win32FormEvents {
public:
    Win32MainWindowView(HINSTANCE instance, std::string applicationDirectory);

    void SetEvents(MainWindowEvents* events) override { events_ = events; }
    void ApplyLayout(const WindowLayout& layout) override { form_.ApplyLayout(layout); }
    PictureSurface& Picture(std::string_view name) override;
    void SetEnabled(std::string_view name, bool enabled) override { form_.SetEnabled(name, enabled); }
    bool IsEnabled(std::string_view name) const override { return form_.IsEnabled(name); }
    void SetText(std::string_view name, std::string_view text) override { form_.SetText(name, text); }
    std::string Text(std::string_view name) const override { return form_.Text(name); }
    void ListAddItem(std::string_view name, std::string_view item) override { form_.ListAddItem(name, item); }
    void ListClear(std::string_view name) override { form_.ListClear(name); }
    int ListCount(std::string_view name) const override { return form_.ListCount(name); }
    void ListSelect(std::string_view name, int index) override { form_.ListSelect(name, index); }
    void SetTimerEnabled(std::string_view name, bool enabled) override
    {
        form_.SetTimerEnabled(name, enabled);
    }
    void SetFocus(std::string_view name) override { form_.SetFocus(name); }
    void Show() override { form_.Show(); }
    void Close() override { form_.Close(); }

    Win32Form& Form() { return form_; }
    HWND Window() const { return form_.Window(); }

private:
    void OnClick(std::string_view name) override;
    void OnActivate() override;
    void OnTimer(std::string_view name) override;
    bool OnCloseRequest() override;
    void OnClosed() override;

    MainWindowEvents* events_ = nullptr;
    Win32Form form_;
    Win32PictureBox missingPicture_;  // an empty box, handed out for a name the layout lacks
};

}  // namespace palvo::win32
