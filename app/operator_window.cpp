#include "app/operator_window.h"

#include "imaging/dib_access.h"

namespace palvo {

ColorTriple DigitColour(const OperatorWindow& window)
{
    ColorTriple colour;
    if (!window.NumColor() || !ColorToRGB(*window.NumColor(), colour)) {
        colour = ColorTriple{0x00, 0x80, 0xFF};
    }
    return colour;
}

}  // namespace palvo
