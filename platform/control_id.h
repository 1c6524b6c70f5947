#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace palvo {

// Every control of the program's two windows, named as in its window, with its element count. A
// control array (cells, labels, option buttons) is one entry; its elements are told apart by
// ControlId's index. The enumeration, its names (control_id.cpp) and its counts are made from this list.
// clang-format off
#define PALVO_CONTROLS(X) \
    /* The main window. */ \
    X(picBase, 1) \
    X(cmdStart, 1) \
    X(picHist, 1) \
    X(cmdHistBack, 1) \
    X(picHistNum, 5) /* array of 5: the history cells, 0 the newest */ \
    X(spHistNum, 5) /* array of 5: each cell's frame */ \
    X(cmdHistForward, 1) \
    X(cmdReset, 1) \
    X(cmdSetting, 1) \
    X(lblistNum, 5) /* array of 5: the ordinals under the cells */ \
    X(lstHistory, 1) \
    X(picHorizontal, 4) /* array of 4: the horizontal bar pictures, by size */ \
    X(picVertical, 4) /* array of 4: the vertical bar pictures, by size */ \
    X(txtNum, 1) \
    X(Command1, 1) \
    X(Command2, 1) \
    X(Command3, 1) \
    X(lbTime, 1) \
    X(Command4, 1) \
    X(Timer1, 1) \
    /* The settings dialog. */ \
    X(picBgCap, 1) \
    X(imgBgCap, 1) \
    X(Frame3, 1) \
    X(cmdSelBgImage, 1) \
    X(lbtitle, 12) /* array of 12: the dialog's fixed captions */ \
    X(lbBgImgFile, 1) \
    X(Frame4, 1) \
    X(txtNumMax, 1) \
    X(spNumColor, 1) \
    X(cmdSelNumColor, 1) \
    X(Frame1, 1) \
    X(opNumSize, 3) /* array of 3: small, medium, large */ \
    X(Frame2, 1) \
    X(opNumPos, 5) /* array of 5: upper left, upper right, lower left, lower right, centre */ \
    X(Frame5, 1) \
    X(lbRhythmFast, 1) \
    X(cmdRhythmFastDown, 1) \
    X(picRhythmFast, 1) \
    X(spRhythmFast, 1) \
    X(cmdRhythmFastUp, 1) \
    X(lbRhythmSlow, 1) \
    X(cmdRhythmSlowDown, 1) \
    X(picRhythmSlow, 1) \
    X(spRhythmSlow, 1) \
    X(cmdRhythmSlowUp, 1) \
    X(cmdSaveSetting, 1) \
    X(cmdClose, 1)
// clang-format on

enum class Control : std::uint8_t {
#define PALVO_CONTROL_ENUMERATOR(name, count) name,
    PALVO_CONTROLS(PALVO_CONTROL_ENUMERATOR)
#undef PALVO_CONTROL_ENUMERATOR
};

#define PALVO_CONTROL_ONE(name, count) +1
inline constexpr std::size_t kControlCount = 0 PALVO_CONTROLS(PALVO_CONTROL_ONE);
#undef PALVO_CONTROL_ONE

// The number of elements of a control array; 1 for a single control.
constexpr int ElementCount(Control control)
{
    switch (control) {
#define PALVO_CONTROL_COUNT(name, count) \
    case Control::name:                  \
        return count;
        PALVO_CONTROLS(PALVO_CONTROL_COUNT)
#undef PALVO_CONTROL_COUNT
    }
    return 1;
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
#define PALVO_CONTROL_ELEMENTS(name, count) +count
inline constexpr std::size_t kControlSlotCount = 0 PALVO_CONTROLS(PALVO_CONTROL_ELEMENTS);
#undef PALVO_CONTROL_ELEMENTS

// The control's name in its window: "cmdStart", array elements as "picHistNum(2)".
std::string ControlName(ControlId id);

std::ostream& operator<<(std::ostream& out, ControlId id);

}  // namespace palvo
