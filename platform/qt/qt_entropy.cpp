#include "platform/qt/qt_entropy.h"

#include <chrono>
#include <random>

namespace palvo {

namespace {

// SplitMix64 finaliser: spreads every input bit over the whole result.
std::uint64_t Mix(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

}  // namespace

std::uint64_t QtEntropy::FreshSeed()
{
    // A random device that is merely pseudo-random (or fails) still differs per run through the clock.
    std::uint64_t device = 0;
    try {
        std::random_device random;
        device = (static_cast<std::uint64_t>(random()) << 32) ^ random();
    } catch (...) {
        device = 0;
    }
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return Mix(device ^ Mix(now));
}

}  // namespace palvo
