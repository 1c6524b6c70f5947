#include "display/digit_rendering.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

#include "imaging/dib_access.h"

namespace palvo {

namespace {

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

// A bar's top-left point, wider than a pixel coordinate: origins and metrics may be far out.
struct BarPoint {
    std::int64_t x;
    std::int64_t y;
};

// Top-left point of bar `index` of a digit at `origin`: horizontal 0 top, 1 middle, 2 bottom;
// vertical 0 upper left, 1 lower left, 2 upper right, 3 lower right. Nothing for other indices.
std::optional<BarPoint> BarPointOf(const BarGeometry& bars, BarOrientation orientation, std::int16_t index,
                                   PixelPoint origin)
{
    const std::int64_t space = bars.space;
    const std::int64_t originX = origin.x;
    const std::int64_t originY = origin.y;
    if (orientation == BarOrientation::Horizontal) {
        if (index < 0 || index > 2) {
            return std::nullopt;
        }
        const std::int64_t x = HalfRoundedToEven(bars.barWidth_V + 2 * (originX + space));
        return BarPoint{x, originY + index * (bars.barHeight_V + 2 * space)};
    }
    if (index < 0 || index > 3) {
        return std::nullopt;
    }
    const bool right = index >= 2;
    const bool lower = index % 2 == 1;
    const std::int64_t x = right ? originX + bars.barWidth_H + 2 * space : originX;
    const std::int64_t y =
        lower ? HalfRoundedToEven(bars.barHeight_H + 2 * (originY + bars.barHeight_V + 3 * space))
              : HalfRoundedToEven(bars.barHeight_H + 2 * (originY + space));
    return BarPoint{x, y};
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

namespace {

BarGeometry Geometry(DigitTarget target, const WorkingBuffers& buffers, const CShared& shared)
{
    if (target == DigitTarget::Display) {
        return {buffers.NumBarPixels_H.Width(), buffers.NumBarPixels_H.Height(),
                buffers.NumBarPixels_V.Width(), buffers.NumBarPixels_V.Height(), shared.NumBarSpace()};
    }
    return {buffers.HistNumPixels_H.Width(), buffers.HistNumPixels_H.Height(),
            buffers.HistNumPixels_V.Width(), buffers.HistNumPixels_V.Height(), shared.HistNumSpace()};
}

PixelPoint HistOrigin(Place place)
{
    return place == Place::Ten ? PixelPoint{kHistTenX, kHistTenY} : PixelPoint{kHistOneX, kHistOneY};
}

}  // namespace

bool DigitRenderer::DrawNumber(DigitTarget target, std::int16_t number)
{
    // Both places are attempted, as the display always drew the ones after the tens.
    const bool tensDrawn =
        number < 10 || number > 99 || DrawDigit(target, static_cast<std::int16_t>(number / 10), Place::Ten);
    const bool onesDrawn = DrawDigit(target, static_cast<std::int16_t>(std::abs(number % 10)), Place::One);
    return tensDrawn && onesDrawn;
}

bool DigitRenderer::DrawDigit(DigitTarget target, std::int16_t digit, Place place)
{
    if (digit < 0 || digit > 9) {
        return true;
    }
    const std::string_view bars = kDigitBars[static_cast<std::size_t>(digit)];
    for (std::size_t i = 0; i + 1 < bars.size(); i += 2) {
        const BarOrientation orientation =
            bars[i] == 'h' ? BarOrientation::Horizontal : BarOrientation::Vertical;
        if (!DrawBar(target, orientation, static_cast<std::int16_t>(bars[i + 1] - '0'), place)) {
            return false;
        }
    }
    return true;
}

PixelPoint DigitRenderer::GetNumPos(Place place) const
{
    const std::int16_t size = config_.NumSizeIndex();
    const std::int16_t position = config_.NumPosIndex();
    if (size < 0 || size >= static_cast<std::int16_t>(kNumOrigins.size()) || position < 0 ||
        position >= static_cast<std::int16_t>(kNumOrigins[0].size())) {
        return {};
    }
    const DigitOrigins& origins =
        kNumOrigins[static_cast<std::size_t>(size)][static_cast<std::size_t>(position)];
    if (!origins.defined) {
        return {};
    }
    return place == Place::Ten ? PixelPoint{origins.tenX, origins.tenY}
                               : PixelPoint{origins.oneX, origins.oneY};
}

bool DigitRenderer::DrawBar(DigitTarget target, BarOrientation orientation, std::int16_t index, Place place)
{
    const bool display = target == DigitTarget::Display;
    const BarGeometry geometry = Geometry(target, buffers_, shared_);
    const std::optional<BarPoint> point =
        BarPointOf(geometry, orientation, index, display ? GetNumPos(place) : HistOrigin(place));
    if (!point) {
        return false;
    }
    const bool horizontal = orientation == BarOrientation::Horizontal;
    const PixelBuffer& bar = display ? (horizontal ? buffers_.NumBarPixels_H : buffers_.NumBarPixels_V)
                                     : (horizontal ? buffers_.HistNumPixels_H : buffers_.HistNumPixels_V);
    PixelBuffer& picture = display ? buffers_.PicNumPixels : buffers_.PicHistNumPixels;
    return StampIfStartsInside(bar, bar.Width(), bar.Height(), picture, picture.Width(), picture.Height(),
                               point->x, point->y);
}

}  // namespace palvo
