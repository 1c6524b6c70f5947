// The form engine: creating and placing the window and its controls, and the control accessors.
// Messages and the modal loop are in win32_form_messages.cpp, painting in win32_form_painting.cpp.
#include "platform/win32/win32_form.h"

#include <utility>

#include "platform/paths.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/win32_form_child.h"
#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_program_resources.h"

namespace palvo::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"PalvoForm";
constexpr wchar_t kContainerClass[] = L"PalvoContainer";

void RegisterWindowClasses(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kFormClass, &existing)) {
        return;
    }
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = procedure;
    form.hInstance = instance;
    // The program's own icon, at the system's sizes; programs without it (tests) get the default.
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(PALVO_PROGRAM_ICON));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(PALVO_PROGRAM_ICON), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                 LR_SHARED));
    if (form.hIcon == nullptr) {
        form.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    }
    form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW container = form;
    container.hIcon = nullptr;
    container.hIconSm = nullptr;
    container.lpszClassName = kContainerClass;
    RegisterClassExW(&container);
}

}  // namespace

Win32Form::Win32Form(HINSTANCE instance, std::string applicationDirectory)
    : instance_(instance), applicationDirectory_(std::move(applicationDirectory))
{
    RegisterWindowClasses(instance_, &Win32Form::WindowProcedure);
}

Win32Form::~Win32Form()
{
    events_ = nullptr;
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (auto& [key, font] : fonts_) {
        DeleteObject(font);
    }
    for (auto& [color, brush] : brushes_) {
        DeleteObject(brush);
    }
}

void Win32Form::ApplyLayout(const WindowLayout& layout)
{
    if (window_ == nullptr) {
        CreateTopLevel(layout);
    } else {
        SetWindowTextW(window_, Widen(layout.caption).c_str());
        backColor_ = layout.backColor;
    }
    if (window_ == nullptr) {
        return;
    }
    for (const ControlLayout& placement : layout.controls) {
        Child* existing = Find(placement.id);
        if (existing != nullptr) {
            PlaceControl(*existing, placement);
        } else {
            CreateControl(placement);
        }
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form::CreateTopLevel(const WindowLayout& layout)
{
    backColor_ = layout.backColor;
    const bool dialog = owner_ != nullptr;
    const DWORD style = dialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
                               : (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    const DWORD extendedStyle = dialog ? (WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT) : WS_EX_CONTROLPARENT;
    int width = layout.outerWidth;
    int height = layout.outerHeight;
    if (layout.clientWidth > 0 && layout.clientHeight > 0) {
        RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
        width = frame.right - frame.left;
        height = frame.bottom - frame.top;
    }
    // Centred over the owner, or on the screen's work area.
    RECT around{};
    if (dialog) {
        GetWindowRect(owner_, &around);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    int left = around.left + ((around.right - around.left) - width) / 2;
    int top = around.top + ((around.bottom - around.top) - height) / 2;
    left = left < 0 ? 0 : left;
    top = top < 0 ? 0 : top;
    window_ = CreateWindowExW(extendedStyle, kFormClass, Widen(layout.caption).c_str(), style, left, top,
                              width, height, owner_, nullptr, instance_, this);
}

void Win32Form::CreateControl(const ControlLayout& placement)
{
    auto child = std::make_unique<Child>();
    child->placement = placement;
    child->commandId = nextId_++;
    Child& record = *child;
    children_.push_back(std::move(child));
    bySlot_[ControlSlot(placement.id)] = &record;

    if (placement.kind == ControlKind::Timer) {
        RestartTimer(record);
        return;
    }
    if (placement.kind == ControlKind::Shape) {
        RepaintShape(record);
        return;
    }

    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD extendedStyle = 0;
    LPVOID creationData = nullptr;
    switch (placement.kind) {
        case ControlKind::PictureBox:
        case ControlKind::Image:
        case ControlKind::Frame:
            windowClass = kContainerClass;
            style |= WS_CLIPCHILDREN;
            extendedStyle |= WS_EX_CONTROLPARENT;
            creationData = this;
            break;
        case ControlKind::CommandButton:
            windowClass = L"BUTTON";
            style |= WS_TABSTOP | ((placement.graphicalStyle || !placement.picture.empty()) ? BS_OWNERDRAW
                                                                                            : BS_PUSHBUTTON);
            break;
        case ControlKind::OptionButton:
            windowClass = L"BUTTON";
            style |= WS_TABSTOP | BS_AUTORADIOBUTTON;
            break;
        case ControlKind::Label:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case ControlKind::ListBox:
            windowClass = L"LISTBOX";
            style |= WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            break;
        case ControlKind::TextBox:
            windowClass = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            extendedStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Timer:
        case ControlKind::Shape:
            break;
    }
    if (placement.kind == ControlKind::OptionButton) {
        // The first option of each container starts a group of mutually exclusive options.
        bool first = true;
        for (const auto& other : children_) {
            if (other.get() != &record && other->placement.kind == ControlKind::OptionButton &&
                other->placement.parent == placement.parent) {
                first = false;
                break;
            }
        }
        style |= first ? WS_GROUP : 0;
    }
    if (placement.visible) {
        style |= WS_VISIBLE;
    }
    if (!placement.enabled) {
        style |= WS_DISABLED;
    }

    record.window = CreateWindowExW(
        extendedStyle, windowClass, Widen(placement.caption).c_str(), style, placement.x, placement.y,
        placement.width, placement.height, ContainerWindow(placement.parent),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.commandId)), instance_, creationData);
    if (record.window == nullptr) {
        return;
    }
    SendMessageW(record.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(placement.font)), FALSE);
    // Later controls lie over earlier ones: the layout lists what is behind first.
    SetWindowPos(record.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    if (placement.kind == ControlKind::PictureBox || placement.kind == ControlKind::Image) {
        // An image control has no colour of its own: where it shows no picture, its container shows.
        const std::int32_t fallback =
            placement.kind == ControlKind::Image ? ContainerBackColor(placement.parent) : SystemFaceColor();
        const std::int32_t back = placement.backColor.value_or(fallback);
        record.picture = std::make_unique<Win32PictureBox>(
            record.window, placement.width, placement.height, back,
            placement.kind == ControlKind::Image ? PictureFit::Stretch : PictureFit::AutoSize);
    }
    LoadDesignPicture(record);
}

void Win32Form::LoadDesignPicture(Child& child)
{
    const std::string& file = child.placement.picture;
    if (child.placement.kind == ControlKind::CommandButton) {
        child.buttonPicture.reset();
        if (!file.empty()) {
            child.buttonPicture = DecodePictureFile(ApplicationFile(file));
        }
    } else if (child.picture && !file.empty() && !child.picture->LoadPicture(ApplicationFile(file))) {
        // A box whose picture is missing or damaged has no image, so reading it fails and the
        // preparation step that needs it warns, instead of working on a blank box.
        child.picture->MakeEmpty();
    }
}

std::string Win32Form::ApplicationFile(const std::string& relativePath) const
{
    return Utf8PathIn(applicationDirectory_, relativePath);
}

void Win32Form::PlaceControl(Child& child, const ControlLayout& placement)
{
    const bool pictureChanged = placement.picture != child.placement.picture;
    child.placement = placement;
    if (pictureChanged) {
        LoadDesignPicture(child);
    }
    if (placement.kind == ControlKind::Timer) {
        RestartTimer(child);
        return;
    }
    if (child.window == nullptr) {
        RepaintShape(child);
        return;
    }
    SetWindowPos(child.window, nullptr, placement.x, placement.y, placement.width, placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(child.window, Widen(placement.caption).c_str());
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(placement.font)), FALSE);
    EnableWindow(child.window, placement.enabled ? TRUE : FALSE);
    ShowWindow(child.window, placement.visible ? SW_SHOWNA : SW_HIDE);
    if (child.picture && placement.backColor.has_value()) {
        child.picture->SetBackColor(*placement.backColor);
    }
    InvalidateRect(child.window, nullptr, TRUE);
}

HWND Win32Form::ContainerWindow(std::optional<ControlId> parent) const
{
    if (parent) {
        const Child* container = Find(*parent);
        if (container != nullptr && container->window != nullptr) {
            return container->window;
        }
    }
    return window_;
}

void Win32Form::RestartTimer(Child& child)
{
    if (window_ == nullptr) {
        return;
    }
    const auto id = static_cast<UINT_PTR>(child.commandId);
    if (child.timerRunning) {
        KillTimer(window_, id);
        child.timerRunning = false;
    }
    if (child.placement.enabled && child.placement.timerInterval > 0) {
        child.timerRunning =
            SetTimer(window_, id, static_cast<UINT>(child.placement.timerInterval), nullptr) != 0;
    }
}

void Win32Form::RepaintShape(const Child& child)
{
    HWND container = ContainerWindow(child.placement.parent);
    if (container == nullptr) {
        return;
    }
    // The shape's old place is not known here; the whole container is cheap to repaint.
    InvalidateRect(container, nullptr, FALSE);
}

Win32Form::Child* Win32Form::Find(ControlId id)
{
    return bySlot_[ControlSlot(id)];
}

const Win32Form::Child* Win32Form::Find(ControlId id) const
{
    return bySlot_[ControlSlot(id)];
}

Win32Form::Child* Win32Form::FindByWindow(HWND window)
{
    if (window == nullptr) {
        return nullptr;
    }
    for (const auto& child : children_) {
        if (child->window == window) {
            return child.get();
        }
    }
    return nullptr;
}

HWND Win32Form::ControlWindow(ControlId id) const
{
    const Child* child = Find(id);
    return child == nullptr ? nullptr : child->window;
}

Win32PictureBox* Win32Form::Picture(ControlId id)
{
    Child* child = Find(id);
    return child == nullptr ? nullptr : child->picture.get();
}

void Win32Form::SetEnabled(ControlId id, bool enabled)
{
    Child* child = Find(id);
    if (child == nullptr) {
        return;
    }
    child->placement.enabled = enabled;
    if (child->placement.kind == ControlKind::Timer) {
        RestartTimer(*child);
        return;
    }
    if (child->window == nullptr) {
        return;
    }
    const HWND focus = GetFocus();
    if (!enabled && focus != nullptr && (focus == child->window || IsChild(child->window, focus) != FALSE)) {
        if (const Child* focused = FindByWindow(focus)) {
            WaitWithFocus(focused->placement.id);
        }
    }
    EnableWindow(child->window, enabled ? TRUE : FALSE);
    if (enabled && waitingFocus_) {
        const HWND waiting = ControlWindow(*waitingFocus_);
        const HWND now = GetFocus();
        // Unless the operator has put the focus somewhere meanwhile.
        if (waiting != nullptr && TakesFocus(waiting) && (now == nullptr || now == window_)) {
            waitingFocus_.reset();
            ::SetFocus(waiting);
        }
    }
}

bool Win32Form::TakesFocus(HWND control) const
{
    return IsWindowVisible(control) != FALSE && IsEnabledWithContainers(control);
}

bool Win32Form::IsEnabledWithContainers(HWND control) const
{
    for (HWND each = control; each != nullptr && each != window_; each = GetParent(each)) {
        if (IsWindowEnabled(each) == FALSE) {
            return false;
        }
    }
    return true;
}

void Win32Form::WaitWithFocus(ControlId id)
{
    // The form itself holds the focus meanwhile, so a key meant for the control presses nothing
    // (Windows would leave no window with the focus, and Space would make the form beep).
    waitingFocus_ = id;
    if (window_ != nullptr) {
        ::SetFocus(window_);
    }
}

bool Win32Form::IsEnabled(ControlId id) const
{
    const Child* child = Find(id);
    if (child == nullptr) {
        return false;
    }
    return child->window != nullptr ? IsWindowEnabled(child->window) != FALSE : child->placement.enabled;
}

void Win32Form::SetVisible(ControlId id, bool visible)
{
    Child* child = Find(id);
    if (child == nullptr) {
        return;
    }
    child->placement.visible = visible;
    if (child->window != nullptr) {
        ShowWindow(child->window, visible ? SW_SHOWNA : SW_HIDE);
    } else if (child->placement.kind == ControlKind::Shape) {
        RepaintShape(*child);
    }
}

void Win32Form::SetText(ControlId id, std::string_view text)
{
    Child* child = Find(id);
    if (child == nullptr) {
        return;
    }
    child->placement.caption = std::string(text);
    if (child->window != nullptr) {
        SetWindowTextW(child->window, Widen(text).c_str());
        if (child->placement.kind != ControlKind::TextBox) {
            InvalidateRect(child->window, nullptr,
                           TRUE);  // owner-drawn buttons and frames paint the caption
        }
    }
}

std::string Win32Form::Text(ControlId id) const
{
    const Child* child = Find(id);
    if (child == nullptr) {
        return {};
    }
    if (child->window == nullptr) {
        return child->placement.caption;
    }
    const int length = GetWindowTextLengthW(child->window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(child->window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void Win32Form::SetBackColor(ControlId id, std::int32_t color)
{
    Child* child = Find(id);
    if (child == nullptr) {
        return;
    }
    child->placement.backColor = color;
    if (child->picture) {
        child->picture->SetBackColor(color);
    }
    if (child->window != nullptr) {
        InvalidateRect(child->window, nullptr, TRUE);
    } else {
        RepaintShape(*child);
    }
}

LayoutColor Win32Form::BackColor(ControlId id) const
{
    const Child* child = Find(id);
    return child == nullptr ? std::nullopt : child->placement.backColor;
}

void Win32Form::SetBounds(ControlId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height)
{
    Child* child = Find(id);
    if (child == nullptr) {
        return;
    }
    child->placement.x = x;
    child->placement.y = y;
    child->placement.width = width;
    child->placement.height = height;
    if (child->window != nullptr) {
        SetWindowPos(child->window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RepaintShape(*child);
    }
}

std::optional<RECT> Win32Form::Bounds(ControlId id) const
{
    const Child* child = Find(id);
    if (child == nullptr) {
        return std::nullopt;
    }
    if (child->window == nullptr) {
        const ControlLayout& placement = child->placement;
        return RECT{placement.x, placement.y, placement.x + placement.width, placement.y + placement.height};
    }
    RECT area{};
    GetWindowRect(child->window, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(child->window), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Win32Form::SetChecked(ControlId id, bool checked)
{
    HWND window = ControlWindow(id);
    if (window != nullptr) {
        SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (!checked) {
            return;
        }
        // A programmatic choice clears the other options of the group, as a click would.
        const Child* chosen = Find(id);
        for (const auto& other : children_) {
            if (other.get() != chosen && other->placement.kind == ControlKind::OptionButton &&
                other->placement.parent == chosen->placement.parent && other->window != nullptr) {
                SendMessageW(other->window, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
}

bool Win32Form::IsChecked(ControlId id) const
{
    HWND window = ControlWindow(id);
    return window != nullptr && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::ListAddItem(ControlId id, std::string_view item)
{
    HWND window = ControlWindow(id);
    if (window != nullptr) {
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

void Win32Form::ListClear(ControlId id)
{
    HWND window = ControlWindow(id);
    if (window != nullptr) {
        SendMessageW(window, LB_RESETCONTENT, 0, 0);
    }
}

int Win32Form::ListCount(ControlId id) const
{
    HWND window = ControlWindow(id);
    return window == nullptr ? 0 : static_cast<int>(SendMessageW(window, LB_GETCOUNT, 0, 0));
}

void Win32Form::ListSelect(ControlId id, int index)
{
    HWND window = ControlWindow(id);
    if (window != nullptr) {
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

int Win32Form::ListSelectedIndex(ControlId id) const
{
    HWND window = ControlWindow(id);
    return window == nullptr ? -1 : static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
}

std::string Win32Form::ListItem(ControlId id, int index) const
{
    HWND window = ControlWindow(id);
    if (window == nullptr) {
        return {};
    }
    const LRESULT length = SendMessageW(window, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

void Win32Form::SetTimerEnabled(ControlId id, bool enabled)
{
    Child* child = Find(id);
    if (child != nullptr && child->placement.kind == ControlKind::Timer) {
        child->placement.enabled = enabled;
        RestartTimer(*child);
    }
}

void Win32Form::SetFocus(ControlId id)
{
    HWND window = ControlWindow(id);
    if (window == nullptr) {
        return;
    }
    if (!IsEnabledWithContainers(window)) {
        WaitWithFocus(id);
        return;
    }
    waitingFocus_.reset();
    ::SetFocus(window);
}

void Win32Form::Show()
{
    if (window_ == nullptr) {
        return;
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
}

void Win32Form::Close()
{
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

}  // namespace palvo::win32
