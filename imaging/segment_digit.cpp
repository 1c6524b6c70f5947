#include "imaging/segment_digit.h"

namespace palvo {

std::array<std::array<std::int32_t, 2>, kDigitBars> DigitBarPlaces(std::int32_t x, std::int32_t y,
                                                                   const DigitShape& shape)
{
    // Bars meet at their tapered tips: each sits half a thickness and a gap in from the corner.
    const std::int32_t space = shape.space;
    const std::int32_t barX = x + space + shape.thickness / 2;
    const std::int32_t upperY = y + space + shape.thickness / 2;
    const std::int32_t lowerY = upperY + shape.length + 2 * space;
    const std::int32_t rightX = x + shape.length + 2 * space;
    return {{
        {barX, y},
        {barX, y + shape.length + 2 * space},
        {barX, y + 2 * shape.length + 4 * space},
        {x, upperY},
        {x, lowerY},
        {rightX, upperY},
        {rightX, lowerY},
    }};
}

}  // namespace palvo
