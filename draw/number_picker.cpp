#include "draw/number_picker.h"

#include <cmath>

namespace palvo {

void NumberPicker::Seed(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    generator_.seed(sequence);
}

float NumberPicker::NextUniform()
{
    // 24 random bits fill a float's significand exactly, so every value is equally likely.
    return static_cast<float>(generator_() >> 8) * 0x1.0p-24f;
}

std::int16_t NumberPicker::PickNumber(std::int16_t numMax)
{
    const float r = NextUniform();
    if (numMax < 2) {
        return 1;
    }
    // r * numMax is exact in double (24 + 15 bits), so the floor never rounds up to numMax.
    const double scaled = static_cast<double>(r) * numMax;
    return static_cast<std::int16_t>(std::floor(scaled) + 1);
}

}  // namespace palvo
