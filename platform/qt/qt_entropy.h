#pragma once

#include "platform/entropy_source.h"

namespace palvo {

// Seeds from the operating system's random device, mixed with the wall-clock time.
class QtEntropy : public EntropySource {
public:
    std::uint64_t FreshSeed() override;
};

}  // namespace palvo
