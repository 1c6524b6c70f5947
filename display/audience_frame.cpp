#include "display/audience_frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "display/digit_rendering.h"
#include "imaging/card_ink.h"
#include "imaging/segment_bar.h"
#include "imaging/segment_digit.h"

namespace palvo {

namespace {

constexpr ColorTriple kBackground{0x14, 0x10, 0x10};
constexpr ColorTriple kCellFill{0x1E, 0x18, 0x18};
constexpr ColorTriple kCellDigit{0x66, 0x66, 0x66};
constexpr std::uint8_t kCountGrey = 0xD8;
// The least luminance of lit digits: the default orange (0x0080FF) just passes unchanged.
constexpr double kLeastLitLuminance = 0.36;
// The called cell's fill: this share of the way from the background to the lit colour.
constexpr int kCalledFillShare = 51;  // of 256
constexpr int kUnlitShare = 40;       // of 256

// The end mark "終了" as pen strokes on a 100 x 100 square, drawn at any size with a round pen.
struct Stroke {
    std::array<std::array<int, 2>, 3> points;
    int count;
};
constexpr std::array<Stroke, 10> kEndMarkFirst = {{
    {{{{24, 4}, {10, 22}, {22, 30}}}, 3},
    {{{{32, 16}, {6, 50}, {38, 45}}}, 3},
    {{{{22, 48}, {22, 96}}}, 2},
    {{{{12, 62}, {5, 82}}}, 2},
    {{{{32, 62}, {38, 78}}}, 2},
    {{{{66, 4}, {50, 30}}}, 2},
    {{{{60, 18}, {90, 18}, {52, 62}}}, 3},
    {{{{66, 34}, {96, 60}}}, 2},
    {{{{68, 66}, {78, 74}}}, 2},
    {{{{62, 82}, {80, 94}}}, 2},
}};
constexpr std::array<Stroke, 2> kEndMarkSecond = {{
    {{{{14, 10}, {82, 10}, {52, 40}}}, 3},
    {{{{52, 38}, {52, 92}, {38, 84}}}, 3},
}};
constexpr double kPenWidth = 9.0;

Pixel ToPixel(ColorTriple color)
{
    return Pixel{color.blue, color.green, color.red, 0};
}

// A darker shade of `color` (fraction out of 256), kept off pure black so bars stay visible.
ColorTriple Shade(ColorTriple color, int fraction)
{
    const auto part = [fraction](std::uint8_t c) {
        return static_cast<std::uint8_t>(std::max(1, c * fraction / 256));
    };
    return ColorTriple{part(color.blue), part(color.green), part(color.red)};
}

// `share` / 256 of the way from `from` to `to`, channel by channel.
ColorTriple Blend(ColorTriple from, ColorTriple to, int share)
{
    const auto part = [share](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a + (b - a) * share / 256);
    };
    return ColorTriple{part(from.blue, to.blue), part(from.green, to.green), part(from.red, to.red)};
}

// `chosen` lifted by `step`: 0 ... 1 scales it up until its strongest channel is full (hue and
// saturation kept), 1 ... 2 then pales it towards white.
ColorTriple Lifted(ColorTriple chosen, double step)
{
    const double strongest = std::max({chosen.blue, chosen.green, chosen.red});
    const auto part = [&](std::uint8_t c) {
        const double full = strongest > 0 ? c * 255.0 / strongest : 0.0;
        const double value = step <= 1.0 ? c + (full - c) * step : full + (255.0 - full) * (step - 1.0);
        return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
    };
    return ColorTriple{part(chosen.blue), part(chosen.green), part(chosen.red)};
}

// The least lift that makes `chosen` bright enough; brightness grows with the step.
ColorTriple BrightEnough(ColorTriple chosen)
{
    if (RelativeLuminance(chosen) >= kLeastLitLuminance) {
        return chosen;
    }
    double low = 0.0;
    double high = 2.0;
    for (int i = 0; i < 24; ++i) {
        const double middle = (low + high) / 2;
        (RelativeLuminance(Lifted(chosen, middle)) >= kLeastLitLuminance ? high : low) = middle;
    }
    return Lifted(chosen, high);
}

// The lightest grey no brighter than `ceiling`.
ColorTriple GreyNoBrighterThan(double ceiling, std::uint8_t lightest)
{
    std::uint8_t level = lightest;
    while (level > 0 && RelativeLuminance(ColorTriple{level, level, level}) > ceiling) {
        --level;
    }
    return ColorTriple{level, level, level};
}

void FillRect(PixelBuffer& picture, PixelRect rect, ColorTriple color)
{
    const std::int32_t left = std::max(rect.x, 0);
    const std::int32_t right = std::min(rect.Right(), picture.Width());
    const std::int32_t top = std::max(rect.y, 0);
    const std::int32_t bottom = std::min(rect.Bottom(), picture.Height());
    if (left >= right) {
        return;
    }
    const Pixel pixel = ToPixel(color);
    for (std::int32_t y = top; y < bottom; ++y) {
        std::fill(&picture.At(left, y), &picture.At(left, y) + (right - left), pixel);
    }
}

// Copies the rows of `rect` from `source` to `target` (same size).
void CopyRect(const PixelBuffer& source, PixelBuffer& target, PixelRect rect)
{
    const std::int32_t left = std::max(rect.x, 0);
    const std::int32_t right = std::min(rect.Right(), target.Width());
    const std::int32_t top = std::max(rect.y, 0);
    const std::int32_t bottom = std::min(rect.Bottom(), target.Height());
    if (left >= right) {
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(Pixel);
    for (std::int32_t y = top; y < bottom; ++y) {
        std::memcpy(&target.At(left, y), &source.At(left, y), bytes);
    }
}

// The two bars of one digit shape in one colour.
struct BarPair {
    BarPair(const DigitShape& shape, ColorTriple color)
        : horizontal(MakeSegmentBar(BarOrientation::Horizontal, {shape.length, shape.thickness}, color)),
          vertical(MakeSegmentBar(BarOrientation::Vertical, {shape.length, shape.thickness}, color))
    {
    }
    PixelBuffer horizontal;
    PixelBuffer vertical;
};

// Stamps the bars in `segments` of a digit whose top-left corner is (x, y), placed as the
// operator's display places them.
void DrawSegments(PixelBuffer& picture, std::int32_t x, std::int32_t y, const DigitShape& shape,
                  const PixelBuffer& horizontal, const PixelBuffer& vertical, std::uint8_t segments)
{
    if (horizontal.Empty() || vertical.Empty()) {
        return;
    }
    const auto places = DigitBarPlaces(x, y, shape);
    for (std::size_t i = 0; i < places.size(); ++i) {
        if ((segments & (1U << i)) == 0) {
            continue;
        }
        const PixelBuffer& bar = IsHorizontalBar(i) ? horizontal : vertical;
        StampBar(bar, bar.Width(), bar.Height(), picture, picture.Width(), picture.Height(), places[i][0],
                 places[i][1]);
    }
}

// A one- or two-digit number with its ones digit at `oneX`; a single digit leaves the tens empty.
void DrawNumber(PixelBuffer& picture, std::int32_t tenX, std::int32_t oneX, std::int32_t y,
                const DigitShape& shape, const BarPair& bars, int number)
{
    if (number >= 10) {
        DrawSegments(picture, tenX, y, shape, bars.horizontal, bars.vertical,
                     kDigitSegments[static_cast<std::size_t>(number / 10 % 10)]);
    }
    DrawSegments(picture, oneX, y, shape, bars.horizontal, bars.vertical,
                 kDigitSegments[static_cast<std::size_t>(number % 10)]);
}

// A slash as thick as a bar, stepped pixel by pixel from bottom left to top right.
void DrawSlash(PixelBuffer& picture, PixelRect rect, std::int32_t thickness, ColorTriple color)
{
    for (std::int32_t row = 0; row < rect.height; ++row) {
        const std::int32_t x =
            rect.x +
            static_cast<std::int32_t>(static_cast<std::int64_t>(rect.height - 1 - row) *
                                      std::max(0, rect.width - thickness) / std::max(1, rect.height - 1));
        FillRect(picture, PixelRect{x, rect.y + row, thickness, 1}, color);
    }
}

// Every pixel of the side x side square at (x, y) within half a pen width of a stroke.
template <std::size_t N>
void DrawStrokes(PixelBuffer& picture, const std::array<Stroke, N>& strokes, std::int32_t x, std::int32_t y,
                 std::int32_t side, ColorTriple color)
{
    const Pixel pixel = ToPixel(color);
    const double unit = side / 100.0;
    const double reach = kPenWidth / 2 * unit;
    for (std::int32_t row = std::max(0, -y); row < side && y + row < picture.Height(); ++row) {
        for (std::int32_t column = std::max(0, -x); column < side && x + column < picture.Width(); ++column) {
            const double px = column + 0.5;
            const double py = row + 0.5;
            for (const Stroke& stroke : strokes) {
                bool inked = false;
                for (int k = 0; k + 1 < stroke.count && !inked; ++k) {
                    const double ax = stroke.points[static_cast<std::size_t>(k)][0] * unit;
                    const double ay = stroke.points[static_cast<std::size_t>(k)][1] * unit;
                    const double bx = stroke.points[static_cast<std::size_t>(k) + 1][0] * unit;
                    const double by = stroke.points[static_cast<std::size_t>(k) + 1][1] * unit;
                    const double dx = bx - ax;
                    const double dy = by - ay;
                    const double along =
                        std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                    const double ex = ax + along * dx - px;
                    const double ey = ay + along * dy - py;
                    inked = ex * ex + ey * ey <= reach * reach;
                }
                if (inked) {
                    picture.At(x + column, y + row) = pixel;
                    break;
                }
            }
        }
    }
}

// A number of one or two digits starting at `x`, without a blank tens place; returns the x
// just after its last digit.
std::int32_t DrawNumberFrom(PixelBuffer& picture, std::int32_t x, std::int32_t y, const DigitShape& shape,
                            const BarPair& bars, int number)
{
    const std::int32_t gap = std::max(1, shape.length / 3);
    if (number >= 10) {
        DrawNumber(picture, x, x + shape.Width() + gap, y, shape, bars, number);
        return x + 2 * shape.Width() + gap;
    }
    DrawNumber(picture, x, x, y, shape, bars, number);
    return x + shape.Width();
}

// "23 / 72" left in the count row, and "終了" right after it once the game is over.
void DrawCount(PixelBuffer& picture, const AudienceLayout& layout, const AudienceBoard& board,
               const AudiencePalette& palette)
{
    const DigitShape& shape = layout.countDigit;
    const ColorTriple color = board.IsComplete() ? palette.lit : palette.count;
    const BarPair bars(shape, color);
    const std::int32_t gap = std::max(1, shape.length / 3);
    const std::int32_t y = layout.count.y + (layout.count.height - shape.Height()) / 2;
    std::int32_t x = DrawNumberFrom(picture, layout.count.x, y, shape, bars, board.CalledCount());
    x += 2 * gap;
    const std::int32_t slashWidth = shape.length * 3 / 4;
    DrawSlash(picture, PixelRect{x, y, slashWidth, shape.Height()}, shape.thickness, color);
    x += slashWidth + 2 * gap;
    x = DrawNumberFrom(picture, x, y, shape, bars, board.NumMax());
    if (!board.IsComplete()) {
        return;
    }
    x += 3 * gap;
    // Two squares with an eighth of a square between them fill at most the rest of the row.
    const std::int32_t side = std::max(1, std::min((layout.count.Right() - x) * 8 / 17, layout.count.height));
    const std::int32_t markY = layout.count.y + (layout.count.height - side) / 2;
    DrawStrokes(picture, kEndMarkFirst, x, markY, side, palette.lit);
    DrawStrokes(picture, kEndMarkSecond, x + side + side / 8, markY, side, palette.lit);
}

void DrawBoard(PixelBuffer& picture, const AudienceLayout& layout, const AudienceBoard& board,
               const AudiencePalette& palette)
{
    const DigitShape& shape = layout.cellDigit;
    const BarPair uncalledBars(shape, palette.uncalledDigit);
    const BarPair calledBars(shape, palette.lit);
    const BarPair newestBars(shape, palette.newestDigit);
    const std::int32_t gap = shape.length / 3;
    const std::int32_t pairWidth = 2 * shape.Width() + gap;
    for (std::int16_t number = 1; number <= board.NumMax(); ++number) {
        const PixelRect cell = layout.Cell(number);
        const bool newest = board.Newest() == number;
        const bool called = board.IsCalled(number);
        FillRect(picture, cell, newest ? palette.lit : called ? palette.calledFill : palette.uncalledFill);
        const std::int32_t tenX = cell.x + (cell.width - pairWidth) / 2;
        const std::int32_t digitY = cell.y + (cell.height - shape.Height()) / 2;
        // Single digits stand in the middle of the cell.
        const std::int32_t oneX =
            number < 10 ? cell.x + (cell.width - shape.Width()) / 2 : tenX + shape.Width() + gap;
        DrawNumber(picture, tenX, oneX, digitY, shape,
                   newest   ? newestBars
                   : called ? calledBars
                            : uncalledBars,
                   number);
    }
    // Letters of the board in columns, as tall as the cell digits.
    const std::int32_t unit = std::max(1, shape.Height() / 6);
    for (std::size_t row = 0; row < layout.bands.size(); ++row) {
        const PixelRect label = layout.LabelCell(row);
        const char letter[] = {layout.bands[row].label, '\0'};
        static_cast<void>(DrawStrokeText(picture, label.x + label.width / 2, label.y + label.height / 2,
                                         letter, unit, std::max(1.0, shape.thickness / 2.0), palette.count));
    }
}

}  // namespace

std::int32_t AudienceFrameScale(std::int32_t width, std::int32_t height)
{
    const auto pixels = [&](std::int64_t scale) {
        return ((std::max(width, 1) + scale - 1) / scale) * ((std::max(height, 1) + scale - 1) / scale);
    };
    std::int32_t scale = 1;
    while (pixels(scale) > kMostAudienceFramePixels) {
        ++scale;
    }
    return scale;
}

double RelativeLuminance(ColorTriple color)
{
    const auto linear = [](std::uint8_t c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

AudiencePalette AudiencePalette::For(ColorTriple chosen)
{
    AudiencePalette palette;
    palette.background = kBackground;
    palette.uncalledFill = kCellFill;
    palette.uncalledDigit = kCellDigit;
    palette.lit = BrightEnough(chosen);
    palette.calledFill = Blend(kBackground, palette.lit, kCalledFillShare);
    palette.newestDigit = kBackground;
    palette.unlitSegment = Shade(palette.lit, kUnlitShare);
    palette.count = GreyNoBrighterThan(RelativeLuminance(palette.lit), kCountGrey);
    return palette;
}

void AudienceFrame::Compose(const AudienceBoard& board, ColorTriple digitColor, std::int32_t width,
                            std::int32_t height)
{
    if (!PixelBuffer::IsValidSize(width, height)) {
        base_ = PixelBuffer();
        frame_ = PixelBuffer();
        layout_ = AudienceLayout();
        return;
    }
    // The corner picture keeps a strip of its own at the right, so it never covers a number.
    const bool withCorner = !corner_.Empty() && corner_.Width() <= width / 3 && corner_.Height() <= height;
    const std::int32_t boardWidth = withCorner ? width - corner_.Width() : width;
    layout_ = board.Bands().empty() ? LayOutAudience(boardWidth, height, board.Rows())
                                    : LayOutAudience(boardWidth, height, board.Bands());
    if (base_.Width() != width || base_.Height() != height) {
        base_ = PixelBuffer(width, height);
    }
    const AudiencePalette palette = AudiencePalette::For(digitColor);
    FillRect(base_, PixelRect{0, 0, width, height}, palette.background);

    litBar_H_ = MakeSegmentBar(BarOrientation::Horizontal, {layout_.digit.length, layout_.digit.thickness},
                               palette.lit);
    litBar_V_ = MakeSegmentBar(BarOrientation::Vertical, {layout_.digit.length, layout_.digit.thickness},
                               palette.lit);
    // Unlit bars glow faintly, as on a real segment display.
    const BarPair unlit(layout_.digit, palette.unlitSegment);
    DrawSegments(base_, layout_.tenX, layout_.digitY, layout_.digit, unlit.horizontal, unlit.vertical,
                 kAllSegments);
    DrawSegments(base_, layout_.oneX, layout_.digitY, layout_.digit, unlit.horizontal, unlit.vertical,
                 kAllSegments);

    DrawCount(base_, layout_, board, palette);
    DrawBoard(base_, layout_, board, palette);
    if (withCorner) {
        const std::int32_t left = width - corner_.Width();
        const std::int32_t top = height - corner_.Height();
        for (std::int32_t y = 0; y < corner_.Height(); ++y) {
            std::copy_n(&corner_.At(0, y), corner_.Width(), &base_.At(left, top + y));
        }
    }
    frame_ = base_;
    static_cast<void>(ComposeNumber(board.Current()));
}

PixelRect AudienceFrame::ComposeNumber(std::optional<std::int16_t> number)
{
    if (frame_.Empty()) {
        return PixelRect{};
    }
    const PixelRect area = layout_.number;
    CopyRect(base_, frame_, area);
    if (number && *number >= 0 && *number <= 99) {
        if (*number >= 10) {
            DrawSegments(frame_, layout_.tenX, layout_.digitY, layout_.digit, litBar_H_, litBar_V_,
                         kDigitSegments[static_cast<std::size_t>(*number / 10)]);
        }
        DrawSegments(frame_, layout_.oneX, layout_.digitY, layout_.digit, litBar_H_, litBar_V_,
                     kDigitSegments[static_cast<std::size_t>(*number % 10)]);
    }
    return area;
}

}  // namespace palvo
