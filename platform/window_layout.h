#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/control_id.h"

// A window described as data, control by control, so that each platform builds the same window.
namespace palvo {

enum class ControlKind {
    PictureBox,     // may hold a persistent image (see PictureSurface) and contain controls
    CommandButton,
    Label,
    ListBox,
    TextBox,
    Timer,          // no geometry; `timerInterval` in milliseconds
    Shape,          // rectangle: border only (`borderColor`) or filled (`backColor`)
    Frame,          // group box with an optional caption; contains controls
    OptionButton,   // radio button; the options of one container exclude each other
    Image,          // shows a picture stretched to its size
};

struct FontChoice {
    std::string family;      // a Windows font name; elsewhere the platform substitutes a Japanese font
    double pointSize = 0;    // 0: the platform's default font
    bool bold = false;
};

// A colour as 0x00BBGGRR; none leaves the platform's own colour for that part.
using LayoutColor = std::optional<std::int32_t>;

// One control of a window, fully placed: the platform creates it exactly like this.
struct ControlLayout {
    ControlId id = Control::picBase;
    ControlKind kind = ControlKind::Label;
    std::optional<ControlId> parent;  // the containing control; none for the window itself
    std::int32_t x = 0;      // pixels, relative to the parent's client area
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string caption;     // button/label/frame caption, text box text
    LayoutColor backColor;
    LayoutColor foreColor;
    LayoutColor borderColor;  // shapes only
    FontChoice font;
    bool visible = true;
    bool enabled = true;
    bool graphicalStyle = false;  // buttons: drawn flat in backColor
    std::string picture;          // buttons: picture file relative to the application directory
    std::int32_t timerInterval = 0;
};

// Control `id` of `kind` inside `parent`, placed in pixels; every other field default.
inline ControlLayout MakeControl(ControlId id, ControlKind kind, std::optional<ControlId> parent,
                                 std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    ControlLayout placement;
    placement.id = id;
    placement.kind = kind;
    placement.parent = parent;
    placement.x = x;
    placement.y = y;
    placement.width = width;
    placement.height = height;
    return placement;
}

// A window and every control in it, parents listed before their children.
struct WindowLayout {
    std::string caption;
    std::int32_t outerWidth = 0;   // pixels, frame included
    std::int32_t outerHeight = 0;
    std::int32_t clientWidth = 0;  // used instead of the outer size where it is not 0 (dialogs)
    std::int32_t clientHeight = 0;
    LayoutColor backColor;
    std::vector<ControlLayout> controls;

    // The control `id`, or nullptr when this window has no such control.
    const ControlLayout* Find(ControlId id) const
    {
        for (const ControlLayout& control : controls) {
            if (control.id == id) {
                return &control;
            }
        }
        return nullptr;
    }
};

// True when control `id` of `layout` and every container around it are enabled, each as
// `isEnabled(id)` reports it: a click reaches a control only through enabled containers.
template <typename IsEnabled>
bool IsEnabledWithContainers(const WindowLayout& layout, ControlId id, const IsEnabled& isEnabled)
{
    const ControlLayout* control = layout.Find(id);
    while (control != nullptr) {
        if (!isEnabled(control->id)) {
            return false;
        }
        if (!control->parent) {
            return true;
        }
        control = layout.Find(*control->parent);
    }
    return false;
}

}  // namespace palvo
