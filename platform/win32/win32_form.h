#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_id.h"
#include "platform/pixel_buffer.h"
#include "platform/win32/win32_picture_box.h"
#include "platform/window_layout.h"

namespace palvo::win32 {

// What a form reports to the window built on it. A form without timers, or one that need not
// hear of activation or closing, keeps the defaults.
class Win32FormEvents {
public:
    virtual ~Win32FormEvents() = default;

    // A command or option button was clicked (by the mouse or the keyboard).
    virtual void OnClick(ControlId button) = 0;
    // The form became the active window.
    virtual void OnActivate() {}
    // A timer of the layout fired.
    virtual void OnTimer(ControlId /*timer*/) {}
    // The close box, Alt+F4 or (in a dialog) Escape. True lets the form close now.
    virtual bool OnCloseRequest() { return true; }
    // The window has been destroyed.
    virtual void OnClosed() {}
    // The user's session is ending (logoff, shutdown); the process may end when this returns.
    virtual void OnSessionEnd() {}
};

// A top-level window and its controls, built with CreateWindowExW from a WindowLayout.
// Both the main window and the settings dialog are forms. Events (clicks of buttons and
// option buttons, activation, timers, closing) go to a Win32FormEvents receiver.
// Calls naming a control that this form's layout lacks (one of the other window's) are ignored.
class Win32Form {
public:
    // `applicationDirectory` (UTF-8) is where button pictures are looked up.
    Win32Form(HINSTANCE instance, std::string applicationDirectory);
    ~Win32Form();

    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    void SetEvents(Win32FormEvents* events) { events_ = events; }

    // The window that owns this one (a dialog's opener); set before ApplyLayout.
    void SetOwner(HWND owner) { owner_ = owner; }

    // Posts WM_QUIT when the window closes (the program's main window).
    void SetQuitOnClose(bool quit) { quitOnClose_ = quit; }

    // Creates the window and every control, or re-places the ones that exist already.
    void ApplyLayout(const WindowLayout& layout);

    HWND Window() const { return window_; }
    bool IsOpen() const { return window_ != nullptr; }

    // The window of a control, or null (timers and shapes have none).
    HWND ControlWindow(ControlId id) const;

    // The persistent image of a picture box or image control, or null.
    Win32PictureBox* Picture(ControlId id);

    // Disabling the control with the focus (or its container) leaves the focus with the form
    // until the control is enabled again and takes it back.
    void SetEnabled(ControlId id, bool enabled);
    bool IsEnabled(ControlId id) const;
    void SetVisible(ControlId id, bool visible);
    void SetText(ControlId id, std::string_view text);
    std::string Text(ControlId id) const;

    // Background colour (0x00BBGGRR) of a label, button, picture box or filled shape.
    void SetBackColor(ControlId id, std::int32_t color);
    LayoutColor BackColor(ControlId id) const;

    // Position and size in pixels relative to the control's container.
    void SetBounds(ControlId id, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    std::optional<RECT> Bounds(ControlId id) const;

    // Option buttons.
    void SetChecked(ControlId id, bool checked);
    bool IsChecked(ControlId id) const;

    void ListAddItem(ControlId id, std::string_view item);
    void ListClear(ControlId id);
    int ListCount(ControlId id) const;
    void ListSelect(ControlId id, int index);
    int ListSelectedIndex(ControlId id) const;
    std::string ListItem(ControlId id, int index) const;

    void SetTimerEnabled(ControlId id, bool enabled);
    // A disabled control takes the focus as soon as it is enabled; the form holds it meanwhile.
    void SetFocus(ControlId id);

    // Keyboard use of a window that is no dialog: Tab and Shift+Tab move the focus among the
    // enabled controls in the layout's order (not those placed out of the window's view), Enter
    // and keypad Enter click the focused button; a held key clicks once. True when `message`
    // was handled so.
    bool TranslateKeyboard(const MSG& message);

    // Shows the window and makes it the active one.
    void Show();

    // Shows the window modally over its owner (disabled meanwhile) and returns once it has closed.
    void RunModal();

    // Destroys the window; OnClosed follows.
    void Close();

private:
    struct Child;

    // Messages (win32_form_messages.cpp).
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Painting (win32_form_painting.cpp).
    void PaintContainer(HWND window, HDC target);
    void DrawButton(const DRAWITEMSTRUCT& item);
    std::int32_t ContainerBackColor(std::optional<ControlId> parent) const;
    HFONT FontFor(const FontChoice& font);
    HBRUSH BrushFor(std::int32_t color);

    // Building and finding controls (win32_form.cpp).
    void CreateTopLevel(const WindowLayout& layout);
    void CreateControl(const ControlLayout& placement);
    void PlaceControl(Child& child, const ControlLayout& placement);
    HWND ContainerWindow(std::optional<ControlId> parent) const;
    void LoadDesignPicture(Child& child);
    std::string ApplicationFile(const std::string& relativePath) const;
    void RestartTimer(Child& child);
    void RepaintShape(const Child& child);

    bool TakesFocus(HWND control) const;
    bool IsEnabledWithContainers(HWND control) const;
    void WaitWithFocus(ControlId id);
    HWND NextTabStop(HWND from, bool backwards) const;

    Child* Find(ControlId id);
    const Child* Find(ControlId id) const;
    Child* FindByWindow(HWND window);

    HINSTANCE instance_;
    std::string applicationDirectory_;
    Win32FormEvents* events_ = nullptr;
    HWND owner_ = nullptr;
    bool quitOnClose_ = false;
    bool modal_ = false;
    HWND window_ = nullptr;
    std::optional<ControlId> waitingFocus_;  // the control that takes the focus when enabled
    LayoutColor backColor_;
    std::vector<std::unique_ptr<Child>> children_;    // in the layout's order: what is behind first
    std::array<Child*, kControlSlotCount> bySlot_{};  // the same children, by ControlSlot
    std::map<std::string, HFONT> fonts_;
    std::map<std::int32_t, HBRUSH> brushes_;
    int nextId_ = 1000;
};

}  // namespace palvo::win32
