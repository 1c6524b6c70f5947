#pragma once

#include <cstdint>

namespace palvo {

// Milliseconds since some fixed start; differences are taken modulo 2^32.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickCount() = 0;
};

}  // namespace palvo
