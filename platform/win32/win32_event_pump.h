#pragma once

#include "platform/event_pump.h"

namespace palvo::win32 {

// Dispatches window messages from inside a handler until a deadline, sleeping in
// MsgWaitForMultipleObjects while none is queued. A WM_QUIT it meets is posted again for the
// outer message loop, and the wait ends at once.
class Win32EventPump : public EventPump {
public:
    void ProcessEventsFor(std::uint32_t milliseconds) override;
};

}  // namespace palvo::win32
