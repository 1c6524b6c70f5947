#pragma once

#include "platform/event_pump.h"

namespace palvo {

// Runs a nested Qt event loop for a while; the thread sleeps whenever no event is due.
class QtEventPump : public EventPump {
public:
    // Handles events for `milliseconds` (0: only those already pending), then returns.
    void ProcessEventsFor(std::uint32_t milliseconds) override;
};

}  // namespace palvo
