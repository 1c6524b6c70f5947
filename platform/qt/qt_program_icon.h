#pragma once

#include <QIcon>

namespace palvo {

// The program's window icon: an orange seven-segment "8" on the navy of the default background,
// drawn at the usual icon sizes.
QIcon ProgramIcon();

}  // namespace palvo
