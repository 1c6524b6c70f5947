#pragma once

#include "platform/clock.h"

namespace palvo::win32 {

// The system tick counter (GetTickCount): milliseconds since the system started, wrapping.
class Win32Clock : public Clock {
public:
    std::uint32_t TickCount() override;
};

}  // namespace palvo::win32
