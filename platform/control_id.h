#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace palvo {

// Every control of the program's two windows, named as in its window. A control array (cells,
// labels, option buttons) is one enumerator; its elements are told apart by ControlId's index.
enum class Control : std::uint8_t {
    // The main window.
    picBase,
    cmdStart,
    picHist,
    cmdHistBack,
    picHistNum,  // array of 5: the history cells, 0 the newest
    spHistNum,   // array of 5: each cell's frame
    cmdHistForward,
    cmdReset,
    cmdSetting,
    lblistNum,  // array of 5: the ordinals under the cells
    lstHistory,
    picHorizontal,  // array of 4: the horizontal bar pictures, by size
    picVertical,    // array of 4: the vertical bar pictures, by size
    txtNum,
    Command1,
    Command2,
    Command3,
    lbTime,
    Command4,
    Timer1,
    // The settings dialog.
    picBgCap,
    imgBgCap,
    Frame3,
    cmdSelBgImage,
    lbtitle,  // array of 12: the dialog's fixed captions
    lbBgImgFile,
    Frame4,
    txtNumMax,
    spNumColor,
    cmdSelNumColor,
    Frame1,
    opNumSize,  // array of 3: small, medium, large
    Frame2,
    opNumPos,  // array of 5: upper left, upper right, lower left, lower right, centre
    Frame5,
    lbRhythmFast,
    cmdRhythmFastDown,
    picRhythmFast,
    spRhythmFast,
    cmdRhythmFastUp,
    lbRhythmSlow,
    cmdRhythmSlowDown,
    picRhythmSlow,
    spRhythmSlow,
    cmdRhythmSlowUp,
    cmdSaveSetting,
    cmdClose,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::cmdClose) + 1;

// The number of elements of a control array; 1 for a single control.
constexpr int ElementCount(Control control)
{
    switch (control) {
        case Control::picHistNum:
        case Control::spHistNum:
        case Control::lblistNum:
        case Control::opNumPos:
            return 5;
        case Control::picHorizontal:
        case Control::picVertical:
            return 4;
        case Control::lbtitle:
            return 12;
        case Control::opNumSize:
            return 3;
        default:
            return 1;
    }
}

// One control, or one element of a control array. A single control converts implicitly.
class ControlId {
public:
    constexpr ControlId(Control control) : control_(control) {}  // NOLINT: implicit on purpose
    // Element `index` of an array. Precondition: 0 <= index < ElementCount(control).
    constexpr ControlId(Control control, int index)
        : control_(control), index_(static_cast<std::uint8_t>(index))
    {
    }

    constexpr Control control() const { return control_; }
    constexpr int index() const { return index_; }

    friend constexpr auto operator<=>(const ControlId&, const ControlId&) = default;

private:
    Control control_;
    std::uint8_t index_ = 0;
};

// A dense number for every control and array element, below kControlSlotCount, so that a view
// can keep its widgets in one array indexed by control.
constexpr std::size_t ControlSlot(ControlId id)
{
    std::size_t slot = 0;
    for (std::size_t c = 0; c < static_cast<std::size_t>(id.control()); ++c) {
        slot += static_cast<std::size_t>(ElementCount(static_cast<Control>(c)));
    }
    return slot + static_cast<std::size_t>(id.index());
}
inline constexpr std::size_t kControlSlotCount = ControlSlot(Control::cmdClose) + 1;

// The control's name in its window: "cmdStart", array elements as "picHistNum(2)".
std::string ControlName(ControlId id);

std::ostream& operator<<(std::ostream& out, ControlId id);

}  // namespace palvo
