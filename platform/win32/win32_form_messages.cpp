// The form's window procedure, its children's notifications, the keyboard of a window that is
// no dialog, and the modal loop.
#include <vector>

#include "platform/win32/win32_form.h"
#include "platform/win32/win32_form_child.h"
#include "platform/win32/win32_gdi.h"

namespace palvo::win32 {

LRESULT CALLBACK Win32Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return form->HandleMessage(window, message, wParam, lParam);
}

LRESULT Win32Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleChildNotification(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC target = BeginPaint(window, &paint);
            PaintContainer(window, target);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            break;
    }
    if (window != window_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }

    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && events_ != nullptr) {
                events_->OnActivate();
            }
            break;
        case WM_TIMER:
            for (const auto& child : children_) {
                if (child->placement.kind == ControlKind::Timer &&
                    static_cast<WPARAM>(child->commandId) == wParam) {
                    if (events_ != nullptr) {
                        events_->OnTimer(child->placement.id);
                    }
                    return 0;
                }
            }
            break;
        case WM_CLOSE:
            if (events_ == nullptr || events_->OnCloseRequest()) {
                Close();
            }
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // nothing to ask: the end of the session is a close
        case WM_ENDSESSION:
            // Windows may end the process once this returns, without WM_CLOSE or WM_DESTROY.
            if (wParam != FALSE && events_ != nullptr) {
                events_->OnSessionEnd();
            }
            return 0;
        case WM_DESTROY: {
            if (modal_ && owner_ != nullptr) {
                EnableWindow(owner_, TRUE);  // before this window goes, so the owner becomes active again
            }
            window_ = nullptr;
            for (const auto& child : children_) {
                child->window = nullptr;
                child->timerRunning = false;
                if (child->picture) {
                    child->picture->SetWindow(nullptr);
                }
            }
            if (events_ != nullptr) {
                events_->OnClosed();
            }
            if (quitOnClose_) {
                PostQuitMessage(0);
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Win32Form::HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
        case WM_COMMAND: {
            const auto sender = reinterpret_cast<HWND>(lParam);
            if (sender == nullptr) {
                // Escape in a dialog: the same as its close box.
                if (LOWORD(wParam) == IDCANCEL && owner_ != nullptr && window_ != nullptr) {
                    PostMessageW(window_, WM_CLOSE, 0, 0);
                    result = 0;
                    return true;
                }
                return false;
            }
            const Child* child = FindByWindow(sender);
            if (child == nullptr || HIWORD(wParam) != BN_CLICKED) {
                return false;
            }
            if ((child->placement.kind == ControlKind::CommandButton ||
                 child->placement.kind == ControlKind::OptionButton) &&
                events_ != nullptr) {
                events_->OnClick(child->placement.id);
            }
            result = 0;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_BUTTON || FindByWindow(item->hwndItem) == nullptr) {
                return false;
            }
            DrawButton(*item);
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            const Child* child = FindByWindow(reinterpret_cast<HWND>(lParam));
            if (child == nullptr) {
                return false;
            }
            const bool inputField = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ||
                                    child->placement.kind == ControlKind::TextBox ||
                                    child->placement.kind == ControlKind::ListBox;
            if (inputField && !child->placement.backColor && !child->placement.foreColor) {
                return false;  // the system's own field colours
            }
            const std::int32_t back = child->placement.backColor.value_or(
                inputField ? static_cast<std::int32_t>(GetSysColor(COLOR_WINDOW))
                           : ContainerBackColor(child->placement.parent));
            const std::int32_t fore =
                child->placement.foreColor.value_or(static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT)));
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ToColorRef(fore));
            SetBkColor(dc, ToColorRef(back));
            result = reinterpret_cast<LRESULT>(BrushFor(back));
            return true;
        }
        default:
            return false;
    }
}

bool Win32Form::TranslateKeyboard(const MSG& message)
{
    if (window_ == nullptr || message.message != WM_KEYDOWN ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        HWND next = NextTabStop(GetFocus(), GetKeyState(VK_SHIFT) < 0);
        if (next != nullptr) {
            ::SetFocus(next);
        }
        return true;
    }
    const Child* child = FindByWindow(message.hwnd);
    if (child == nullptr || child->placement.kind != ControlKind::CommandButton) {
        return false;
    }
    // Bit 30: the key was down already, an auto-repeat of a held key. The button never sees a
    // repeated Space either: it clicks when the first press is released.
    const bool repeat = (message.lParam & (1 << 30)) != 0;
    if (message.wParam == VK_RETURN) {  // the extended-key bit tells keypad Enter apart: both click
        if (!repeat) {
            PostMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    return message.wParam == VK_SPACE && repeat;
}

HWND Win32Form::NextTabStop(HWND from, bool backwards) const
{
    // The order of the layout, as the Qt windows have it: z-order, which GetNextDlgTabItem
    // follows, runs the other way here, since later controls lie on top.
    RECT view{};
    GetClientRect(window_, &view);
    MapWindowPoints(window_, HWND_DESKTOP, reinterpret_cast<POINT*>(&view), 2);
    const auto takesTab = [&](HWND control) {
        RECT area{};
        RECT both{};
        // Controls placed out of the window's view are not reachable with Tab either.
        return (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0 && TakesFocus(control) &&
               GetWindowRect(control, &area) && IntersectRect(&both, &area, &view) != FALSE;
    };
    std::vector<HWND> order;
    for (const auto& child : children_) {
        if (child->window != nullptr) {
            order.push_back(child->window);
        }
    }
    const std::size_t count = order.size();
    std::size_t at = count;  // from before the first (or after the last) when the focus is elsewhere
    for (std::size_t i = 0; i < count; ++i) {
        at = order[i] == from ? i : at;
    }
    for (std::size_t step = 0; step < count; ++step) {
        if (backwards) {
            at = (at == 0 || at == count) ? count - 1 : at - 1;
        } else {
            at = at + 1 >= count ? 0 : at + 1;
        }
        if (takesTab(order[at])) {
            return order[at];
        }
    }
    return nullptr;
}

void Win32Form::RunModal()
{
    if (window_ == nullptr) {
        return;
    }
    modal_ = true;
    if (owner_ != nullptr) {
        EnableWindow(owner_, FALSE);
    }
    Show();
    MSG message{};
    while (window_ != nullptr) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop must see it too
            break;
        }
        if (got == -1) {
            break;
        }
        if (window_ != nullptr && IsDialogMessageW(window_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (window_ != nullptr) {
        Close();
    }
    modal_ = false;
    if (owner_ != nullptr) {
        EnableWindow(owner_, TRUE);
        SetActiveWindow(owner_);
    }
}

}  // namespace palvo::win32
