#pragma once

#include <cmath>
#include <cstdint>

namespace palvo {

// Windows are designed in twips; a screen has a number of twips per pixel in each direction
// (15 at 96 dots per inch). Twips become the nearest pixel; an exact half goes to the even
// neighbour, the rounding every placement of both windows was fixed with.
inline std::int32_t TwipsToPixels(double twips, double twipsPerPixel)
{
    return static_cast<std::int32_t>(std::nearbyint(twips / twipsPerPixel));
}

}  // namespace palvo
