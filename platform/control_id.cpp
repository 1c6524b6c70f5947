#include "platform/control_id.h"

#include <array>
#include <ostream>
#include <string_view>

namespace palvo {
namespace {

constexpr std::array<std::string_view, kControlCount> kNames = {
#define PALVO_CONTROL_NAME(name, count) #name,
    PALVO_CONTROLS(PALVO_CONTROL_NAME)
#undef PALVO_CONTROL_NAME
};

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
