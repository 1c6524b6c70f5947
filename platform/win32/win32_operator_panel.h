#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/operator_panel_view.h"

namespace palvo::win32 {

// Another feature's controls in the operator's panel: a band of it, below the panel's own
// sections and above its message line.
class Win32PanelSection {
public:
    virtual ~Win32PanelSection() = default;
    // A WM_COMMAND of one of its controls, or IDOK (Enter) while the focus is anywhere in the
    // panel; true when it was the section's.
    virtual bool OnCommand(int id, int code) = 0;
    // Paints what is no control (a picture) onto the panel's device context.
    virtual void OnPaint(HDC target) = 0;
    // A key pressed in the panel before the dialog keys; true when used up.
    virtual bool OnKey(const MSG& message) = 0;
};

// The operator's panel as a Win32 window owned by the operator's window (it closes with it and
// stays above it): its sections as group boxes in a column, a message line and a close button.
// Tab, the mnemonics and Enter work through IsDialogMessage in TranslateKeyboard.
class Win32OperatorPanel final : public OperatorPanelView {
public:
    Win32OperatorPanel(HINSTANCE instance, HWND owner);
    ~Win32OperatorPanel() override;

    Win32OperatorPanel(const Win32OperatorPanel&) = delete;
    Win32OperatorPanel& operator=(const Win32OperatorPanel&) = delete;

    // Handles the panel's keys (Tab, mnemonics, Enter, Ctrl+Z, Page Down, F2) for a message of the
    // message loop; true when the message was used up.
    [[nodiscard]] bool TranslateKeyboard(const MSG& message);
    HWND Window() const { return window_; }

    // Adds a band `height` pixels high for `section` (which must outlive the panel's use of it)
    // and returns the top of the band in client coordinates.
    int AddBand(int height, Win32PanelSection& section);
    // `section` goes before the panel: its bands stay, but the panel no longer calls it.
    void RemoveBands(const Win32PanelSection& section) { std::erase(sections_, &section); }
    // A child control of the panel in its font, in Tab order after the controls added before it.
    HWND AddControl(int id, const wchar_t* className, std::string_view text, DWORD style, int x, int y,
                    int width, int height);

    void SetEvents(OperatorPanelEvents* events) override { events_ = events; }
    void Open(std::optional<PanelPlace> place) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    std::optional<PanelPlace> Place() const override;
    std::string NumberText() const override;
    void SetNumberText(std::string_view text) override;
    void FocusNumber() override;
    bool IsChecked(PanelCheck box) const override;
    void SetChecked(PanelCheck box, bool checked) override;
    std::int32_t Interval() const override;
    void SetInterval(std::int32_t seconds) override;
    void SetTakeBackEnabled(bool enabled) override;
    void SetMessage(std::string_view text) override;
    void SetCountdown(std::string_view text) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Report(void (OperatorPanelEvents::*call)());
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    HWND owner_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    OperatorPanelEvents* events_ = nullptr;
    bool open_ = false;
    bool quiet_ = false;  // the program sets a field: no change to report
    HINSTANCE instance_ = nullptr;
    int bandsBottom_ = 0;       // where the next band goes
    HWND lastAdded_ = nullptr;  // the control the next one follows in Tab order
    std::vector<Win32PanelSection*> sections_;
};

}  // namespace palvo::win32
