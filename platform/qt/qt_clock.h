#pragma once

#include <QElapsedTimer>

#include "platform/clock.h"

namespace palvo {

// Milliseconds from a monotonic clock started with the object.
class QtClock : public Clock {
public:
    QtClock() { timer_.start(); }

    // Milliseconds since construction, wrapping modulo 2^32.
    std::uint32_t TickCount() override { return static_cast<std::uint32_t>(timer_.elapsed()); }

private:
    QElapsedTimer timer_;
};

}  // namespace palvo
