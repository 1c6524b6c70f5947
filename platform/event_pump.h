#pragma once

#include <cstdint>

namespace palvo {

// The window system's event loop, entered from inside a handler.
class EventPump {
public:
    virtual ~EventPump() = default;

    // Handles pending window events and keeps handling events as they arrive for about
    // `milliseconds`, sleeping while none is due; returns after that time (it may return
    // earlier). Never spins a processor core.
    virtual void ProcessEventsFor(std::uint32_t milliseconds) = 0;
};

}  // namespace palvo
