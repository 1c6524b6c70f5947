// How a form paints: its containers (form, frames, picture boxes, shapes), the owner-drawn
// buttons, and the fonts, brushes and colours they use.
#include <cmath>
#include <string>

#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_form_child.h"
#include "platform/win32/win32_gdi.h"

namespace palvo::win32 {

namespace {

constexpr char kDefaultFontFamily[] = "MS UI Gothic";
constexpr double kDefaultPointSize = 9.0;

}  // namespace

void Win32Form::PaintContainer(HWND window, HDC target)
{
    RECT client{};
    GetClientRect(window, &client);
    std::optional<ControlId> container;  // none: the form itself
    if (window == window_) {
        FillWithColor(target, client, backColor_.value_or(SystemFaceColor()));
    } else {
        Child* child = FindByWindow(window);
        if (child == nullptr) {
            FillWithColor(target, client, SystemFaceColor());
            return;
        }
        container = child->placement.id;
        if (child->picture) {
            child->picture->Paint(target);
        } else {
            // A frame: an etched rectangle with its caption set into the top line.
            const std::int32_t back =
                child->placement.backColor.value_or(ContainerBackColor(child->placement.parent));
            FillWithColor(target, client, back);
            HGDIOBJ oldFont = SelectObject(target, FontFor(child->placement.font));
            TEXTMETRICW metrics{};
            GetTextMetricsW(target, &metrics);
            RECT frame = client;
            frame.top += metrics.tmHeight / 2;
            DrawEdge(target, &frame, EDGE_ETCHED, BF_RECT);
            if (!child->placement.caption.empty()) {
                const std::wstring caption = Widen(child->placement.caption);
                SetBkMode(target, OPAQUE);
                SetBkColor(target, ToColorRef(back));
                SetTextColor(target, ToColorRef(child->placement.foreColor.value_or(
                                         static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT)))));
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
    for (const auto& child : children_) {
        const ControlLayout& shape = child->placement;
        if (shape.kind != ControlKind::Shape || !shape.visible || shape.parent != container) {
            continue;
        }
        const RECT area{shape.x, shape.y, shape.x + shape.width, shape.y + shape.height};
        if (shape.backColor.has_value()) {
            FillWithColor(target, area, *shape.backColor);
        }
        if (shape.borderColor.has_value()) {
            HBRUSH border = CreateSolidBrush(ToColorRef(*shape.borderColor));
            FrameRect(target, &area, border);
            DeleteObject(border);
        }
    }
}

void Win32Form::DrawButton(const DRAWITEMSTRUCT& item)
{
    const Child* child = FindByWindow(item.hwndItem);
    if (child == nullptr) {
        return;
    }
    HDC target = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const std::int32_t back = child->placement.backColor.value_or(SystemFaceColor());
    FillWithColor(target, area, back);
    DrawEdge(target, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int shift = pressed ? 1 : 0;

    RECT content = area;
    InflateRect(&content, -3, -3);
    int pictureHeight = 0;
    const std::wstring caption = Widen(Text(child->placement.id));
    if (child->buttonPicture) {
        const PixelBuffer& picture = *child->buttonPicture;
        pictureHeight = picture.Height();
        const int left = (area.left + area.right - picture.Width()) / 2 + shift;
        const int top =
            caption.empty() ? (area.top + area.bottom - picture.Height()) / 2 + shift : content.top + shift;
        const BITMAPINFO info = TopDownHeader(picture.Width(), picture.Height());
        SetDIBitsToDevice(target, left, top, static_cast<DWORD>(picture.Width()),
                          static_cast<DWORD>(picture.Height()), 0, 0, 0, static_cast<UINT>(picture.Height()),
                          picture.Data(), &info, DIB_RGB_COLORS);
    }
    if (!caption.empty()) {
        HGDIOBJ oldFont = SelectObject(target, FontFor(child->placement.font));
        SetBkMode(target, TRANSPARENT);
        const std::int32_t fore = child->placement.foreColor.value_or(0);
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
        if (child->buttonPicture) {
            // DrawFocusRect inverts every other pixel, which leaves a mid-grey face (the paging
            // buttons') almost as it was: the same dots in black or white stand out from it.
            const COLORREF face = ToColorRef(back);
            const int lightness = (GetRValue(face) * 299 + GetGValue(face) * 587 + GetBValue(face) * 114) / 1000;
            const COLORREF dots = lightness >= 96 ? RGB(0, 0, 0) : RGB(255, 255, 255);
            for (LONG x = focus.left; x < focus.right; ++x) {
                for (const LONG y : {focus.top, focus.bottom - 1}) {
                    if ((x + y) % 2 == 0) {
                        SetPixelV(target, x, y, dots);
                    }
                }
            }
            for (LONG y = focus.top + 1; y < focus.bottom - 1; ++y) {
                for (const LONG x : {focus.left, focus.right - 1}) {
                    if ((x + y) % 2 == 0) {
                        SetPixelV(target, x, y, dots);
                    }
                }
            }
        } else {
            DrawFocusRect(target, &focus);
        }
    }
}

std::int32_t Win32Form::ContainerBackColor(std::optional<ControlId> parent) const
{
    const Child* container = parent ? Find(*parent) : nullptr;
    if (container == nullptr) {
        return backColor_.value_or(SystemFaceColor());
    }
    if (container->picture) {
        return container->picture->BackColor();
    }
    if (container->placement.backColor.has_value()) {
        return *container->placement.backColor;
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

}  // namespace palvo::win32
