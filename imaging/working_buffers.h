#pragma once

#include "platform/pixel_buffer.h"

namespace palvo {

// The six pixel buffers the number display is composed in. The bitmap preparation fills
// them; the digit rendering stamps bars from the first four into the last two.
struct WorkingBuffers {
    PixelBuffer NumBarPixels_H;    // big horizontal bar, recoloured
    PixelBuffer NumBarPixels_V;    // big vertical bar, recoloured
    PixelBuffer HistNumPixels_H;   // history horizontal bar, recoloured
    PixelBuffer HistNumPixels_V;   // history vertical bar, recoloured
    PixelBuffer PicNumPixels;      // image of picBase: background plus the big number
    PixelBuffer PicHistNumPixels;  // image of the history cell being drawn
};

}  // namespace palvo
