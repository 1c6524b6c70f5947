#include "platform/control_id.h"

#include <array>
#include <ostream>
#include <string_view>

namespace palvo {
namespace {

constexpr std::array<std::string_view, kControlCount> kNames = {
    "picBase",
    "cmdStart",
    "picHist",
    "cmdHistBack",
    "picHistNum",
    "spHistNum",
    "cmdHistForward",
    "cmdReset",
    "cmdSetting",
    "lblistNum",
    "lstHistory",
    "picHorizontal",
    "picVertical",
    "txtNum",
    "Command1",
    "Command2",
    "Command3",
    "lbTime",
    "Command4",
    "Timer1",
    "picBgCap",
    "imgBgCap",
    "Frame3",
    "cmdSelBgImage",
    "lbtitle",
    "lbBgImgFile",
    "Frame4",
    "txtNumMax",
    "spNumColor",
    "cmdSelNumColor",
    "Frame1",
    "opNumSize",
    "Frame2",
    "opNumPos",
    "Frame5",
    "lbRhythmFast",
    "cmdRhythmFastDown",
    "picRhythmFast",
    "spRhythmFast",
    "cmdRhythmFastUp",
    "lbRhythmSlow",
    "cmdRhythmSlowDown",
    "picRhythmSlow",
    "spRhythmSlow",
    "cmdRhythmSlowUp",
    "cmdSaveSetting",
    "cmdClose",
};
// A control added to the enumeration without its name here would be nameless.
static_assert(
    [] {
        for (const std::string_view name : kNames) {
            if (name.empty()) {
                return false;
            }
        }
        return true;
    }(),
    "every control has its name");

}  // namespace

std::string ControlName(ControlId id)
{
    std::string name(kNames[static_cast<std::size_t>(id.control())]);
    if (ElementCount(id.control()) > 1) {
        name += "(" + std::to_string(id.index()) + ")";
    }
    return name;
}

std::ostream& operator<<(std::ostream& out, ControlId id)
{
    return out << ControlName(id);
}

}  // namespace palvo
