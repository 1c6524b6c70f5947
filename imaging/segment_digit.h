#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One seven-segment digit: its size, which bars each digit lights and where the bars go. The
// players' display, the card pages and the card views all draw their digits from it.
namespace palvo {

// Geometry of one seven-segment digit drawn at scale: the bar length and thickness and the gap
// between a bar's end and the bar it meets, as in the operator's display, in pixels.
struct DigitShape {
    std::int32_t length = 0;
    std::int32_t thickness = 0;
    std::int32_t space = 0;

    std::int32_t Width() const { return length + 2 * space + thickness; }
    std::int32_t Height() const { return 2 * length + 4 * space + thickness; }
};

// The seven bars in the order of the bits of kDigitSegments: the three horizontal ones first.
enum class DigitBar : std::uint8_t { Top, Middle, Bottom, UpperLeft, LowerLeft, UpperRight, LowerRight };
inline constexpr std::size_t kDigitBars = 7;

// Lit bars of each digit 0 ... 9, bit i for DigitBar i, as the operator's digits.
inline constexpr std::array<std::uint8_t, 10> kDigitSegments = {
    0b1111101, 0b1100000, 0b0110111, 0b1100111, 0b1101010,
    0b1001111, 0b1011111, 0b1101001, 0b1111111, 0b1101111,
};
inline constexpr std::uint8_t kAllSegments = 0b1111111;

// Whether bar `index` (DigitBar order) lies across: the first three do.
constexpr bool IsHorizontalBar(std::size_t index)
{
    return index < 3;
}

// The top-left corners {x, y} of the seven bars' pictures (horizontal ones length x thickness,
// vertical ones thickness x length) of a digit whose top-left corner is (x, y), in DigitBar order.
std::array<std::array<std::int32_t, 2>, kDigitBars> DigitBarPlaces(std::int32_t x, std::int32_t y,
                                                                   const DigitShape& shape);

}  // namespace palvo
