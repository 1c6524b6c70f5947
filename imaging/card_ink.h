#pragma once

#include <cstdint>
#include <string_view>

#include "imaging/segment_digit.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// Drawing on card pictures and the players' display without a font: digits from the display's seven-segment
// bars, letters from the program's own pen strokes, so that a card looks the same on every system. Everything
// is clipped to the picture.

// Fills the rectangle [x, x + width) x [y, y + height) with `color`.
void FillBox(PixelBuffer& picture, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             ColorTriple color);

// The digit 0 ... 9 with its top-left corner at (x, y), its bars shaped as the display's and
// inked in `color`; nothing for another value.
void DrawSegmentDigit(PixelBuffer& picture, std::int32_t x, std::int32_t y, const DigitShape& shape,
                      int digit, ColorTriple color);

// A one- or two-digit number centred on (centreX, centreY), digits `gap` apart.
void DrawSegmentNumber(PixelBuffer& picture, std::int32_t centreX, std::int32_t centreY,
                       const DigitShape& shape, std::int32_t gap, int number, ColorTriple color);

// A line from (x0, y0) to (x1, y1) drawn with a round pen of radius `pen`.
void DrawPenLine(PixelBuffer& picture, double x0, double y0, double x1, double y1, double pen,
                 ColorTriple color);

// Text of the letters, digits and marks the cards and the web address use (A-Z, small letters
// drawn as capitals, 0-9, '-', '.', ':', '/', ' '), each character
// 4 x 6 `unit`s with one unit between characters, centred on (centreX, centreY). Other
// characters leave a gap. Returns the text's width.
std::int32_t DrawStrokeText(PixelBuffer& picture, std::int32_t centreX, std::int32_t centreY,
                            std::string_view text, std::int32_t unit, double pen, ColorTriple color);

}  // namespace palvo
