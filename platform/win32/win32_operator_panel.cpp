#include "platform/win32/win32_operator_panel.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/win32/os/wide_text.h"
#include "texts/japanese.h"

namespace palvo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PalvoOperatorPanel";
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = 250;
constexpr int kGapToOwner = 8;
constexpr int kClientWidth = 380;
constexpr int kClientHeight = 300;
constexpr int kBandsTop = 224;  // below the automatic calling section

enum ItemId : int {
    kNumber = 101,
    kShow,
    kWithRoll,
    kTakeBack,
    kAuto,
    kInterval,
    kCountdown,
    kMessage,
    kClose,
};

struct ChildItem {
    int id;  // 0 for a group box or a label
    const wchar_t* className;
    std::string_view text;
    DWORD style;
    int x, y, width, height;
};

}  // namespace

Win32OperatorPanel::Win32OperatorPanel(HINSTANCE instance, HWND owner) : owner_(owner), instance_(instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // Without WS_CLIPCHILDREN: the window paints the inside of its group boxes, which do not.
    const DWORD style = WS_CAPTION | WS_SYSMENU;
    const DWORD extended = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, extended);
    window_ = CreateWindowExW(extended, kClassName, Widen(texts::kPanelTitle).c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner,
                              nullptr, instance, this);

    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // The operator's window speaks in this Gothic too; a substitute keeps the Japanese glyphs.
    font_ = CreateFontW(-static_cast<int>(std::lround(9 * dotsPerInch / 72.0)), 0, 0, 0, FW_NORMAL, FALSE,
                        FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");

    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kGroup = kChild | BS_GROUPBOX;
    constexpr DWORD kLabel = kChild | SS_LEFT;
    constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
    constexpr DWORD kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    // In Tab order; each label stands just before the field its mnemonic leads to.
    const ChildItem items[] = {
        {0, L"BUTTON", texts::kPanelManualEntry, kGroup, 8, 6, 364, 58},
        {0, L"STATIC", texts::kPanelNumberLabel, kLabel, 20, 32, 62, 18},
        {kNumber, L"EDIT", "", kEdit, 84, 28, 64, 24},
        {kShow, L"BUTTON", texts::kPanelShow, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 156, 27, 84, 26},
        {kWithRoll, L"BUTTON", texts::kPanelWithRoll, kCheck, 250, 30, 116, 22},
        {0, L"BUTTON", texts::kPanelTakeBackGroup, kGroup, 8, 70, 364, 58},
        {kTakeBack, L"BUTTON", texts::kPanelTakeBack, kButton, 20, 92, 260, 26},
        {0, L"BUTTON", texts::kPanelAutoGroup, kGroup, 8, 134, 364, 84},
        {kAuto, L"BUTTON", texts::kPanelAuto, kCheck, 20, 156, 156, 22},
        {0, L"STATIC", texts::kPanelInterval, kLabel, 184, 159, 116, 18},
        {kInterval, L"EDIT", "", kEdit | ES_NUMBER, 302, 155, 56, 24},
        {kCountdown, L"STATIC", "", kLabel, 20, 188, 340, 20},
        {kMessage, L"STATIC", "", kLabel, 8, 226, 364, 36},
        {kClose, L"BUTTON", texts::kPanelClose, kButton, 274, 266, 98, 26},
    };
    for (const ChildItem& item : items) {
        HWND child = CreateWindowExW(
            0, item.className, Widen(item.text).c_str(), item.style, item.x, item.y, item.width, item.height,
            window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    SendMessageW(Item(kNumber), EM_SETLIMITTEXT, 8, 0);
    SendMessageW(Item(kInterval), EM_SETLIMITTEXT, 3, 0);
    bandsBottom_ = kBandsTop;
    lastAdded_ = Item(kCountdown);
}

int Win32OperatorPanel::AddBand(int height, Win32PanelSection& section)
{
    const int top = bandsBottom_;
    bandsBottom_ += height;
    sections_.push_back(&section);
    // The message line and the close button move down below the new band; the window grows.
    for (const int id : {kMessage, kClose}) {
        RECT place{};
        GetWindowRect(Item(id), &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(Item(id), nullptr, place.left, place.top + height, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{0, 0, kClientWidth, kClientHeight + bandsBottom_ - kBandsTop};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return top;
}

HWND Win32OperatorPanel::AddControl(int id, const wchar_t* className, std::string_view text, DWORD style,
                                    int x, int y, int width, int height)
{
    HWND child = CreateWindowExW(0, className, Widen(text).c_str(), style, x, y, width, height, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // Before the message line and the close button in Tab order, as the band is above them.
    SetWindowPos(child, lastAdded_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    lastAdded_ = child;
    return child;
}

Win32OperatorPanel::~Win32OperatorPanel()
{
    events_ = nullptr;
    if (window_ != nullptr && IsWindow(window_) != FALSE) {
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

LRESULT CALLBACK Win32OperatorPanel::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<Win32OperatorPanel*>(create->lpCreateParams)->window_ = window;
    }
    auto* panel = reinterpret_cast<Win32OperatorPanel*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (panel == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        panel->window_ = nullptr;
        panel->open_ = false;
    }
    return panel->Handle(message, wParam, lParam);
}

void Win32OperatorPanel::Report(void (OperatorPanelEvents::*call)())
{
    if (events_ != nullptr) {
        (events_->*call)();
    }
}

LRESULT Win32OperatorPanel::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            for (Win32PanelSection* section : sections_) {
                if (section->OnCommand(id, code)) {
                    return 0;
                }
            }
            if (id == IDOK || (id == kShow && code == BN_CLICKED)) {
                // Enter anywhere but on another button (IsDialogMessage's default button) shows.
                Report(&OperatorPanelEvents::OnPanelShow);
            } else if (id == kTakeBack && code == BN_CLICKED) {
                Report(&OperatorPanelEvents::OnPanelTakeBack);
            } else if (id == kAuto && code == BN_CLICKED) {
                Report(&OperatorPanelEvents::OnPanelAutoToggled);
            } else if (id == kInterval && code == EN_CHANGE && !quiet_) {
                Report(&OperatorPanelEvents::OnPanelIntervalChanged);
            } else if ((id == kClose && code == BN_CLICKED) || id == IDCANCEL) {
                Report(&OperatorPanelEvents::OnPanelCloseRequest);
            }
            return 0;
        }
        case WM_NEXTDLGCTL: {
            // IsDialogMessage sends this for a label's mnemonic; only a dialog's own procedure
            // would handle it: the focus goes to the field after the label, its text selected.
            const HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                                  : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
            if (next != nullptr) {
                if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
                    SendMessageW(next, EM_SETSEL, 0, -1);
                }
                SetFocus(next);
            }
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC target = BeginPaint(window_, &paint);
            for (Win32PanelSection* section : sections_) {
                section->OnPaint(target);
            }
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kTickTimer) {
                Report(&OperatorPanelEvents::OnPanelTick);
            }
            return 0;
        case WM_CLOSE:
            Report(&OperatorPanelEvents::OnPanelCloseRequest);
            return 0;
        case WM_DESTROY:
            // Closing with the operator's window: the panel keeps its place and choices first.
            if (open_) {
                Report(&OperatorPanelEvents::OnPanelCloseRequest);
            }
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

bool Win32OperatorPanel::TranslateKeyboard(const MSG& message)
{
    if (!open_ || window_ == nullptr ||
        (message.hwnd != window_ && IsChild(window_, message.hwnd) == FALSE)) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        const bool repeated = (message.lParam & (1 << 30)) != 0;
        const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        void (OperatorPanelEvents::*call)() = nullptr;
        if (message.wParam == VK_F2) {
            call = &OperatorPanelEvents::OnPanelCloseRequest;
        } else if (message.wParam == VK_NEXT) {
            call = &OperatorPanelEvents::OnPanelStartKey;
        } else if (message.wParam == 'Z' && control) {
            call = &OperatorPanelEvents::OnPanelTakeBack;
        }
        for (Win32PanelSection* section : sections_) {
            if (section->OnKey(message)) {
                return true;
            }
        }
        if (call != nullptr) {
            // A held key acts once.
            if (!repeated) {
                Report(call);
            }
            return true;
        }
    }
    return IsDialogMessageW(window_, const_cast<MSG*>(&message)) != FALSE;
}

void Win32OperatorPanel::Open(std::optional<PanelPlace> place)
{
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT owner{};
    GetWindowRect(owner_, &owner);
    POINT at = place ? POINT{place->x, place->y} : POINT{owner.right + kGapToOwner, owner.top};
    // Wholly on the screen it lands on: a place saved on a screen no longer there must not hide it.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE) {
        const RECT work = monitor.rcWork;
        if (!place && at.x + width > work.right) {
            at.x = owner.left - kGapToOwner - width;
        }
        at.x = std::clamp<LONG>(at.x, work.left, std::max<LONG>(work.left, work.right - width));
        at.y = std::clamp<LONG>(at.y, work.top, std::max<LONG>(work.top, work.bottom - height));
    }
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    open_ = true;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetTimer(window_, kTickTimer, kTickMilliseconds, nullptr);
}

void Win32OperatorPanel::Close()
{
    open_ = false;
    if (window_ != nullptr) {
        KillTimer(window_, kTickTimer);
        ShowWindow(window_, SW_HIDE);
        SetForegroundWindow(owner_);
    }
}

std::optional<PanelPlace> Win32OperatorPanel::Place() const
{
    RECT frame{};
    if (!open_ || window_ == nullptr || GetWindowRect(window_, &frame) == FALSE) {
        return std::nullopt;
    }
    return PanelPlace{frame.left, frame.top};
}

std::string Win32OperatorPanel::NumberText() const
{
    wchar_t text[32] = {};
    GetWindowTextW(Item(kNumber), text, static_cast<int>(std::size(text)));
    return Narrow(text);
}

void Win32OperatorPanel::SetNumberText(std::string_view text)
{
    SetWindowTextW(Item(kNumber), Widen(text).c_str());
}

void Win32OperatorPanel::FocusNumber()
{
    SetFocus(Item(kNumber));
    SendMessageW(Item(kNumber), EM_SETSEL, 0, -1);
}

bool Win32OperatorPanel::IsChecked(PanelCheck box) const
{
    return SendMessageW(Item(box == PanelCheck::Auto ? kAuto : kWithRoll), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32OperatorPanel::SetChecked(PanelCheck box, bool checked)
{
    SendMessageW(Item(box == PanelCheck::Auto ? kAuto : kWithRoll), BM_SETCHECK,
                 checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::int32_t Win32OperatorPanel::Interval() const
{
    BOOL read = FALSE;
    const UINT seconds = GetDlgItemInt(window_, kInterval, &read, FALSE);
    return read != FALSE ? static_cast<std::int32_t>(seconds) : 0;
}

void Win32OperatorPanel::SetInterval(std::int32_t seconds)
{
    quiet_ = true;
    SetDlgItemInt(window_, kInterval, static_cast<UINT>(seconds), FALSE);
    quiet_ = false;
}

void Win32OperatorPanel::SetTakeBackEnabled(bool enabled)
{
    EnableWindow(Item(kTakeBack), enabled ? TRUE : FALSE);
}

void Win32OperatorPanel::SetMessage(std::string_view text)
{
    SetWindowTextW(Item(kMessage), Widen(text).c_str());
}

void Win32OperatorPanel::SetCountdown(std::string_view text)
{
    SetWindowTextW(Item(kCountdown), Widen(text).c_str());
}

}  // namespace palvo::win32
