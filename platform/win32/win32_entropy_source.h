#pragma once

#include "platform/entropy_source.h"

namespace palvo::win32 {

// The system's random number generator (BCryptGenRandom) mixed with the time of day.
class Win32EntropySource : public EntropySource {
public:
    std::uint64_t FreshSeed() override;
};

}  // namespace palvo::win32
