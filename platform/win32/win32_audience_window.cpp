#include "platform/win32/win32_audience_window.h"

#include <algorithm>
#include <cstring>

#include "display/audience_placement.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_gdi.h"
#include "texts/japanese.h"

namespace palvo::win32 {

namespace {

constexpr wchar_t kClassName[] = L"PalvoAudienceWindow";
constexpr int kFirstWidth = 960;
constexpr int kFirstHeight = 540;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr UINT_PTR kWakeTimer = 1;

// SetThreadDpiAwarenessContext exists from Windows 10 1607 on; older systems and the operator's
// DPI-unaware process go without it.
using SetThreadDpiAwarenessContextFunction = HANDLE(WINAPI*)(HANDLE);
// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE, as the SDK defines them.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

SetThreadDpiAwarenessContextFunction FindSetThreadDpiAwarenessContext()
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    FARPROC address = GetProcAddress(user32, "SetThreadDpiAwarenessContext");
    SetThreadDpiAwarenessContextFunction function = nullptr;
    static_assert(sizeof(function) == sizeof(address));
    std::memcpy(&function, &address, sizeof(function));
    return function;
}

// The window created while this lives is per-monitor aware; the thread's awareness is restored after.
class PerMonitorAwareness {
public:
    PerMonitorAwareness() : set_(FindSetThreadDpiAwarenessContext())
    {
        if (set_ != nullptr) {
            previous_ = set_(kPerMonitorAwareV2);
            if (previous_ == nullptr) {
                previous_ = set_(kPerMonitorAware);
            }
        }
    }
    ~PerMonitorAwareness()
    {
        if (set_ != nullptr && previous_ != nullptr) {
            set_(previous_);
        }
    }
    PerMonitorAwareness(const PerMonitorAwareness&) = delete;
    PerMonitorAwareness& operator=(const PerMonitorAwareness&) = delete;

private:
    SetThreadDpiAwarenessContextFunction set_;
    HANDLE previous_ = nullptr;
};

struct MonitorSearch {
    HMONITOR avoid;
    HMONITOR found;
};

BOOL CALLBACK FindOtherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto* search = reinterpret_cast<MonitorSearch*>(data);
    if (monitor != search->avoid) {
        search->found = monitor;
        return FALSE;
    }
    return TRUE;
}

RECT MonitorArea(HMONITOR monitor, bool workArea)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) {
        return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return workArea ? info.rcWork : info.rcMonitor;
}

}  // namespace

Win32AudienceWindow::Win32AudienceWindow(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner)
{
    normalPlacement_.length = sizeof(normalPlacement_);
}

Win32AudienceWindow::~Win32AudienceWindow()
{
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool Win32AudienceWindow::Create()
{
    if (window_ != nullptr) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance_, kClassName, &windowClass)) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = WindowProcedure;
        windowClass.hInstance = instance_;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        windowClass.hIcon =
            owner_ != nullptr ? reinterpret_cast<HICON>(GetClassLongPtrW(owner_, GCLP_HICON)) : nullptr;
        windowClass.lpszClassName = kClassName;
        if (RegisterClassExW(&windowClass) == 0) {
            return false;
        }
    }
    PerMonitorAwareness awareness;
    window_ = CreateWindowExW(0, kClassName, Widen(texts::kAudienceWindowTitle).c_str(), kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, kFirstWidth, kFirstHeight, owner_, nullptr,
                              instance_, this);
    return window_ != nullptr;
}

void Win32AudienceWindow::WakeAfter(std::uint32_t milliseconds)
{
    if (Create()) {
        SetTimer(window_, kWakeTimer, std::max<UINT>(static_cast<UINT>(milliseconds), USER_TIMER_MINIMUM),
                 nullptr);
    }
}

void Win32AudienceWindow::Open()
{
    if (!Create()) {
        return;
    }
    const HMONITOR operatorMonitor = MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST);
    MonitorSearch search{operatorMonitor, nullptr};
    EnumDisplayMonitors(nullptr, nullptr, FindOtherMonitor, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        EnterFullScreen(search.found);
        return;
    }
    if (fullScreen_) {
        LeaveFullScreen();
    }
    // One screen: the core chooses the place.
    const RECT work = MonitorArea(operatorMonitor, true);
    RECT operatorFrame{};
    GetWindowRect(owner_, &operatorFrame);
    RECT operatorClient{};
    GetClientRect(owner_, &operatorClient);
    POINT clientOrigin{0, 0};
    ClientToScreen(owner_, &clientOrigin);
    RECT frame{0, 0, kFirstWidth, kFirstHeight};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    const auto toPixels = [](const RECT& r) {
        return PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    SharedScreen shared{
        toPixels(work),
        PixelRect{clientOrigin.x, clientOrigin.y, operatorClient.right, operatorClient.bottom},
        toPixels(operatorFrame)};
    shared.frameLeft = -frame.left;
    shared.frameTop = -frame.top;
    shared.frameRight = frame.right - kFirstWidth;
    shared.frameBottom = frame.bottom - kFirstHeight;
    const PixelRect outer = events_ != nullptr ? events_->OnAudiencePlace(shared, kFirstWidth, kFirstHeight)
                                               : PlaceAudienceWindow(shared, {}, kFirstWidth, kFirstHeight);
    SetWindowPos(window_, nullptr, outer.x, outer.y, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The operator keeps the keyboard.
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void Win32AudienceWindow::Close()
{
    if (window_ != nullptr) {
        ShowWindow(window_, SW_HIDE);
    }
}

bool Win32AudienceWindow::IsOpen() const
{
    return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

std::int32_t Win32AudienceWindow::ClientWidth() const
{
    RECT client{};
    if (window_ == nullptr || !GetClientRect(window_, &client)) {
        return 0;
    }
    return client.right - client.left;
}

std::int32_t Win32AudienceWindow::ClientHeight() const
{
    RECT client{};
    if (window_ == nullptr || !GetClientRect(window_, &client)) {
        return 0;
    }
    return client.bottom - client.top;
}

void Win32AudienceWindow::Invalidate(PixelRect area)
{
    if (window_ == nullptr) {
        return;
    }
    const RECT rect{area.x, area.y, area.Right(), area.Bottom()};
    InvalidateRect(window_, &rect, FALSE);
}

void Win32AudienceWindow::Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale)
{
    if (frame.Empty() || scale < 1) {
        return;
    }
    if (image_.Width() != frame.Width() || image_.Height() != frame.Height() || scale != scale_) {
        image_ = frame;
        scale_ = scale;
        return;
    }
    const std::int32_t left = std::max(changed.x, 0);
    const std::int32_t right = std::min(changed.Right(), frame.Width());
    for (std::int32_t y = std::max(changed.y, 0);
         y < std::min(changed.Bottom(), frame.Height()) && left < right; ++y) {
        std::memcpy(&image_.At(left, y), &frame.At(left, y),
                    static_cast<std::size_t>(right - left) * sizeof(Pixel));
    }
}

void Win32AudienceWindow::Paint()
{
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(window_, &paint);
    if (events_ != nullptr) {
        events_->OnAudiencePaint();
    }
    RECT client{};
    GetClientRect(window_, &client);
    const RECT& area = paint.rcPaint;
    const int scale = scale_;
    // The image pixels under the painted area (an enlarged image: every one it touches).
    const int left = std::max<int>(area.left, 0) / scale;
    const int top = std::max<int>(area.top, 0) / scale;
    const int right = std::min<int>((area.right + scale - 1) / scale, image_.Width());
    const int bottom = std::min<int>((area.bottom + scale - 1) / scale, image_.Height());
    if (!image_.Empty() && left < right && top < bottom) {
        // The rows top ... bottom - 1 as a bitmap of their own, so no source offset is in doubt.
        const BITMAPINFO info = TopDownHeader(image_.Width(), bottom - top);
        if (scale == 1) {
            SetDIBitsToDevice(target, left, top, static_cast<DWORD>(right - left),
                              static_cast<DWORD>(bottom - top), left, 0, 0, static_cast<UINT>(bottom - top),
                              &image_.At(0, top), &info, DIB_RGB_COLORS);
        } else {
            // Each image pixel as a whole block of window pixels, never smoothed.
            SetStretchBltMode(target, COLORONCOLOR);
            StretchDIBits(target, left * scale, top * scale, (right - left) * scale, (bottom - top) * scale,
                          left, 0, right - left, bottom - top, &image_.At(0, top), &info, DIB_RGB_COLORS,
                          SRCCOPY);
        }
    }
    // Beyond the frame (a resize on its way) the background shows.
    HBRUSH background = CreateSolidBrush(RGB(0x10, 0x10, 0x14));
    const int shownWidth = image_.Width() * scale;
    const int shownHeight = image_.Height() * scale;
    if (shownWidth < client.right) {
        RECT rest{shownWidth, 0, client.right, client.bottom};
        FillRect(target, &rest, background);
    }
    if (shownHeight < client.bottom) {
        RECT rest{0, shownHeight, client.right, client.bottom};
        FillRect(target, &rest, background);
    }
    DeleteObject(background);
    EndPaint(window_, &paint);
}

void Win32AudienceWindow::EnterFullScreen(HMONITOR monitor)
{
    if (!fullScreen_) {
        GetWindowPlacement(window_, &normalPlacement_);
    }
    fullScreen_ = true;
    const RECT area = MonitorArea(monitor, false);
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(WS_POPUP | WS_VISIBLE));
    SetWindowPos(window_, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

void Win32AudienceWindow::LeaveFullScreen()
{
    if (!fullScreen_) {
        return;
    }
    fullScreen_ = false;
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(kWindowStyle | WS_VISIBLE));
    SetWindowPlacement(window_, &normalPlacement_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Win32AudienceWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* created = static_cast<Win32AudienceWindow*>(create->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Win32AudienceWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Win32AudienceWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SIZE:
            if (events_ != nullptr && wParam != SIZE_MINIMIZED && IsWindowVisible(window_)) {
                events_->OnAudienceResized();
            }
            return 0;
        case WM_CLOSE:
            // Closing only hides: the game goes on and F5 brings the window back.
            if (fullScreen_) {
                LeaveFullScreen();
            }
            ShowWindow(window_, SW_HIDE);
            if (events_ != nullptr) {
                events_->OnAudienceClosed();
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_F11) {
                if (fullScreen_) {
                    LeaveFullScreen();
                } else {
                    EnterFullScreen(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST));
                }
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                LeaveFullScreen();
                return 0;
            }
            if (wParam == VK_F5) {
                PostMessageW(window_, WM_CLOSE, 0, 0);
                return 0;
            }
            if (wParam == VK_NEXT || wParam == VK_SPACE || wParam == VK_RETURN) {
                // Bit 30: the key was down already, an auto-repeat of a held key.
                if ((lParam & (1 << 30)) == 0 && events_ != nullptr &&
                    !events_->OnAudienceKey(AudienceKey::Start)) {
                    events_->OnAudienceStartKey();
                }
                return 0;
            }
            // Modifier keys alone are half of a key, not one.
            if ((lParam & (1 << 30)) == 0 && events_ != nullptr && wParam != VK_SHIFT &&
                wParam != VK_CONTROL && wParam != VK_MENU && wParam != VK_LWIN && wParam != VK_RWIN &&
                events_->OnAudienceKey(wParam == VK_F8 ? AudienceKey::Layout : AudienceKey::Other)) {
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kWakeTimer) {
                KillTimer(window_, kWakeTimer);
                if (events_ != nullptr) {
                    events_->OnAudienceWake();
                }
                return 0;
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (fullScreen_) {
                LeaveFullScreen();
            } else {
                EnterFullScreen(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST));
            }
            return 0;
        case WM_DESTROY:
            // The operator's window took this one with it; later messages go to the default handler.
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            image_ = PixelBuffer();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace palvo::win32
