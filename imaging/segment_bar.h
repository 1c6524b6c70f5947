#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/pixel_buffer.h"

// The seven-segment bar pictures the digits are built from, made by the program itself.
namespace palvo {

enum class BarOrientation { Horizontal, Vertical };

// Length (along the bar) and thickness (across it) of one segment bar, in pixels.
struct SegmentBarSize {
    std::int32_t length;
    std::int32_t thickness;
};

// The shipped bar sizes: indices 0 to 2 the small, medium and large digits, 3 the history cells.
inline constexpr std::array<SegmentBarSize, 4> kSegmentBarSizes = {{{92, 18}, {121, 24}, {150, 30}, {20, 3}}};

// The colour the shipped bars are drawn in (amber); preparation repaints them anyway.
inline constexpr ColorTriple kSegmentBarColor{0, 180, 255};

// The segment-bar artwork: a bar of `color` on black whose ends taper to a point. Counting the
// lines across the bar from the nearer tip as k = 0, 1, 2 ..., line k is black over
// max(0, (thickness - 1) / 2 - k) pixels at each side. A horizontal bar is length x thickness,
// a vertical one thickness x length. Returns an empty buffer for sizes no buffer can hold.
PixelBuffer MakeSegmentBar(BarOrientation orientation, SegmentBarSize size, ColorTriple color);

// File name of the shipped bar of this orientation and index: "horizontal0.bmp" ... "vertical3.bmp".
std::string SegmentBarFileName(BarOrientation orientation, int index);

}  // namespace palvo
