#pragma once

#include <cstdint>

namespace palvo {

// Seed material for the number picker.
class EntropySource {
public:
    virtual ~EntropySource() = default;

    // A fresh seed: real entropy mixed with the time of day.
    virtual std::uint64_t FreshSeed() = 0;
};

}  // namespace palvo
