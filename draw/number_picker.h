#pragma once

#include <cstdint>
#include <random>

namespace palvo {

// Turns uniform random values into candidate numbers, every number of 1 ... numMax equally likely.
class NumberPicker {
public:
    // Restarts the generator from `seed`; the same seed gives the same candidates.
    void Seed(std::uint64_t seed);

    // A candidate in 1 ... numMax: floor(r * numMax) + 1 for a single-precision r uniform in
    // [0, 1). Always 1 when numMax is below 2.
    std::int16_t PickNumber(std::int16_t numMax);

    // The next single-precision value in [0, 1), exact to 24 bits.
    float NextUniform();

private:
    std::mt19937 generator_;
};

}  // namespace palvo
