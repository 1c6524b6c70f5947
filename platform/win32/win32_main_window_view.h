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
    PictureSurface& Picture(ControlId id) override;
    void SetEnabled(ControlId id, bool enabled) override { form_.SetEnabled(id, enabled); }
    bool IsEnabled(ControlId id) const override { return form_.IsEnabled(id); }
    void SetText(ControlId id, std::string_view text) override { form_.SetText(id, text); }
    std::string Text(ControlId id) const override { return form_.Text(id); }
    void ListAddItem(ControlId id, std::string_view item) override { form_.ListAddItem(id, item); }
    void ListClear(ControlId id) override { form_.ListClear(id); }
    int ListCount(ControlId id) const override { return form_.ListCount(id); }
    void ListSelect(ControlId id, int index) override { form_.ListSelect(id, index); }
    void SetTimerEnabled(ControlId id, bool enabled) override { form_.SetTimerEnabled(id, enabled); }
    void SetFocus(ControlId id) override { form_.SetFocus(id); }
    void Show() override { form_.Show(); }
    void Close() override { form_.Close(); }

    // The operator's keys in a message taken from the queue, before it is dispatched: Page Down
    // presses Start, and the form's own keys (Win32Form::TranslateKeyboard). True when the
    // message was handled so and must not be dispatched.
    bool TranslateKeyboard(const MSG& message);

    Win32Form& Form() { return form_; }
    HWND Window() const { return form_.Window(); }

private:
    void OnClick(ControlId id) override;
    void OnActivate() override;
    void OnTimer(ControlId id) override;
    bool OnCloseRequest() override;
    void OnClosed() override;
    void OnSessionEnd() override;

    MainWindowEvents* events_ = nullptr;
    Win32Form form_;
    Win32PictureBox missingPicture_;  // an empty box, handed out for a control the layout lacks
};

}  // namespace palvo::win32
