#include "imaging/program_icon.h"

#include <algorithm>
#include <cstddef>

namespace palvo {

namespace {

// The drawing, in half units of a 64 x 64 design (so 128 across): every corner and edge of it
// falls on a whole number.
constexpr std::int64_t kDesign = 128;
constexpr std::int64_t kSquareFrom = 4;
constexpr std::int64_t kSquareTo = 124;
constexpr std::int64_t kCornerRadius = 20;
constexpr std::int64_t kLeft = 38;
constexpr std::int64_t kRight = 90;
constexpr std::int64_t kTop = 22;
constexpr std::int64_t kMiddle = 64;
constexpr std::int64_t kBottom = 106;
constexpr std::int64_t kHalfThickness = 6;
constexpr std::int64_t kGap = 3;
constexpr std::int32_t kSamples = 8;  // per pixel side

constexpr Pixel kNavy{0x3C, 0x24, 0x0B, 0xFF};
constexpr Pixel kOrange{0x00, 0x80, 0xFF, 0xFF};

struct Point {
    std::int64_t x;
    std::int64_t y;
};

// One bar with pointed ends from `from` to `to` (same row or same column), as a convex hexagon
// whose corners go round in one direction.
using Bar = std::array<Point, 6>;

Bar MakeBar(Point from, Point to)
{
    const std::int64_t h = kHalfThickness;
    if (from.y == to.y) {
        return {{{from.x, from.y},
                 {from.x + h, from.y - h},
                 {to.x - h, to.y - h},
                 {to.x, to.y},
                 {to.x - h, to.y + h},
                 {from.x + h, from.y + h}}};
    }
    return {{{from.x, from.y},
             {from.x + h, from.y + h},
             {to.x + h, to.y - h},
             {to.x, to.y},
             {to.x - h, to.y - h},
             {from.x - h, from.y + h}}};
}

std::array<Bar, 7> EightBars()
{
    std::array<Bar, 7> bars{};
    std::size_t next = 0;
    for (const std::int64_t y : {kTop, kMiddle, kBottom}) {
        bars[next++] = MakeBar({kLeft + kGap, y}, {kRight - kGap, y});
    }
    for (const std::int64_t x : {kLeft, kRight}) {
        bars[next++] = MakeBar({x, kTop + kGap}, {x, kMiddle - kGap});
        bars[next++] = MakeBar({x, kMiddle + kGap}, {x, kBottom - kGap});
    }
    return bars;
}

// Points and corners below are in units of 1 / scale of a half unit.
bool InsideBar(const Bar& bar, std::int64_t scale, Point point)
{
    bool anyPositive = false;
    bool anyNegative = false;
    for (std::size_t index = 0; index < bar.size(); ++index) {
        const Point a{bar[index].x * scale, bar[index].y * scale};
        const Point b{bar[(index + 1) % bar.size()].x * scale, bar[(index + 1) % bar.size()].y * scale};
        const std::int64_t cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
        anyPositive = anyPositive || cross > 0;
        anyNegative = anyNegative || cross < 0;
    }
    return !(anyPositive && anyNegative);
}

bool InsideSquare(std::int64_t scale, Point point)
{
    const std::int64_t from = kSquareFrom * scale;
    const std::int64_t to = kSquareTo * scale;
    if (point.x < from || point.x > to || point.y < from || point.y > to) {
        return false;
    }
    const std::int64_t radius = kCornerRadius * scale;
    const std::int64_t dx = point.x - std::clamp(point.x, from + radius, to - radius);
    const std::int64_t dy = point.y - std::clamp(point.y, from + radius, to - radius);
    return dx * dx + dy * dy <= radius * radius;
}

std::uint8_t Mix(std::uint8_t navy, std::uint8_t orange, std::int64_t navyCount, std::int64_t orangeCount)
{
    const std::int64_t total = navyCount + orangeCount;
    return static_cast<std::uint8_t>((navy * navyCount + orange * orangeCount + total / 2) / total);
}

}  // namespace

PixelBuffer DrawProgramIcon(std::int32_t size)
{
    PixelBuffer picture(size, size);
    const std::array<Bar, 7> bars = EightBars();
    // Sample (i, j) of pixel (x, y) sits at ((x + (i + 0.5) / kSamples) * kDesign / size, ...)
    // half units: scaled by scale = 2 * kSamples * size, its coordinates are whole numbers.
    const std::int64_t scale = std::int64_t{2} * kSamples * size;
    for (std::int32_t y = 0; y < size; ++y) {
        for (std::int32_t x = 0; x < size; ++x) {
            std::int64_t navyCount = 0;
            std::int64_t orangeCount = 0;
            for (std::int32_t j = 0; j < kSamples; ++j) {
                for (std::int32_t i = 0; i < kSamples; ++i) {
                    const Point sample{(std::int64_t{2} * kSamples * x + 2 * i + 1) * kDesign,
                                       (std::int64_t{2} * kSamples * y + 2 * j + 1) * kDesign};
                    if (!InsideSquare(scale, sample)) {
                        continue;
                    }
                    const bool onBar = std::any_of(bars.begin(), bars.end(), [&](const Bar& bar) {
                        return InsideBar(bar, scale, sample);
                    });
                    ++(onBar ? orangeCount : navyCount);
                }
            }
            const std::int64_t covered = navyCount + orangeCount;
            if (covered == 0) {
                continue;
            }
            Pixel& pixel = picture.At(x, y);
            pixel.blue = Mix(kNavy.blue, kOrange.blue, navyCount, orangeCount);
            pixel.green = Mix(kNavy.green, kOrange.green, navyCount, orangeCount);
            pixel.red = Mix(kNavy.red, kOrange.red, navyCount, orangeCount);
            constexpr std::int64_t kAll = std::int64_t{kSamples} * kSamples;
            pixel.reserved = static_cast<std::uint8_t>((255 * covered + kAll / 2) / kAll);
        }
    }
    return picture;
}

}  // namespace palvo
