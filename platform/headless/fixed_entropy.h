#pragma once

#include <cstdint>

#include "platform/entropy_source.h"

namespace palvo {

// Entropy that hands out `seed`, `seed` + 1, ... so that every run of a test draws the same numbers.
class FixedEntropy : public EntropySource {
public:
    explicit FixedEntropy(std::uint64_t seed = 1) : next_(seed) {}

    std::uint64_t FreshSeed() override
    {
        ++calls_;
        return next_++;
    }

    int Calls() const { return calls_; }

private:
    std::uint64_t next_;
    int calls_ = 0;
};

}  // namespace palvo
