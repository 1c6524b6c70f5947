#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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
    std::string family;      // as named by the design; the platform substitutes a Japanese font when missing
    double pointSize = 0;    // 0: the platform's default font
    bool bold = false;
};

inline constexpr std::int32_t kDefaultColor = -1;

// One control of a window, fully placed: the platform creates it exactly like this.
struct ControlLayout {
    std::string name;        // object name, array elements as "picHistNum(2)"
    ControlKind kind = ControlKind::Label;
    std::string parent;      // containing control's name; "" for the window itself
    std::int32_t x = 0;      // pixels, relative to the parent's client area
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string caption;     // button/label/frame caption, text box text
    std::int32_t backColor = kDefaultColor;    // 0x00BBGGRR
    std::int32_t foreColor = kDefaultColor;
    std::int32_t borderColor = kDefaultColor;  // shapes only
    FontChoice font;
    bool visible = true;
    bool enabled = true;
    bool graphicalStyle = false;  // buttons: drawn flat in backColor
    std::string picture;          // buttons: picture file relative to the application directory
    std::int32_t timerInterval = 0;
};

// A control of `kind` named `name` inside `parent`, placed in pixels; every other field default.
inline ControlLayout MakeControl(std::string name, ControlKind kind, std::string parent, std::int32_t x,
                               std::int32_t y, std::int32_t width, std::int32_t height)
{
    ControlLayout placement;
    placement.name = std::move(name);
    placement.kind = kind;
    placement.parent = std::move(parent);
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
    std::int32_t backColor = kDefaultColor;
    std::vector<ControlLayout> controls;

    // The control with this name, or nullptr.
    const ControlLayout* Find(const std::string& name) const
    {
        for (const ControlLayout& control : controls) {
            if (control.name == name) {
                return &control;
            }
        }
        return nullptr;
    }
};

// "picHistNum" and 2 give "picHistNum(2)".
inline std::string ArrayName(const std::string& name, int index)
{
    return name + "(" + std::to_string(index) + ")";
}

}  // namespace palvo
