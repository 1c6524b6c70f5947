#include "imaging/digit_rendering.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "imaging/dib_access.h"

namespace palvo {

namespace {

enum class Place { Ten, One, Other };

Place ParsePlace(std::string_view place)
{
    // Places are matched without regard to capitalisation ("ONE", "one" and "One" agree).
    const auto equalsLower = [place](std::string_view lower) {
        return place.size() == lower.size() &&
               std::equal(place.begin(), place.end(), lower.begin(), [](char a, char b) {
                   return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
               });
    };
    if (equalsLower("ten")) {
        return Place::Ten;
    }
    if (equalsLower("one")) {
        return Place::One;
    }
    return Place::Other;
}

// The bars of each digit in drawing order: a letter (h horizontal, v vertical) and the bar's index.
constexpr std::array<std::string_view, 10> kDigitBars = {
    "h0h2v0v1v2v3",    // 0
    "v2v3",            // 1
    "h0h1h2v1v2",      // 2
    "h0h1h2v2v3",      // 3
    "h1v0v2v3",        // 4
    "h0h1h2v0v3",      // 5
    "h0h1h2v0v1v3",    // 6
    "h0v0v2v3",        // 7
    "h0h1h2v0v1v2v3",  // 8
    "h0h1h2v0v2v3",    // 9
};

// Big-digit origins by size (row) and position (column 0 top left, 1 top right, 2 bottom left,
// 3 bottom right, 4 centre). Bottom right has no origin, so both places stay at (0, 0) there.
struct DigitOrigins {
    bool defined;
    std::int32_t tenX, tenY, oneX, oneY;
};
constexpr DigitOrigins kNone{false, 0, 0, 0, 0};
constexpr std::array<std::array<DigitOrigins, 5>, 3> kNumOrigins = {{
    {{{true, 40, 40, 160, 40},
      {true, 527, 40, 647, 40},
      {true, 40, 285, 160, 285},
      kNone,
      {true, 283, 170, 403, 170}}},
    {{{true, 40, 40, 195, 40},
      {true, 456, 40, 611, 40},
      {true, 40, 221, 200, 221},
      kNone,
      {true, 249, 138, 404, 138}}},
    {{{true, 40, 40, 235, 40},
      {true, 382, 40, 577, 40},
      {true, 40, 157, 240, 157},
      kNone,
      {true, 211, 107, 406, 107}}},
}};

constexpr std::int32_t kHistTenX = 12;
constexpr std::int32_t kHistTenY = 7;
constexpr std::int32_t kHistOneX = 39;
constexpr std::int32_t kHistOneY = 7;

// twice / 2 rounded to the nearest integer, an exact half to the even neighbour; exact for
// every 64-bit input, where a double would already round large sums.
std::int64_t HalfRoundedToEven(std::int64_t twice)
{
    std::int64_t floor = twice / 2;
    if (twice % 2 != 0 && twice < 0) {
        --floor;
    }
    if (twice % 2 == 0) {
        return floor;
    }
    return floor % 2 == 0 ? floor : floor + 1;
}

struct BarGeometry {
    std::int32_t barWidth_H;
    std::int32_t barHeight_H;
    std::int32_t barWidth_V;
    std::int32_t barHeight_V;
    std::int32_t space;
};

// Top-left point of a horizontal bar (index 0 top, 1 middle, 2 bottom) of a digit at (originX, originY).
bool HorizontalBarPoint(const BarGeometry& bars, std::int16_t index, std::int64_t originX,
                        std::int64_t originY, std::int64_t& x, std::int64_t& y)
{
    const std::int64_t space = bars.space;
    const std::int64_t height_V = bars.barHeight_V;
    switch (index) {
        case 0:
            y = originY;
            break;
        case 1:
            y = originY + height_V + 2 * space;
            break;
        case 2:
            y = originY + 2 * height_V + 4 * space;
            break;
        default:
            return false;
    }
    x = HalfRoundedToEven(bars.barWidth_V + 2 * (originX + space));
    return true;
}

// Top-left point of a vertical bar (0 upper left, 1 lower left, 2 upper right, 3 lower right).
bool VerticalBarPoint(const BarGeometry& bars, std::int16_t index, std::int64_t originX, std::int64_t originY,
                      std::int64_t& x, std::int64_t& y)
{
    const std::int64_t space = bars.space;
    const std::int64_t upperY = HalfRoundedToEven(bars.barHeight_H + 2 * (originY + space));
    const std::int64_t lowerY =
        HalfRoundedToEven(bars.barHeight_H + 2 * (originY + bars.barHeight_V + 3 * space));
    const std::int64_t rightX = originX + bars.barWidth_H + 2 * space;
    switch (index) {
        case 0:
            x = originX;
            y = upperY;
            break;
        case 1:
            x = originX;
            y = lowerY;
            break;
        case 2:
            x = rightX;
            y = upperY;
            break;
        case 3:
            x = rightX;
            y = lowerY;
            break;
        default:
            return false;
    }
    return true;
}

// Only the top-left point is checked: a bar that starts inside the picture is drawn even where
// it runs past the right or bottom edge (those pixels pile up on the edge).
bool StampIfStartsInside(const PixelBuffer& bar, std::int32_t columns, std::int32_t rows,
                         PixelBuffer& picture, std::int32_t pictureWidth, std::int32_t pictureHeight,
                         std::int64_t x, std::int64_t y)
{
    if (x > pictureWidth || y > pictureHeight) {
        return false;
    }
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    StampBar(bar, columns, rows, picture, pictureWidth, pictureHeight,
             static_cast<std::int32_t>(std::max(x, lowest)), static_cast<std::int32_t>(std::max(y, lowest)));
    return true;
}

template <typename DrawHorizontal, typename DrawVertical>
bool DrawDigitBars(std::string_view digit, DrawHorizontal drawHorizontal, DrawVertical drawVertical)
{
    if (digit.size() != 1 || digit[0] < '0' || digit[0] > '9') {
        return true;
    }
    const std::string_view bars = kDigitBars[static_cast<std::size_t>(digit[0] - '0')];
    for (std::size_t i = 0; i + 1 < bars.size(); i += 2) {
        const auto index = static_cast<std::int16_t>(bars[i + 1] - '0');
        const bool drawn = bars[i] == 'h' ? drawHorizontal(index) : drawVertical(index);
        if (!drawn) {
            return false;
        }
    }
    return true;
}

// Puts every non-black pixel of `source` over `target`, keeping the target's reserved byte.
// Pixels travel as 32-bit words through their bytes (the word's bytes are the pixel's bytes);
// where the compiler offers vector types, four at a time.
void MergeRow(unsigned char* target, const unsigned char* source, std::int32_t columns,
              std::uint32_t colourMask)
{
    std::int32_t c = 0;
#if defined(__GNUC__)
    using Words = std::uint32_t __attribute__((vector_size(16)));
    const Words mask = {colourMask, colourMask, colourMask, colourMask};
    for (; c + 4 <= columns; c += 4) {
        const std::size_t at = static_cast<std::size_t>(c) * sizeof(Pixel);
        Words stamp;
        Words under;
        std::memcpy(&stamp, source + at, sizeof stamp);
        std::memcpy(&under, target + at, sizeof under);
        const Words take = reinterpret_cast<Words>((stamp & mask) != 0) & mask;
        under = (under & ~take) | (stamp & take);
        std::memcpy(target + at, &under, sizeof under);
    }
#endif
    for (; c < columns; ++c) {
        const std::size_t at = static_cast<std::size_t>(c) * sizeof(Pixel);
        std::uint32_t stamp = 0;
        std::uint32_t under = 0;
        std::memcpy(&stamp, source + at, sizeof stamp);
        std::memcpy(&under, target + at, sizeof under);
        const std::uint32_t take = (stamp & colourMask) != 0 ? colourMask : 0U;
        under = (under & ~take) | (stamp & take);
        std::memcpy(target + at, &under, sizeof under);
    }
}

}  // namespace

void StampBar(const PixelBuffer& bar, std::int32_t columns, std::int32_t rows, PixelBuffer& picture,
              std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t x, std::int32_t y)
{
    // Bar positions beyond the bar's storage read as black and stamp nothing.
    const std::int32_t usedColumns = std::min(columns, bar.Width());
    const std::int32_t usedRows = std::min(rows, bar.Height());
    if (usedColumns <= 0 || usedRows <= 0) {
        return;
    }

    const bool metricsMatch = pictureWidth == picture.Width() && pictureHeight == picture.Height();
    const bool fullyInside = x >= 0 && y >= 0 && static_cast<std::int64_t>(x) + usedColumns <= pictureWidth &&
                             static_cast<std::int64_t>(y) + usedRows <= pictureHeight;
    if (metricsMatch && fullyInside) {
        // Every clamp is the identity here, so whole rows can be merged directly. The colour
        // mask keeps the picture's reserved byte and is built from a Pixel to stay independent
        // of byte order.
        constexpr std::uint32_t colourMask = std::bit_cast<std::uint32_t>(Pixel{0xFF, 0xFF, 0xFF, 0x00});
        for (std::int32_t r = 0; r < usedRows; ++r) {
            MergeRow(reinterpret_cast<unsigned char*>(&picture.At(x, y + r)),
                     reinterpret_cast<const unsigned char*>(&bar.At(0, r)), usedColumns, colourMask);
        }
        return;
    }

    // Near the edges: one clamped write per bar pixel, in row order, so that pixels piling up
    // on an edge end with the same colour as the plain per-pixel rule gives.
    for (std::int32_t r = 0; r < usedRows; ++r) {
        for (std::int32_t c = 0; c < usedColumns; ++c) {
            const Pixel& pixel = bar.At(c, r);
            if (pixel.red == 0 && pixel.green == 0 && pixel.blue == 0) {
                continue;
            }
            const std::int64_t targetX = std::clamp<std::int64_t>(static_cast<std::int64_t>(x) + c,
                                                                  std::numeric_limits<std::int32_t>::min(),
                                                                  std::numeric_limits<std::int32_t>::max());
            const std::int64_t targetY = std::clamp<std::int64_t>(static_cast<std::int64_t>(y) + r,
                                                                  std::numeric_limits<std::int32_t>::min(),
                                                                  std::numeric_limits<std::int32_t>::max());
            SetPixelRGB(picture, pictureWidth, pictureHeight, static_cast<std::int32_t>(targetX),
                        static_cast<std::int32_t>(targetY), pixel.red, pixel.green, pixel.blue);
        }
    }
}

bool DigitRenderer::DrawNumDigit(std::string_view digit, std::string_view place)
{
    return DrawDigitBars(
        digit, [&](std::int16_t index) { return DrawNumBar_H(index, place); },
        [&](std::int16_t index) { return DrawNumBar_V(index, place); });
}

bool DigitRenderer::DrawHistNumDigit(std::string_view digit, std::string_view place)
{
    return DrawDigitBars(
        digit, [&](std::int16_t index) { return DrawHistNumBar_H(index, place); },
        [&](std::int16_t index) { return DrawHistNumBar_V(index, place); });
}

void DigitRenderer::GetNumPos(std::string_view place, std::int32_t& x, std::int32_t& y) const
{
    const std::int16_t size = config_.NumSizeIndex();
    const std::int16_t position = config_.NumPosIndex();
    if (size < 0 || size >= static_cast<std::int16_t>(kNumOrigins.size()) || position < 0 ||
        position >= static_cast<std::int16_t>(kNumOrigins[0].size())) {
        return;
    }
    const DigitOrigins& origins =
        kNumOrigins[static_cast<std::size_t>(size)][static_cast<std::size_t>(position)];
    if (!origins.defined) {
        return;
    }
    switch (ParsePlace(place)) {
        case Place::Ten:
            x = origins.tenX;
            y = origins.tenY;
            break;
        case Place::One:
            x = origins.oneX;
            y = origins.oneY;
            break;
        case Place::Other:
            break;
    }
}

namespace {

void HistOrigin(std::string_view place, std::int32_t& x, std::int32_t& y)
{
    switch (ParsePlace(place)) {
        case Place::Ten:
            x = kHistTenX;
            y = kHistTenY;
            break;
        case Place::One:
            x = kHistOneX;
            y = kHistOneY;
            break;
        case Place::Other:
            break;
    }
}

BarGeometry NumGeometry(const CShared& shared)
{
    return {shared.NumBarWidth_H(), shared.NumBarHeight_H(), shared.NumBarWidth_V(), shared.NumBarHeight_V(),
            CShared::NumBarSpace()};
}

BarGeometry HistGeometry(const CShared& shared)
{
    return {shared.HistNumWidth_H(), shared.HistNumHeight_H(), shared.HistNumWidth_V(),
            shared.HistNumHeight_V(), CShared::HistNumSpace()};
}

}  // namespace

// An index outside the bar's table names no bar: nothing is drawn and the result is false.
bool DigitRenderer::DrawNumBar_H(std::int16_t index, std::string_view place)
{
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    GetNumPos(place, originX, originY);
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (!HorizontalBarPoint(NumGeometry(shared_), index, originX, originY, x, y)) {
        return false;
    }
    return StampIfStartsInside(buffers_.NumBarPixels_H, shared_.NumBarWidth_H(), shared_.NumBarHeight_H(),
                               buffers_.PicNumPixels, shared_.PicNumWidth(), shared_.PicNumHeight(), x, y);
}

bool DigitRenderer::DrawNumBar_V(std::int16_t index, std::string_view place)
{
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    GetNumPos(place, originX, originY);
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (!VerticalBarPoint(NumGeometry(shared_), index, originX, originY, x, y)) {
        return false;
    }
    return StampIfStartsInside(buffers_.NumBarPixels_V, shared_.NumBarWidth_V(), shared_.NumBarHeight_V(),
                               buffers_.PicNumPixels, shared_.PicNumWidth(), shared_.PicNumHeight(), x, y);
}

bool DigitRenderer::DrawHistNumBar_H(std::int16_t index, std::string_view place)
{
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    HistOrigin(place, originX, originY);
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (!HorizontalBarPoint(HistGeometry(shared_), index, originX, originY, x, y)) {
        return false;
    }
    return StampIfStartsInside(buffers_.HistNumPixels_H, shared_.HistNumWidth_H(), shared_.HistNumHeight_H(),
                               buffers_.PicHistNumPixels, shared_.PicHistNumWidth(),
                               shared_.PicHistNumHeight(), x, y);
}

bool DigitRenderer::DrawHistNumBar_V(std::int16_t index, std::string_view place)
{
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    HistOrigin(place, originX, originY);
    std::int64_t x = 0;
    std::int64_t y = 0;
    if (!VerticalBarPoint(HistGeometry(shared_), index, originX, originY, x, y)) {
        return false;
    }
    return StampIfStartsInside(buffers_.HistNumPixels_V, shared_.HistNumWidth_V(), shared_.HistNumHeight_V(),
                               buffers_.PicHistNumPixels, shared_.PicHistNumWidth(),
                               shared_.PicHistNumHeight(), x, y);
}

}  // namespace palvo
