#include "platform/win32/win32_form.h"

#include <cmath>
#include <utility>

#include "platform/win32/os/wide_text.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/win32_program_resources.h"

namespace palvo::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"PalvoForm";
constexpr wchar_t kContainerClass[] = L"PalvoContainer";
constexpr char kDefaultFontFamily[] = "MS UI Gothic";
constexpr double kDefaultPointSize = 9.0;

COLORREF ToColorRef(std::int32_t color)
{
    return static_cast<COLORREF>(color) & 0x00FFFFFFu;
}

std::int32_t SystemFaceColor()
{
    return static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE));
}

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

void FillWithColor(HDC target, const RECT& area, std::int32_t color)
{
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    FillRect(target, &area, brush);
    DeleteObject(brush);
}

}  // namespace

struct Win32Form::Control {
    ControlLayout placement;
    HWND window = nullptr;
    int id = 0;
    std::unique_ptr<Win32PictureBox> picture;
    std::optional<PixelBuffer> buttonPicture;
    bool timerRunning = false;
};

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
            for (const auto& control : controls_) {
                if (control->placement.kind == ControlKind::Timer &&
                    static_cast<WPARAM>(control->id) == wParam) {
                    if (events_ != nullptr) {
                        events_->OnTimer(control->placement.name);
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
        case WM_DESTROY: {
            if (modal_ && owner_ != nullptr) {
                EnableWindow(owner_, TRUE);  // before this window goes, so the owner becomes active again
            }
            window_ = nullptr;
            for (const auto& control : controls_) {
                control->window = nullptr;
                control->timerRunning = false;
                if (control->picture) {
                    control->picture->SetWindow(nullptr);
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
            const auto child = reinterpret_cast<HWND>(lParam);
            if (child == nullptr) {
                // Escape in a dialog: the same as its close box.
                if (LOWORD(wParam) == IDCANCEL && owner_ != nullptr && window_ != nullptr) {
                    PostMessageW(window_, WM_CLOSE, 0, 0);
                    result = 0;
                    return true;
                }
                return false;
            }
            Control* control = FindByWindow(child);
            if (control == nullptr || HIWORD(wParam) != BN_CLICKED) {
                return false;
            }
            if ((control->placement.kind == ControlKind::CommandButton ||
                 control->placement.kind == ControlKind::OptionButton) &&
                events_ != nullptr) {
                const std::string name = control->placement.name;  // the handler may re-build the controls
                events_->OnClick(name);
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
            const Control* control = FindByWindow(reinterpret_cast<HWND>(lParam));
            if (control == nullptr) {
                return false;
            }
            const bool inputField = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ||
                                    control->placement.kind == ControlKind::TextBox ||
                                    control->placement.kind == ControlKind::ListBox;
            if (inputField && control->placement.backColor == kDefaultColor &&
                control->placement.foreColor == kDefaultColor) {
                return false;  // the system's own field colours
            }
            std::int32_t back = control->placement.backColor;
            if (back == kDefaultColor) {
                back = inputField ? static_cast<std::int32_t>(GetSysColor(COLOR_WINDOW))
                                  : ContainerBackColor(control->placement.parent);
            }
            const std::int32_t fore = control->placement.foreColor == kDefaultColor
                                          ? static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT))
                                          : control->placement.foreColor;
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

void Win32Form::PaintContainer(HWND window, HDC target)
{
    RECT client{};
    GetClientRect(window, &client);
    std::string containerName;
    if (window == window_) {
        FillWithColor(target, client, backColor_ == kDefaultColor ? SystemFaceColor() : backColor_);
    } else {
        Control* control = FindByWindow(window);
        if (control == nullptr) {
            FillWithColor(target, client, SystemFaceColor());
            return;
        }
        containerName = control->placement.name;
        if (control->picture) {
            control->picture->Paint(target);
        } else {
            // A frame: an etched rectangle with its caption set into the top line.
            const std::int32_t back = control->placement.backColor == kDefaultColor
                                          ? ContainerBackColor(control->placement.parent)
                                          : control->placement.backColor;
            FillWithColor(target, client, back);
            HGDIOBJ oldFont = SelectObject(target, FontFor(control->placement.font));
            TEXTMETRICW metrics{};
            GetTextMetricsW(target, &metrics);
            RECT frame = client;
            frame.top += metrics.tmHeight / 2;
            DrawEdge(target, &frame, EDGE_ETCHED, BF_RECT);
            if (!control->placement.caption.empty()) {
                const std::wstring caption = Widen(control->placement.caption);
                SetBkMode(target, OPAQUE);
                SetBkColor(target, ToColorRef(back));
                SetTextColor(target, ToColorRef(control->placement.foreColor == kDefaultColor
                                                    ? static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT))
                                                    : control->placement.foreColor));
                RECT text{8, 0, client.right - 8, metrics.tmHeight};
                DrawTextW(target, caption.c_str(), static_cast<int>(caption.size()), &text,
                          DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
                text.left -= 2;
                text.right += 2;
                FillWithColor(target, text, back);
                text.left += 2;
                DrawTextW(target, caption.c_str(), static_cast<int>(caption.size()), &text,
                          DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            }
            SelectObject(target, oldFont);
        }
    }
    // Shapes are drawn over the container's surface, never into a persistent image.
    for (const auto& control : controls_) {
        const ControlLayout& shape = control->placement;
        if (shape.kind != ControlKind::Shape || !shape.visible || shape.parent != containerName) {
            continue;
        }
        const RECT area{shape.x, shape.y, shape.x + shape.width, shape.y + shape.height};
        if (shape.backColor != kDefaultColor) {
            FillWithColor(target, area, shape.backColor);
        }
        if (shape.borderColor != kDefaultColor) {
            HBRUSH border = CreateSolidBrush(ToColorRef(shape.borderColor));
            FrameRect(target, &area, border);
            DeleteObject(border);
        }
    }
}

void Win32Form::DrawButton(const DRAWITEMSTRUCT& item)
{
    const Control* control = FindByWindow(item.hwndItem);
    if (control == nullptr) {
        return;
    }
    HDC target = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const std::int32_t back =
        control->placement.backColor == kDefaultColor ? SystemFaceColor() : control->placement.backColor;
    FillWithColor(target, area, back);
    DrawEdge(target, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int shift = pressed ? 1 : 0;

    RECT content = area;
    InflateRect(&content, -3, -3);
    int pictureHeight = 0;
    const std::wstring caption = Widen(Text(control->placement.name));
    if (control->buttonPicture) {
        const PixelBuffer& picture = *control->buttonPicture;
        pictureHeight = picture.Height();
        const int left = (area.left + area.right - picture.Width()) / 2 + shift;
        const int top =
            caption.empty() ? (area.top + area.bottom - picture.Height()) / 2 + shift : content.top + shift;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = picture.Width();
        info.bmiHeader.biHeight = -picture.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(target, left, top, static_cast<DWORD>(picture.Width()),
                          static_cast<DWORD>(picture.Height()), 0, 0, 0, static_cast<UINT>(picture.Height()),
                          picture.Data(), &info, DIB_RGB_COLORS);
    }
    if (!caption.empty()) {
        HGDIOBJ oldFont = SelectObject(target, FontFor(control->placement.font));
        SetBkMode(target, TRANSPARENT);
        const std::int32_t fore =
            control->placement.foreColor == kDefaultColor ? 0 : control->placement.foreColor;
        SetTextColor(target, disabled ? GetSysColor(COLOR_GRAYTEXT) : ToColorRef(fore));
        RECT text = content;
        if (pictureHeight > 0) {
            text.top += pictureHeight;
        }
        // One line when the caption fits between the button's edges, wrapped otherwise.
        RECT measured = text;
        DrawTextW(target, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        UINT format = DT_CENTER | DT_NOPREFIX;
        if (measured.right - measured.left <= (area.right - area.left) - 4) {
            format |= DT_SINGLELINE;
            text.left = area.left + 2;
            text.right = area.right - 2;
        } else {
            format |= DT_WORDBREAK;
            measured = text;
            DrawTextW(target, caption.c_str(), static_cast<int>(caption.size()), &measured,
                      format | DT_CALCRECT);
        }
        const int textHeight = measured.bottom - measured.top;
        text.top += ((text.bottom - text.top) - textHeight) / 2 + shift;
        text.left += shift;
        text.right += shift;
        DrawTextW(target, caption.c_str(), static_cast<int>(caption.size()), &text, format);
        SelectObject(target, oldFont);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = area;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(target, &focus);
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
        Control* existing = Find(placement.name);
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
    auto control = std::make_unique<Control>();
    control->placement = placement;
    control->id = nextId_++;
    Control& record = *control;
    controls_.push_back(std::move(control));
    byName_[placement.name] = &record;

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
        for (const auto& other : controls_) {
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

    record.window =
        CreateWindowExW(extendedStyle, windowClass, Widen(placement.caption).c_str(), style, placement.x,
                        placement.y, placement.width, placement.height, ContainerWindow(placement.parent),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.id)), instance_, creationData);
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
        const std::int32_t back = placement.backColor == kDefaultColor ? fallback : placement.backColor;
        record.picture = std::make_unique<Win32PictureBox>(
            record.window, placement.width, placement.height, back,
            placement.kind == ControlKind::Image ? PictureFit::Stretch : PictureFit::AutoSize);
    }
    LoadDesignPicture(record);
}

void Win32Form::LoadDesignPicture(Control& control)
{
    const std::string& file = control.placement.picture;
    if (control.placement.kind == ControlKind::CommandButton) {
        control.buttonPicture.reset();
        if (!file.empty()) {
            control.buttonPicture = DecodePictureFile(ApplicationFile(file));
        }
    } else if (control.picture && !file.empty() && !control.picture->LoadPicture(ApplicationFile(file))) {
        // A box whose picture is missing or damaged has no image, so reading it fails and the
        // preparation step that needs it warns, instead of working on a blank box.
        control.picture->MakeEmpty();
    }
}

std::string Win32Form::ApplicationFile(const std::string& relativePath) const
{
    std::string path = applicationDirectory_ + "\\" + relativePath;
    for (std::size_t index = applicationDirectory_.size(); index < path.size(); ++index) {
        path[index] = path[index] == '/' ? '\\' : path[index];
    }
    return path;
}

void Win32Form::PlaceControl(Control& control, const ControlLayout& placement)
{
    const bool pictureChanged = placement.picture != control.placement.picture;
    control.placement = placement;
    if (pictureChanged) {
        LoadDesignPicture(control);
    }
    if (placement.kind == ControlKind::Timer) {
        RestartTimer(control);
        return;
    }
    if (control.window == nullptr) {
        RepaintShape(control);
        return;
    }
    SetWindowPos(control.window, nullptr, placement.x, placement.y, placement.width, placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowTextW(control.window, Widen(placement.caption).c_str());
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(placement.font)), FALSE);
    EnableWindow(control.window, placement.enabled ? TRUE : FALSE);
    ShowWindow(control.window, placement.visible ? SW_SHOWNA : SW_HIDE);
    if (control.picture && placement.backColor != kDefaultColor) {
        control.picture->SetBackColor(placement.backColor);
    }
    InvalidateRect(control.window, nullptr, TRUE);
}

HWND Win32Form::ContainerWindow(const std::string& parent) const
{
    if (!parent.empty()) {
        const Control* container = Find(parent);
        if (container != nullptr && container->window != nullptr) {
            return container->window;
        }
    }
    return window_;
}

std::int32_t Win32Form::ContainerBackColor(const std::string& parent) const
{
    const Control* container = parent.empty() ? nullptr : Find(parent);
    if (container == nullptr) {
        return backColor_ == kDefaultColor ? SystemFaceColor() : backColor_;
    }
    if (container->picture) {
        return container->picture->BackColor();
    }
    if (container->placement.backColor != kDefaultColor) {
        return container->placement.backColor;
    }
    return ContainerBackColor(container->placement.parent);
}

HFONT Win32Form::FontFor(const FontChoice& font)
{
    const std::string family = font.family.empty() ? kDefaultFontFamily : font.family;
    const double points = font.pointSize > 0 ? font.pointSize : kDefaultPointSize;
    const std::string key = family + "|" + std::to_string(points) + (font.bold ? "|bold" : "");
    const auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second;
    }
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int height = -static_cast<int>(std::lround(points * dotsPerInch / 72.0));
    // Asked for by name with the Japanese character set, so a substitute still has the glyphs.
    HFONT handle = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, Widen(family).c_str());
    fonts_[key] = handle;
    return handle;
}

HBRUSH Win32Form::BrushFor(std::int32_t color)
{
    const auto found = brushes_.find(color);
    if (found != brushes_.end()) {
        return found->second;
    }
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    brushes_[color] = brush;
    return brush;
}

void Win32Form::RestartTimer(Control& control)
{
    if (window_ == nullptr) {
        return;
    }
    const auto id = static_cast<UINT_PTR>(control.id);
    if (control.timerRunning) {
        KillTimer(window_, id);
        control.timerRunning = false;
    }
    if (control.placement.enabled && control.placement.timerInterval > 0) {
        control.timerRunning =
            SetTimer(window_, id, static_cast<UINT>(control.placement.timerInterval), nullptr) != 0;
    }
}

void Win32Form::RepaintShape(const Control& control)
{
    HWND container = ContainerWindow(control.placement.parent);
    if (container == nullptr) {
        return;
    }
    // The shape's old place is not known here; the whole container is cheap to repaint.
    InvalidateRect(container, nullptr, FALSE);
}

Win32Form::Control* Win32Form::Find(std::string_view name)
{
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

const Win32Form::Control* Win32Form::Find(std::string_view name) const
{
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

Win32Form::Control* Win32Form::FindByWindow(HWND window)
{
    if (window == nullptr) {
        return nullptr;
    }
    for (const auto& control : controls_) {
        if (control->window == window) {
            return control.get();
        }
    }
    return nullptr;
}

HWND Win32Form::ControlWindow(std::string_view name) const
{
    const Control* control = Find(name);
    return control == nullptr ? nullptr : control->window;
}

Win32PictureBox* Win32Form::Picture(std::string_view name)
{
    Control* control = Find(name);
    return control == nullptr ? nullptr : control->picture.get();
}

void Win32Form::SetEnabled(std::string_view name, bool enabled)
{
    Control* control = Find(name);
    if (control == nullptr) {
        return;
    }
    control->placement.enabled = enabled;
    if (control->placement.kind == ControlKind::Timer) {
        RestartTimer(*control);
    } else if (control->window != nullptr) {
        EnableWindow(control->window, enabled ? TRUE : FALSE);
    }
}

bool Win32Form::IsEnabled(std::string_view name) const
{
    const Control* control = Find(name);
    if (control == nullptr) {
        return false;
    }
    return control->window != nullptr ? IsWindowEnabled(control->window) != FALSE
                                      : control->placement.enabled;
}

void Win32Form::SetVisible(std::string_view name, bool visible)
{
    Control* control = Find(name);
    if (control == nullptr) {
        return;
    }
    control->placement.visible = visible;
    if (control->window != nullptr) {
        ShowWindow(control->window, visible ? SW_SHOWNA : SW_HIDE);
    } else if (control->placement.kind == ControlKind::Shape) {
        RepaintShape(*control);
    }
}

void Win32Form::SetText(std::string_view name, std::string_view text)
{
    Control* control = Find(name);
    if (control == nullptr) {
        return;
    }
    control->placement.caption = std::string(text);
    if (control->window != nullptr) {
        SetWindowTextW(control->window, Widen(text).c_str());
        if (control->placement.kind != ControlKind::TextBox) {
            InvalidateRect(control->window, nullptr,
                           TRUE);  // owner-drawn buttons and frames paint the caption
        }
    }
}

std::string Win32Form::Text(std::string_view name) const
{
    const Control* control = Find(name);
    if (control == nullptr) {
        return {};
    }
    if (control->window == nullptr) {
        return control->placement.caption;
    }
    const int length = GetWindowTextLengthW(control->window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control->window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void Win32Form::SetBackColor(std::string_view name, std::int32_t color)
{
    Control* control = Find(name);
    if (control == nullptr) {
        return;
    }
    control->placement.backColor = color;
    if (control->picture) {
        control->picture->SetBackColor(color == kDefaultColor ? SystemFaceColor() : color);
    }
    if (control->window != nullptr) {
        InvalidateRect(control->window, nullptr, TRUE);
    } else {
        RepaintShape(*control);
    }
}

std::int32_t Win32Form::BackColor(std::string_view name) const
{
    const Control* control = Find(name);
    return control == nullptr ? kDefaultColor : control->placement.backColor;
}

void Win32Form::SetBounds(std::string_view name, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height)
{
    Control* control = Find(name);
    if (control == nullptr) {
        return;
    }
    control->placement.x = x;
    control->placement.y = y;
    control->placement.width = width;
    control->placement.height = height;
    if (control->window != nullptr) {
        SetWindowPos(control->window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RepaintShape(*control);
    }
}

std::optional<RECT> Win32Form::Bounds(std::string_view name) const
{
    const Control* control = Find(name);
    if (control == nullptr) {
        return std::nullopt;
    }
    if (control->window == nullptr) {
        const ControlLayout& placement = control->placement;
        return RECT{placement.x, placement.y, placement.x + placement.width, placement.y + placement.height};
    }
    RECT area{};
    GetWindowRect(control->window, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(control->window), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Win32Form::SetChecked(std::string_view name, bool checked)
{
    HWND window = ControlWindow(name);
    if (window != nullptr) {
        SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (!checked) {
            return;
        }
        // A programmatic choice clears the other options of the group, as a click would.
        const Control* chosen = Find(name);
        for (const auto& other : controls_) {
            if (other.get() != chosen && other->placement.kind == ControlKind::OptionButton &&
                other->placement.parent == chosen->placement.parent && other->window != nullptr) {
                SendMessageW(other->window, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
}

bool Win32Form::IsChecked(std::string_view name) const
{
    HWND window = ControlWindow(name);
    return window != nullptr && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::ListAddItem(std::string_view name, std::string_view item)
{
    HWND window = ControlWindow(name);
    if (window != nullptr) {
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

void Win32Form::ListClear(std::string_view name)
{
    HWND window = ControlWindow(name);
    if (window != nullptr) {
        SendMessageW(window, LB_RESETCONTENT, 0, 0);
    }
}

int Win32Form::ListCount(std::string_view name) const
{
    HWND window = ControlWindow(name);
    return window == nullptr ? 0 : static_cast<int>(SendMessageW(window, LB_GETCOUNT, 0, 0));
}

void Win32Form::ListSelect(std::string_view name, int index)
{
    HWND window = ControlWindow(name);
    if (window != nullptr) {
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

int Win32Form::ListSelectedIndex(std::string_view name) const
{
    HWND window = ControlWindow(name);
    return window == nullptr ? -1 : static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
}

std::string Win32Form::ListItem(std::string_view name, int index) const
{
    HWND window = ControlWindow(name);
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

void Win32Form::SetTimerEnabled(std::string_view name, bool enabled)
{
    Control* control = Find(name);
    if (control != nullptr && control->placement.kind == ControlKind::Timer) {
        control->placement.enabled = enabled;
        RestartTimer(*control);
    }
}

void Win32Form::SetFocus(std::string_view name)
{
    HWND window = ControlWindow(name);
    if (window != nullptr) {
        ::SetFocus(window);
    }
}

bool Win32Form::TranslateKeyboard(const MSG& message)
{
    if (window_ == nullptr || message.message != WM_KEYDOWN ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        HWND next = GetNextDlgTabItem(window_, GetFocus(), GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE);
        if (next != nullptr) {
            ::SetFocus(next);
        }
        return true;
    }
    const Control* control = FindByWindow(message.hwnd);
    if (message.wParam == VK_RETURN && control != nullptr &&
        control->placement.kind == ControlKind::CommandButton) {
        PostMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
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

void Win32Form::Close()
{
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

}  // namespace palvo::win32
