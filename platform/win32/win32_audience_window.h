#pragma once

#include <windows.h>

#include "platform/audience_window.h"

namespace palvo::win32 {

// The players' window on Win32: a top-level window owned by the operator's window (so it goes
// when that closes), created per-monitor DPI aware where Windows offers it so that frames are
// drawn in the screen's own pixels while the operator's window stays as it is. F11 or a
// double-click toggles full screen, Escape leaves it, F5 closes the window; Page Down, Space and
// Enter are reported as Start's keys, every other key as it is.
class Win32AudienceWindow final : public AudienceWindow {
public:
    Win32AudienceWindow(HINSTANCE instance, HWND owner);
    ~Win32AudienceWindow() override;

    Win32AudienceWindow(const Win32AudienceWindow&) = delete;
    Win32AudienceWindow& operator=(const Win32AudienceWindow&) = delete;

    void SetEvents(AudienceWindowEvents* events) override { events_ = events; }
    void Open() override;
    void Close() override;
    bool IsOpen() const override;
    std::int32_t ClientWidth() const override;
    std::int32_t ClientHeight() const override;
    void Invalidate(PixelRect area) override;
    void Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale = 1) override;
    void WakeAfter(std::uint32_t milliseconds) override;

    HWND Window() const { return window_; }
    bool IsFullScreen() const { return fullScreen_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Create();
    void Paint();
    void EnterFullScreen(HMONITOR monitor);
    void LeaveFullScreen();

    HINSTANCE instance_;
    HWND owner_;
    HWND window_ = nullptr;
    AudienceWindowEvents* events_ = nullptr;
    PixelBuffer image_;
    std::int32_t scale_ = 1;  // window pixels per image pixel
    bool fullScreen_ = false;
    WINDOWPLACEMENT normalPlacement_{};
};

}  // namespace palvo::win32
