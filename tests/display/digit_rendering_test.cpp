#include "display/digit_rendering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "imaging/bmp_file.h"
#include "imaging/dib_access.h"

namespace palvo {
namespace {

constexpr Pixel kBackground{0x40, 0x40, 0x40, 0};
constexpr ColorTriple kRed{0, 0, 255};
constexpr Pixel kRedPixel{0, 0, 255, 0};

PixelBuffer Filled(std::int32_t width, std::int32_t height, Pixel pixel)
{
    PixelBuffer buffer(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            buffer.At(x, y) = pixel;
        }
    }
    return buffer;
}

// A bar from text art: '#' lit in `colour`, '.' black.
PixelBuffer BarFromArt(const std::vector<std::string>& rows, Pixel colour)
{
    PixelBuffer bar(static_cast<std::int32_t>(rows[0].size()), static_cast<std::int32_t>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            bar.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) =
                rows[y][x] == '#' ? colour : Pixel{};
        }
    }
    return bar;
}

// The part (left, top, width x height) of a picture as text: '#' for `lit`, '.' for anything else.
std::vector<std::string> Art(const PixelBuffer& picture, std::int32_t left, std::int32_t top,
                             std::int32_t width, std::int32_t height, Pixel lit)
{
    std::vector<std::string> rows;
    for (std::int32_t y = top; y < top + height; ++y) {
        std::string row;
        for (std::int32_t x = left; x < left + width; ++x) {
            row += picture.At(x, y) == lit ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

struct Box {
    std::int32_t left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;
    std::int32_t Width() const { return right - left + 1; }
    std::int32_t Height() const { return bottom - top + 1; }
};

// The smallest box around every pixel that differs from `background`.
Box ChangedBox(const PixelBuffer& picture, Pixel background)
{
    Box box;
    for (std::int32_t y = 0; y < picture.Height(); ++y) {
        for (std::int32_t x = 0; x < picture.Width(); ++x) {
            if (!(picture.At(x, y) == background)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

// Where pixel (x, y) lies in a buffer's bytes, worked out from the layout itself rather than
// through the pixel accessors, so that a fault in their clamping cannot move the reference with
// them: top-down rows with no gap, four bytes a pixel (blue, green, red, reserved). The position
// is first moved onto the nearest edge of the caller's width x height; nothing when it then
// misses the buffer's storage (sizes that disagree with the buffer).
std::optional<std::size_t> ClampedByteOffset(const PixelBuffer& buffer, std::int32_t width,
                                             std::int32_t height, std::int64_t x, std::int64_t y)
{
    x = std::min<std::int64_t>(std::max<std::int64_t>(x, 0), width - 1);
    y = std::min<std::int64_t>(std::max<std::int64_t>(y, 0), height - 1);
    if (x < 0 || y < 0 || x >= buffer.Width() || y >= buffer.Height()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>((y * buffer.Width() + x) * 4);
}

// The per-pixel rule written out plainly on the bytes: for every bar pixel in row order, a
// clamped read from the bar (black where it misses the storage), a black test, and a clamped
// write of the three colour bytes into the picture.
void ReferenceStamp(const PixelBuffer& bar, std::int32_t columns, std::int32_t rows, PixelBuffer& picture,
                    std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t x, std::int32_t y)
{
    const auto* barBytes = reinterpret_cast<const std::uint8_t*>(bar.Data());
    auto* pictureBytes = reinterpret_cast<std::uint8_t*>(picture.Data());
    for (std::int32_t r = 0; r < rows; ++r) {
        for (std::int32_t c = 0; c < columns; ++c) {
            const std::optional<std::size_t> from = ClampedByteOffset(bar, columns, rows, c, r);
            if (!from || (barBytes[*from] == 0 && barBytes[*from + 1] == 0 && barBytes[*from + 2] == 0)) {
                continue;
            }
            const std::optional<std::size_t> to = ClampedByteOffset(picture, pictureWidth, pictureHeight,
                                                                    std::int64_t{x} + c, std::int64_t{y} + r);
            if (to) {
                std::memcpy(pictureBytes + *to, barBytes + *from, 3);
            }
        }
    }
}

class DigitRendering : public testing::Test {
protected:
    // The shipped bars of `size` (0 to 2 big, history always 3), recoloured, as the
    // bitmap preparation leaves them.
    void UseShippedBars(int size, ColorTriple colour)
    {
        const std::string folder = std::string(PALVO_SOURCE_DIR) + "/resources/bars/";
        const auto load = [&](const std::string& name, PixelBuffer& buffer) {
            ASSERT_EQ(ReadBmpFile(folder + name, buffer), BmpFileResult::Ok) << name;
            TransmissionPixels(buffer, buffer.Width(), buffer.Height(), ColorTriple{}, colour);
        };
        load("horizontal" + std::to_string(size) + ".bmp", buffers.NumBarPixels_H);
        load("vertical" + std::to_string(size) + ".bmp", buffers.NumBarPixels_V);
        load("horizontal3.bmp", buffers.HistNumPixels_H);
        load("vertical3.bmp", buffers.HistNumPixels_V);
        config.SetNumSizeIndex(static_cast<std::int16_t>(size));
    }

    void UsePicture(std::int32_t width, std::int32_t height, Pixel background = kBackground)
    {
        buffers.PicNumPixels = Filled(width, height, background);
    }

    void UseHistCell(std::int32_t width, std::int32_t height, Pixel background = kBackground)
    {
        buffers.PicHistNumPixels = Filled(width, height, background);
    }

    // Tiny history bars (5 long, 3 thick) so a whole digit fits in a few lines of art.
    void UseTinyHistBars()
    {
        buffers.HistNumPixels_H = BarFromArt({".###.", "#####", ".###."}, kRedPixel);
        buffers.HistNumPixels_V = BarFromArt({".#.", "###", "###", "###", ".#."}, kRedPixel);
    }

    WorkingBuffers buffers;
    CShared shared;
    CConfig config{"."};
    DigitRenderer renderer{buffers, shared, config};
};

TEST_F(DigitRendering, HistoryDigitsMatchTheirPictures)
{
    // Tiny bars at the "Ten" origin (12, 7): horizontal bars start at x 14 (14.5 to even),
    // upper vertical bars at y 10 (9.5), lower ones at y 16 (16.5).
    UseTinyHistBars();
    struct Case {
        std::int16_t digit;
        std::vector<std::string> art;
    };
    const std::vector<Case> cases = {
        {8,
         {"...###....", "..#####...", "...###....", ".#......#.", "###....###", "###....###", "###....###",
          ".#.###..#.", "..#####...", ".#.###..#.", "###....###", "###....###", "###....###", ".#......#.",
          "...###....", "..#####...", "...###...."}},
        {5,
         {"...###....", "..#####...", "...###....", ".#........", "###.......", "###.......", "###.......",
          ".#.###....", "..#####...", "...###..#.", ".......###", ".......###", ".......###", "........#.",
          "...###....", "..#####...", "...###...."}},
        {7,
         {"...###....", "..#####...", "...###....", ".#......#.", "###....###", "###....###", "###....###",
          ".#......#.", "..........", "........#.", ".......###", ".......###", ".......###", "........#.",
          "..........", "..........", ".........."}},
    };
    for (const Case& c : cases) {
        UseHistCell(40, 30);
        EXPECT_TRUE(renderer.DrawHistNumDigit(c.digit, Place::Ten));
        EXPECT_EQ(Art(buffers.PicHistNumPixels, 12, 7, 10, 17, kRedPixel), c.art) << c.digit;
        const Box box = ChangedBox(buffers.PicHistNumPixels, kBackground);
        EXPECT_GE(box.left, 12) << c.digit;
        EXPECT_LE(box.right, 21) << c.digit;
        EXPECT_GE(box.top, 7) << c.digit;
        EXPECT_LE(box.bottom, 23) << c.digit;
    }
}

TEST_F(DigitRendering, EveryDigitLightsItsSegments)
{
    UseShippedBars(2, kRed);
    // Centre points of the seven segments of a size-2 digit at the "Ten" place of position 0
    // (origin 40, 40): H0, H1, H2, V0, V1, V2, V3.
    const std::array<std::array<std::int32_t, 2>, 7> centres = {
        {{132, 55}, {132, 209}, {132, 363}, {55, 132}, {55, 286}, {209, 132}, {209, 286}}};
    const std::array<const char*, 10> lit = {"1011111", "0000011", "1110110", "1110011", "0101011",
                                             "1111001", "1111101", "1001011", "1111111", "1111011"};
    for (std::int16_t digit = 0; digit < 10; ++digit) {
        UsePicture(800, 600);
        EXPECT_TRUE(renderer.DrawNumDigit(digit, Place::Ten));
        for (std::size_t segment = 0; segment < 7; ++segment) {
            const Pixel& pixel = buffers.PicNumPixels.At(centres[segment][0], centres[segment][1]);
            EXPECT_EQ(pixel == kRedPixel, lit[digit][segment] == '1')
                << "digit " << digit << " segment " << segment;
        }
    }
}

TEST_F(DigitRendering, DigitExtentsWithTheShippedBars)
{
    struct Case {
        int size;
        std::int32_t width, height;
    };
    for (const Case& c : {Case{0, 114, 210}, Case{1, 149, 274}, Case{2, 184, 338}}) {
        UseShippedBars(c.size, kRed);
        config.SetNumPosIndex(0);
        UsePicture(800, 600);
        EXPECT_TRUE(renderer.DrawNumDigit(8, Place::Ten));
        const Box box = ChangedBox(buffers.PicNumPixels, kBackground);
        EXPECT_EQ(box.left, 40) << c.size;
        EXPECT_EQ(box.top, 40) << c.size;
        EXPECT_EQ(box.Width(), c.width) << c.size;
        EXPECT_EQ(box.Height(), c.height) << c.size;
    }
    UseHistCell(77, 61);
    EXPECT_TRUE(renderer.DrawHistNumDigit(8, Place::One));
    const Box box = ChangedBox(buffers.PicHistNumPixels, kBackground);
    EXPECT_EQ(box.left, 39);
    EXPECT_EQ(box.top, 7);
    EXPECT_EQ(box.Width(), 25);
    EXPECT_EQ(box.Height(), 47);
}

TEST_F(DigitRendering, LargeBottomLeftDigitsOccupyTheirPlaces)
{
    UseShippedBars(2, kRed);
    config.SetNumPosIndex(2);
    UsePicture(800, 600);
    EXPECT_TRUE(renderer.DrawNumDigit(8, Place::Ten));
    const Box ten = ChangedBox(buffers.PicNumPixels, kBackground);
    EXPECT_EQ(ten.left, 40);
    EXPECT_EQ(ten.right, 223);
    EXPECT_EQ(ten.top, 157);
    EXPECT_EQ(ten.bottom, 494);

    UsePicture(800, 600);
    EXPECT_TRUE(renderer.DrawNumDigit(8, Place::One));
    EXPECT_EQ(ChangedBox(buffers.PicNumPixels, kBackground).left, 240);
}

TEST_F(DigitRendering, NumberSevenLeavesTheTensPlaceAsBackground)
{
    UseShippedBars(0, kRed);
    config.SetNumPosIndex(0);
    UsePicture(800, 600);
    // As the display does for a one-digit number: only the ones place is drawn.
    EXPECT_TRUE(renderer.DrawNumDigit(7, Place::One));
    const Box box = ChangedBox(buffers.PicNumPixels, kBackground);
    EXPECT_EQ(box.left, 160);
    EXPECT_EQ(box.top, 40);
    // Full width; no bottom bar, so it ends with the lower-right bar at 9 + 92 + 6 + 92 rows.
    EXPECT_EQ(box.Width(), 114);
    EXPECT_EQ(box.Height(), 199);
    EXPECT_EQ(buffers.PicNumPixels.At(160 + 57, 40 + 105), kBackground) << "middle bar stays dark";
    EXPECT_EQ(buffers.PicNumPixels.At(160 + 9, 40 + 150), kBackground) << "lower-left bar stays dark";
    EXPECT_EQ(buffers.PicNumPixels.At(160 + 9, 40 + 60), kRedPixel) << "upper-left bar is lit";
}

TEST_F(DigitRendering, OtherDigitValuesDrawNothing)
{
    UseShippedBars(0, kRed);
    config.SetNumPosIndex(0);
    const std::array<std::int16_t, 5> digits = {-1, 10, 55, -32768, 32767};
    for (const std::int16_t digit : digits) {
        UsePicture(800, 600);
        UseHistCell(77, 61);
        EXPECT_TRUE(renderer.DrawNumDigit(digit, Place::One)) << digit;
        EXPECT_TRUE(renderer.DrawHistNumDigit(digit, Place::One)) << digit;
        EXPECT_EQ(ChangedBox(buffers.PicNumPixels, kBackground).right, -1) << digit;
        EXPECT_EQ(ChangedBox(buffers.PicHistNumPixels, kBackground).right, -1) << digit;
    }
}

// A number is shown as the display always showed it: tens only for two-digit numbers, then the
// ones digit (the last digit of anything else), on either target.
TEST_F(DigitRendering, NumbersAreDrawnAsTheirTensAndOnesDigits)
{
    UseShippedBars(1, kRed);
    config.SetNumPosIndex(4);
    struct Case {
        std::int16_t number;
        std::int16_t tens;  // -1: the tens place stays background
        std::int16_t ones;
    };
    for (const Case& c : {Case{0, -1, 0}, Case{7, -1, 7}, Case{10, 1, 0}, Case{58, 5, 8}, Case{99, 9, 9},
                          Case{100, -1, 0}, Case{345, -1, 5}, Case{-5, -1, 5}, Case{-42, -1, 2}}) {
        for (const DigitTarget target : {DigitTarget::Display, DigitTarget::HistoryCell}) {
            const bool display = target == DigitTarget::Display;
            UsePicture(800, 600);
            UseHistCell(77, 61);
            if (c.tens >= 0) {
                EXPECT_TRUE(display ? renderer.DrawNumDigit(c.tens, Place::Ten)
                                    : renderer.DrawHistNumDigit(c.tens, Place::Ten));
            }
            EXPECT_TRUE(display ? renderer.DrawNumDigit(c.ones, Place::One)
                                : renderer.DrawHistNumDigit(c.ones, Place::One));
            const WorkingBuffers expected = buffers;
            UsePicture(800, 600);
            UseHistCell(77, 61);
            EXPECT_TRUE(renderer.DrawNumber(target, c.number));
            EXPECT_EQ(buffers.PicNumPixels, expected.PicNumPixels)
                << c.number << (display ? " display" : " cell");
            EXPECT_EQ(buffers.PicHistNumPixels, expected.PicHistNumPixels)
                << c.number << (display ? " display" : " cell");
        }
    }
}

TEST_F(DigitRendering, OriginsFollowTheSettingsAtEveryCall)
{
    struct Row {
        std::int16_t size, position;
        std::int32_t tenX, tenY, oneX, oneY;
    };
    const std::vector<Row> rows = {
        {0, 0, 40, 40, 160, 40},
        {0, 1, 527, 40, 647, 40},
        {0, 2, 40, 285, 160, 285},
        {0, 4, 283, 170, 403, 170},
        {1, 0, 40, 40, 195, 40},
        {1, 1, 456, 40, 611, 40},
        {1, 2, 40, 221, 200, 221},
        {1, 4, 249, 138, 404, 138},
        {2, 0, 40, 40, 235, 40},
        {2, 1, 382, 40, 577, 40},
        {2, 2, 40, 157, 240, 157},
        {2, 4, 211, 107, 406, 107},
        // No origin: bottom right, and sizes or positions outside the table.
        {0, 3, 0, 0, 0, 0},
        {2, 3, 0, 0, 0, 0},
        {3, 0, 0, 0, 0, 0},
        {-1, 0, 0, 0, 0, 0},
        {0, 5, 0, 0, 0, 0},
        {1, -1, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        config.SetNumSizeIndex(row.size);
        config.SetNumPosIndex(row.position);
        EXPECT_EQ(renderer.GetNumPos(Place::Ten), (PixelPoint{row.tenX, row.tenY}))
            << row.size << "/" << row.position;
        EXPECT_EQ(renderer.GetNumPos(Place::One), (PixelPoint{row.oneX, row.oneY}))
            << row.size << "/" << row.position;
    }
}

TEST_F(DigitRendering, BottomRightStacksBothPlacesAtTheCorner)
{
    UseShippedBars(1, kRed);
    config.SetNumPosIndex(3);
    UsePicture(800, 600);
    EXPECT_TRUE(renderer.DrawNumDigit(1, Place::Ten));
    EXPECT_TRUE(renderer.DrawNumDigit(0, Place::One));
    const PixelBuffer both = buffers.PicNumPixels;
    UsePicture(800, 600);
    EXPECT_TRUE(renderer.DrawNumDigit(0, Place::One));
    // The "1" lies entirely under the "0" of the same place.
    EXPECT_EQ(buffers.PicNumPixels, both);
    const Box box = ChangedBox(both, kBackground);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
}

TEST_F(DigitRendering, BarsAreTransparentWhereBlack)
{
    UseShippedBars(2, kRed);
    config.SetNumPosIndex(0);
    const Pixel black{0, 0, 0, 0};
    UsePicture(800, 600, black);
    EXPECT_TRUE(renderer.DrawNumDigit(8, Place::Ten));
    std::int64_t lit = 0;
    for (std::int32_t y = 0; y < 600; ++y) {
        for (std::int32_t x = 0; x < 800; ++x) {
            const Pixel& pixel = buffers.PicNumPixels.At(x, y);
            ASSERT_TRUE(pixel == black || pixel == kRedPixel) << x << "," << y;
            lit += pixel == kRedPixel ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 0);
    // The top bar starts at (57, 40); its tapered tip corner is black and leaves the picture alone.
    UsePicture(800, 600);
    EXPECT_TRUE(renderer.DrawNumBar(BarOrientation::Horizontal, 0, Place::Ten));
    EXPECT_EQ(buffers.PicNumPixels.At(57, 40), kBackground);
    EXPECT_EQ(buffers.PicNumPixels.At(57, 54), kRedPixel);
    EXPECT_EQ(buffers.PicNumPixels.At(56, 54), kBackground);
}

TEST_F(DigitRendering, BlackDigitColourMakesDigitsInvisible)
{
    UseShippedBars(2, ColorTriple{0, 0, 0});
    config.SetNumPosIndex(4);
    UsePicture(800, 600);
    const PixelBuffer before = buffers.PicNumPixels;
    EXPECT_TRUE(renderer.DrawNumDigit(8, Place::Ten));
    EXPECT_TRUE(renderer.DrawNumDigit(8, Place::One));
    EXPECT_EQ(buffers.PicNumPixels, before);
}

TEST_F(DigitRendering, OnlyTheTopLeftPointIsCheckedAgainstThePicture)
{
    UseTinyHistBars();
    // The top bar of "Ten" starts at x 14: a 14-pixel-wide cell still takes it ('>' not '>='),
    // piling the whole bar onto the last column.
    UseHistCell(14, 30);
    EXPECT_TRUE(renderer.DrawHistNumBar(BarOrientation::Horizontal, 0, Place::Ten));
    EXPECT_EQ(Art(buffers.PicHistNumPixels, 12, 6, 2, 4, kRedPixel),
              (std::vector<std::string>{"..", ".#", ".#", ".#"}));
    UseHistCell(13, 30);
    const PixelBuffer before = buffers.PicHistNumPixels;
    EXPECT_FALSE(renderer.DrawHistNumBar(BarOrientation::Horizontal, 0, Place::Ten));
    EXPECT_EQ(buffers.PicHistNumPixels, before);

    // A bar crossing the bottom edge lands on the last row.
    UseHistCell(40, 9);
    EXPECT_TRUE(renderer.DrawHistNumBar(BarOrientation::Horizontal, 0, Place::Ten));
    EXPECT_EQ(Art(buffers.PicHistNumPixels, 13, 6, 7, 3, kRedPixel),
              (std::vector<std::string>{".......", "..###..", ".#####."}));
}

TEST_F(DigitRendering, DigitStopsAtTheFirstBarBeyondThePicture)
{
    UseShippedBars(0, kRed);
    config.SetNumPosIndex(0);
    // "5" is H0, H1, H2, V0, V3. H0 starts at y 40, H1 at y 136 > 130: drawing stops there, so
    // V0 (starting at y 51, which would fit) is not drawn either.
    UsePicture(300, 130);
    EXPECT_FALSE(renderer.DrawNumDigit(5, Place::Ten));
    EXPECT_EQ(buffers.PicNumPixels.At(80, 48), kRedPixel) << "top bar drawn";
    EXPECT_EQ(buffers.PicNumPixels.At(49, 100), kBackground) << "upper-left bar not drawn";
    EXPECT_TRUE(renderer.DrawNumBar(BarOrientation::Vertical, 0, Place::Ten)) << "the bar alone would fit";

    // Beyond the right edge nothing at all is drawn.
    UsePicture(100, 600);
    const PixelBuffer before = buffers.PicNumPixels;
    config.SetNumPosIndex(1);
    EXPECT_FALSE(renderer.DrawNumDigit(8, Place::One));
    EXPECT_EQ(buffers.PicNumPixels, before);
}

TEST_F(DigitRendering, BarIndicesOutsideTheTablesDrawNothing)
{
    UseShippedBars(0, kRed);
    UsePicture(800, 600);
    UseHistCell(77, 61);
    const WorkingBuffers before = buffers;
    EXPECT_FALSE(renderer.DrawNumBar(BarOrientation::Horizontal, 3, Place::Ten));
    EXPECT_FALSE(renderer.DrawNumBar(BarOrientation::Horizontal, -1, Place::Ten));
    EXPECT_FALSE(renderer.DrawNumBar(BarOrientation::Vertical, 4, Place::One));
    EXPECT_FALSE(renderer.DrawHistNumBar(BarOrientation::Horizontal, 3, Place::One));
    EXPECT_FALSE(renderer.DrawHistNumBar(BarOrientation::Vertical, -2, Place::One));
    EXPECT_EQ(buffers.PicNumPixels, before.PicNumPixels);
    EXPECT_EQ(buffers.PicHistNumPixels, before.PicHistNumPixels);
}

TEST_F(DigitRendering, NothingPreparedDrawsNothing)
{
    // Metrics still 0 and buffers empty, as before the first preparation: every bar starts
    // beyond the 0 x 0 picture.
    EXPECT_FALSE(renderer.DrawNumDigit(8, Place::Ten));
    EXPECT_FALSE(renderer.DrawHistNumDigit(8, Place::One));
    EXPECT_TRUE(buffers.PicNumPixels.Empty());
    EXPECT_TRUE(buffers.PicHistNumPixels.Empty());
}

// The whole "88" frame the timing probe paints, for every size and position and for pictures
// smaller and larger than the usual 800 x 600, against the plain per-pixel rule with the bar
// points computed in double precision and rounded half to even.
TEST_F(DigitRendering, FullFramesMatchThePlainPerPixelRule)
{
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    for (int size = 0; size < 3; ++size) {
        UseShippedBars(size, kRed);
        for (std::int16_t position = 0; position < 5; ++position) {
            config.SetNumPosIndex(position);
            for (const auto& [width, height] : std::vector<std::pair<std::int32_t, std::int32_t>>{
                     {800, 600}, {1024, 768}, {300, 200}, {640, 180}, {50, 50}}) {
                UsePicture(width, height);
                PixelBuffer expected = buffers.PicNumPixels;
                const double wh = buffers.NumBarPixels_H.Width();
                const double hh = buffers.NumBarPixels_H.Height();
                const double wv = buffers.NumBarPixels_V.Width();
                const double hv = buffers.NumBarPixels_V.Height();
                const double s = CShared::NumBarSpace();
                for (const Place place : {Place::One, Place::Ten}) {
                    const PixelPoint origin = renderer.GetNumPos(place);
                    const double ox = origin.x;
                    const double oy = origin.y;
                    const auto stamp = [&](const PixelBuffer& bar, double x, double y) {
                        const auto px = static_cast<std::int32_t>(std::nearbyint(x));
                        const auto py = static_cast<std::int32_t>(std::nearbyint(y));
                        const bool inside = !(px > width || py > height);
                        if (inside) {
                            ReferenceStamp(bar, bar.Width(), bar.Height(), expected, width, height, px, py);
                        }
                        return inside;
                    };
                    const std::array<double, 3> horizontalY = {oy, oy + hv + 2 * s, oy + 2 * hv + 4 * s};
                    for (std::int16_t index = 0; index < 3; ++index) {
                        const bool expectedResult = stamp(buffers.NumBarPixels_H, wv / 2 + ox + s,
                                                          horizontalY[static_cast<std::size_t>(index)]);
                        EXPECT_EQ(renderer.DrawNumBar(BarOrientation::Horizontal, index, place),
                                  expectedResult);
                    }
                    const std::array<double, 4> verticalX = {ox, ox, ox + wh + 2 * s, ox + wh + 2 * s};
                    const std::array<double, 4> verticalY = {hh / 2 + oy + s, hh / 2 + oy + hv + 3 * s,
                                                             hh / 2 + oy + s, hh / 2 + oy + hv + 3 * s};
                    for (std::int16_t index = 0; index < 4; ++index) {
                        const auto i = static_cast<std::size_t>(index);
                        const bool expectedResult = stamp(buffers.NumBarPixels_V, verticalX[i], verticalY[i]);
                        EXPECT_EQ(renderer.DrawNumBar(BarOrientation::Vertical, index, place),
                                  expectedResult);
                    }
                }
                ASSERT_EQ(buffers.PicNumPixels, expected)
                    << size << "/" << position << " " << width << "x" << height;
            }
        }
    }
}

// The fast row copy used for bars inside the picture must give exactly what the plain rule
// gives, wherever the bar lies: inside, across any edge, or with sizes that disagree with a buffer.
TEST(StampBar, MatchesThePlainPerPixelRuleAtEveryPosition)
{
    std::mt19937 random(20261207);
    const auto byte = [&](int oneInBlack) {
        return static_cast<std::uint8_t>(random() % static_cast<unsigned>(oneInBlack) == 0 ? 0
                                                                                           : random() % 256);
    };
    for (int trial = 0; trial < 400; ++trial) {
        const auto barWidth = static_cast<std::int32_t>(1 + random() % 9);
        const auto barHeight = static_cast<std::int32_t>(1 + random() % 9);
        PixelBuffer bar(barWidth, barHeight);
        for (std::int32_t y = 0; y < barHeight; ++y) {
            for (std::int32_t x = 0; x < barWidth; ++x) {
                // Mostly black or mostly one-channel pixels, so every byte of the black test counts.
                const bool black = random() % 3 == 0;
                bar.At(x, y) = black ? Pixel{0, 0, 0, static_cast<std::uint8_t>(random() % 256)}
                                     : Pixel{byte(2), byte(2), byte(2), byte(1)};
            }
        }
        const auto pictureWidth = static_cast<std::int32_t>(1 + random() % 14);
        const auto pictureHeight = static_cast<std::int32_t>(1 + random() % 14);
        PixelBuffer picture(pictureWidth, pictureHeight);
        for (std::int32_t y = 0; y < pictureHeight; ++y) {
            for (std::int32_t x = 0; x < pictureWidth; ++x) {
                picture.At(x, y) = Pixel{byte(9), byte(9), byte(9), byte(9)};
            }
        }
        // Now and then the sizes passed disagree with the buffers' own.
        const std::int32_t columns = trial % 7 == 0 ? barWidth + 2 : barWidth;
        const std::int32_t rows = trial % 11 == 0 ? barHeight - 1 : barHeight;
        const std::int32_t metricWidth = trial % 13 == 0 ? pictureWidth + 3 : pictureWidth;
        const std::int32_t metricHeight = trial % 17 == 0 ? pictureHeight - 1 : pictureHeight;
        for (std::int32_t y = -barHeight - 2; y <= pictureHeight + 2; ++y) {
            for (std::int32_t x = -barWidth - 2; x <= pictureWidth + 2; ++x) {
                PixelBuffer fast = picture;
                PixelBuffer plain = picture;
                StampBar(bar, columns, rows, fast, metricWidth, metricHeight, x, y);
                ReferenceStamp(bar, columns, rows, plain, metricWidth, metricHeight, x, y);
                ASSERT_EQ(fast, plain) << "trial " << trial << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace palvo
