#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/os/wide_text.h"
#include "texts/japanese.h"

namespace palvo::win32 {

namespace {

// MessageBoxW has no place of its own to ask for: a hook on this thread moves the box when it
// is activated. The hook procedure gets no data of ours, so the owner waits here meanwhile.
thread_local HWND centreOver = nullptr;
thread_local HHOOK centringHook = nullptr;

LRESULT CALLBACK CentreBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && centreOver != nullptr) {
        const auto box = reinterpret_cast<HWND>(wParam);
        RECT owner{};
        RECT frame{};
        if (GetWindowRect(centreOver, &owner) && GetWindowRect(box, &frame)) {
            const int width = frame.right - frame.left;
            const int height = frame.bottom - frame.top;
            int left = owner.left + ((owner.right - owner.left) - width) / 2;
            int top = owner.top + ((owner.bottom - owner.top) - height) / 2;
            // Wholly on the owner's screen.
            MONITORINFO monitor{};
            monitor.cbSize = sizeof(monitor);
            if (GetMonitorInfoW(MonitorFromWindow(centreOver, MONITOR_DEFAULTTONEAREST), &monitor)) {
                const RECT& work = monitor.rcWork;
                left = left + width > work.right ? work.right - width : left;
                top = top + height > work.bottom ? work.bottom - height : top;
                left = left < work.left ? work.left : left;
                top = top < work.top ? work.top : top;
            }
            SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        centreOver = nullptr;  // the box only, not windows it may open
    }
    return CallNextHookEx(centringHook, code, wParam, lParam);
}

}  // namespace

MessageAnswer Win32MessageBoxes::Show(std::string_view text, MessageStyle style)
{
    HWND owner = GetActiveWindow();
    if (owner == nullptr && owner_) {
        owner = owner_();
    }
    if (owner != nullptr && !IsWindowVisible(owner)) {
        owner = nullptr;
    }
    const HWND previousOwner = centreOver;
    const HHOOK previousHook = centringHook;
    centreOver = owner;
    centringHook =
        owner != nullptr ? SetWindowsHookExW(WH_CBT, CentreBox, nullptr, GetCurrentThreadId()) : nullptr;
    const auto flags = static_cast<UINT>(style);  // the enum's values are the MB_ flags
    const int pressed = MessageBoxW(owner, Widen(text).c_str(), Widen(texts::kMessageBoxTitle).c_str(),
                                    flags | MB_SETFOREGROUND);
    if (centringHook != nullptr) {
        UnhookWindowsHookEx(centringHook);
    }
    centreOver = previousOwner;
    centringHook = previousHook;
    switch (pressed) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            // A box that could not be shown, or was ended from outside, chose nothing.
            return IsQuestion(style) ? MessageAnswer::Closed : MessageAnswer::Ok;
    }
}

}  // namespace palvo::win32
