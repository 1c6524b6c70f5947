#include "display/audience_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "display/audience_frame.h"
#include "draw/draw_record.h"
#include "tests/support/game_fixture.h"

namespace palvo {
namespace {

using testing::DigitGeometry;
using testing::ReadDigit;

std::vector<std::int16_t> Called(const AudienceBoard& board)
{
    std::vector<std::int16_t> called;
    for (std::int16_t n = 0; n <= 100; ++n) {
        if (board.IsCalled(n)) {
            called.push_back(n);
        }
    }
    return called;
}

TEST(AudienceBoard, FollowsDrawsResetAndAHighestNumberChangedAtReset)
{
    DrawRecord record;
    record.Create(12);
    AudienceBoard board;
    board.Rebuild(record.NumMax(), record.Drawn());
    EXPECT_EQ(board.NumMax(), 12);
    EXPECT_EQ(board.Rows(), 2);
    EXPECT_EQ(board.CalledCount(), 0);
    EXPECT_FALSE(board.Newest());
    EXPECT_FALSE(board.Current()) << "unlit digits before the first draw";

    for (std::int16_t n : {5, 12, 1}) {
        board.ShowRolling(7);
        EXPECT_EQ(board.Current(), 7);
        record.Append(n);
        board.Rebuild(record.NumMax(), record.Drawn());
        EXPECT_EQ(board.Newest(), n);
        EXPECT_EQ(board.Current(), n) << "the settled number replaces the rolling one";
    }
    EXPECT_EQ(Called(board), (std::vector<std::int16_t>{1, 5, 12}));
    EXPECT_EQ(board.CalledCount(), 3);
    EXPECT_FALSE(board.IsComplete());

    record.Create(25);  // Reset after the highest number was changed in the settings
    board.Rebuild(record.NumMax(), record.Drawn());
    EXPECT_EQ(board.NumMax(), 25);
    EXPECT_EQ(board.Rows(), 3);
    EXPECT_TRUE(Called(board).empty());
    EXPECT_FALSE(board.Newest());
    EXPECT_FALSE(board.Current());

    record.Create(2);
    record.Append(2);
    record.Append(1);
    board.Rebuild(record.NumMax(), record.Drawn());
    EXPECT_TRUE(board.IsComplete());
    EXPECT_EQ(board.CalledCount(), 2);

    record.Create(0);
    board.Rebuild(record.NumMax(), record.Drawn());
    EXPECT_TRUE(board.IsComplete()) << "a game without numbers is over from the start";
    EXPECT_EQ(board.Rows(), 1);
}

bool Inside(const PixelRect& inner, const PixelRect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom() && !inner.Empty();
}

TEST(AudienceLayout, EverythingInsideAspectKeptAndCentredFromSmallToLargeWindows)
{
    struct Size {
        std::int32_t width, height;
    };
    for (const Size size :
         {Size{640, 480}, Size{800, 600}, Size{1024, 768}, Size{1280, 720}, Size{1366, 768}, Size{1920, 1080},
          Size{1920, 1200}, Size{2560, 1080}, Size{1080, 1920}, Size{3840, 2160}}) {
        for (const std::int16_t rows : {1, 8, 10}) {
            const std::string at = std::to_string(size.width) + "x" + std::to_string(size.height) + " rows " +
                                   std::to_string(rows);
            const AudienceLayout layout = LayOutAudience(size.width, size.height, rows);
            const PixelRect window{0, 0, size.width, size.height};
            ASSERT_TRUE(Inside(layout.content, window)) << at;
            EXPECT_EQ(layout.content.width * 11, layout.content.height * 20) << "design aspect kept, " << at;
            EXPECT_LE(std::abs((window.width - layout.content.Right()) - layout.content.x), 1) << at;
            EXPECT_LE(std::abs((window.height - layout.content.Bottom()) - layout.content.y), 1) << at;
            EXPECT_TRUE(layout.content.width >= size.width - 20 || layout.content.height >= size.height - 11)
                << "fills one side of the window, " << at;

            EXPECT_TRUE(Inside(layout.number, layout.content)) << at;
            EXPECT_TRUE(Inside(layout.count, layout.content)) << at;
            EXPECT_TRUE(Inside(layout.board, layout.content)) << at;
            const PixelRect digits{layout.tenX, layout.digitY,
                                   layout.oneX + layout.digit.Width() - layout.tenX, layout.digit.Height()};
            EXPECT_TRUE(Inside(digits, layout.number)) << at;
            EXPECT_GE(layout.digit.Height() * 10, layout.number.height * 8)
                << "big digits use the area, " << at;
            EXPECT_TRUE(Inside(layout.Cell(1), layout.board)) << at;
            EXPECT_TRUE(Inside(layout.Cell(static_cast<std::int16_t>(rows * 10)), layout.board)) << at;
            EXPECT_LT(layout.cellSize, layout.cellPitch) << "cells keep a gap, " << at;
            EXPECT_LE(2 * layout.cellDigit.Width() + layout.cellDigit.length / 3, layout.cellSize) << at;
            EXPECT_LE(layout.cellDigit.Height(), layout.cellSize) << at;
            EXPECT_GE(layout.cellDigit.thickness, 2) << "cell digits stay readable, " << at;
        }
    }
}

// Bright enough to be shown as chosen; every channel different, so a swap shows.
constexpr ColorTriple kAmber{0x30, 0xC0, 0xFF};
constexpr Pixel kAmberPixel{0x30, 0xC0, 0xFF, 0};

Pixel AsPixel(ColorTriple color)
{
    return Pixel{color.blue, color.green, color.red, 0};
}

std::string BigNumber(const AudienceFrame& frame, const Pixel& lit = kAmberPixel)
{
    const AudienceLayout& layout = frame.Layout();
    const DigitGeometry g{layout.digit.length, layout.digit.thickness, layout.digit.space};
    return ReadDigit(frame.Frame(), layout.tenX, layout.digitY, g, lit) +
           ReadDigit(frame.Frame(), layout.oneX, layout.digitY, g, lit);
}

// The number a cell shows in `lit`, read as the cell's digits are placed.
std::string CellNumber(const AudienceFrame& frame, std::int16_t number, const Pixel& lit)
{
    const AudienceLayout& layout = frame.Layout();
    const DigitShape& shape = layout.cellDigit;
    const PixelRect cell = layout.Cell(number);
    const std::int32_t pair = 2 * shape.Width() + shape.length / 3;
    const std::int32_t tenX = cell.x + (cell.width - pair) / 2;
    const std::int32_t y = cell.y + (cell.height - shape.Height()) / 2;
    const DigitGeometry g{shape.length, shape.thickness, shape.space};
    if (number < 10) {
        return ReadDigit(frame.Frame(), cell.x + (cell.width - shape.Width()) / 2, y, g, lit);
    }
    return ReadDigit(frame.Frame(), tenX, y, g, lit) +
           ReadDigit(frame.Frame(), tenX + shape.Width() + shape.length / 3, y, g, lit);
}

TEST(AudienceFrame, ScaleKeepsEveryFrameWithinItsBoundAndNoSmallerThanNeeded)
{
    const auto framePixels = [](std::int64_t width, std::int64_t height, std::int64_t scale) {
        return ((width + scale - 1) / scale) * ((height + scale - 1) / scale);
    };
    for (const auto& [width, height] :
         {std::pair{1, 1}, std::pair{1920, 1080}, std::pair{3840, 2160}, std::pair{3841, 2160},
          std::pair{7680, 4320}, std::pair{32767, 1}, std::pair{32767, 32767}, std::pair{20000, 300}}) {
        const std::int32_t scale = AudienceFrameScale(width, height);
        ASSERT_GE(scale, 1);
        EXPECT_LE(framePixels(width, height, scale), kMostAudienceFramePixels) << width << "x" << height;
        if (scale > 1) {
            EXPECT_GT(framePixels(width, height, scale - 1), kMostAudienceFramePixels)
                << width << "x" << height;
        }
    }
    EXPECT_EQ(AudienceFrameScale(3840, 2160), 1) << "4K is drawn pixel for pixel";
}

// Relative luminance and contrast ratio as the web's accessibility rules define them, worked
// out here on their own.
double Luminance(ColorTriple c)
{
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
}

double Contrast(ColorTriple a, ColorTriple b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(AudiencePalette, CalledBrightestUncalledReadableNewestBeyondForEveryColourDarkOnesIncluded)
{
    std::vector<ColorTriple> colours;
    // The whole colour cube in steps of 15 (the dialogs offer any colour), with black, navy,
    // maroon and the colour dialogs' darkest basic colours on the grid.
    for (int r = 0; r <= 255; r += 15) {
        for (int g = 0; g <= 255; g += 15) {
            for (int b = 0; b <= 255; b += 15) {
                colours.push_back(ColorTriple{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                                              static_cast<std::uint8_t>(r)});
            }
        }
    }
    for (const ColorTriple c : {ColorTriple{128, 0, 0}, ColorTriple{0, 0, 128}, ColorTriple{0, 64, 0},
                                ColorTriple{64, 0, 64}, ColorTriple{0x00, 0x80, 0xFF}}) {
        colours.push_back(c);
    }
    for (const ColorTriple chosen : colours) {
        const AudiencePalette p = AudiencePalette::For(chosen);
        const std::string at = "colour r" + std::to_string(chosen.red) + " g" + std::to_string(chosen.green) +
                               " b" + std::to_string(chosen.blue);
        ASSERT_GE(Contrast(p.lit, p.calledFill), 4.5) << at;
        ASSERT_GE(Contrast(p.uncalledDigit, p.uncalledFill), 3.0) << "uncalled readable, " << at;
        ASSERT_GE(Contrast(p.lit, p.uncalledDigit), 2.0) << "called clearly brighter, " << at;
        ASSERT_GT(Luminance(p.lit), Luminance(p.uncalledDigit)) << at;
        ASSERT_GT(Luminance(p.calledFill), Luminance(p.uncalledFill)) << "a called cell is lit, " << at;
        ASSERT_GE(Contrast(p.newestDigit, p.lit), 7.0) << "the newest cell reads, " << at;
        for (const ColorTriple other :
             {p.background, p.uncalledFill, p.uncalledDigit, p.calledFill, p.unlitSegment, p.count}) {
            ASSERT_LE(Luminance(other), Luminance(p.lit) + 1e-9) << "called is the brightest, " << at;
        }
        ASSERT_GE(Contrast(p.lit, p.unlitSegment), 4.5) << "unlit bars stay faint, " << at;
        // The hue stays: channels keep their order, and a colour bright enough stays as chosen.
        const auto order = [](int a, int b) { return (a > b) - (a < b); };
        if (Luminance(chosen) >= 0.37) {
            ASSERT_EQ(p.lit, chosen) << at;
        }
        if (std::max({chosen.red, chosen.green, chosen.blue}) > 0) {
            ASSERT_GE(order(p.lit.red, p.lit.blue) * order(chosen.red, chosen.blue), 0) << at;
            ASSERT_GE(order(p.lit.red, p.lit.green) * order(chosen.red, chosen.green), 0) << at;
            ASSERT_GE(order(p.lit.green, p.lit.blue) * order(chosen.green, chosen.blue), 0) << at;
        }
    }
    EXPECT_EQ(AudiencePalette::For(ColorTriple{0x00, 0x80, 0xFF}).lit, (ColorTriple{0x00, 0x80, 0xFF}))
        << "the default orange is shown as it is";
    const ColorTriple navy = AudiencePalette::For(ColorTriple{128, 0, 0}).lit;
    EXPECT_GT(navy.blue, navy.red) << "navy stays blue";
}

// Every colour of the frame where the players see it, channel for channel: cell fills, a
// called cell, the newest, the count and the end mark, in colours whose channels all differ.
TEST(AudienceFrame, CellFillsCalledNewestAndEndMarkInTheirOwnChannels)
{
    DrawRecord record;
    record.Create(3);
    for (std::int16_t n : {2, 3, 1}) {
        record.Append(n);
    }
    AudienceBoard done;
    done.Rebuild(record.NumMax(), record.Drawn());
    record.Create(12);
    record.Append(2);
    record.Append(11);
    AudienceBoard playing;
    playing.Rebuild(record.NumMax(), record.Drawn());
    for (const ColorTriple chosen : {kAmber, ColorTriple{0x90, 0x20, 0x10}, ColorTriple{0x10, 0x60, 0xC0}}) {
        const AudiencePalette p = AudiencePalette::For(chosen);
        AudienceFrame frame;
        frame.Compose(playing, chosen, 960, 540);
        const PixelRect uncalled = frame.Layout().Cell(7);
        const PixelRect called = frame.Layout().Cell(2);
        const PixelRect newest = frame.Layout().Cell(11);
        EXPECT_EQ(frame.Frame().At(uncalled.x, uncalled.y), AsPixel(p.uncalledFill));
        EXPECT_EQ(frame.Frame().At(called.x, called.y), AsPixel(p.calledFill));
        EXPECT_EQ(frame.Frame().At(newest.x, newest.y), AsPixel(p.lit));
        EXPECT_EQ(frame.Frame().At(0, 0), AsPixel(p.background));
        EXPECT_EQ(CellNumber(frame, 2, AsPixel(p.lit)), "2");
        EXPECT_EQ(CellNumber(frame, 7, AsPixel(p.uncalledDigit)), "7");
        EXPECT_EQ(CellNumber(frame, 11, AsPixel(p.newestDigit)), "11");
        EXPECT_EQ(BigNumber(frame, AsPixel(p.lit)), "11");

        frame.Compose(done, chosen, 960, 540);
        const PixelRect count = frame.Layout().count;
        int endMark = 0;
        int countInk = 0;
        for (std::int32_t y = count.y; y < count.Bottom(); ++y) {
            for (std::int32_t x = count.x; x < count.Right(); ++x) {
                endMark += frame.Frame().At(x, y) == AsPixel(p.lit) && x > count.x + count.width / 2;
                countInk += frame.Frame().At(x, y) == AsPixel(p.lit) && x < count.x + count.width / 3;
            }
        }
        EXPECT_GT(endMark, count.height) << "終了 in the lit colour";
        EXPECT_GT(countInk, count.height) << "the finished count in the lit colour";
    }
}

// "3 / 3" and "終了": a one-digit count keeps no blank tens place, and the end mark follows the
// count at the count's own spacing.
TEST(AudienceFrame, CountHasNoBlankTensPlaceAndTheEndMarkFollowsIt)
{
    DrawRecord record;
    record.Create(3);
    for (std::int16_t n : {2, 3, 1}) {
        record.Append(n);
    }
    AudienceBoard done;
    done.Rebuild(record.NumMax(), record.Drawn());
    AudienceFrame frame;
    frame.Compose(done, kAmber, 1280, 720);
    const PixelRect count = frame.Layout().count;
    const DigitShape& shape = frame.Layout().countDigit;
    // Inked columns of the count row, split into runs at gaps wider than a bar.
    std::vector<std::pair<std::int32_t, std::int32_t>> runs;
    std::int32_t blank = 0;
    for (std::int32_t x = count.x; x < count.Right(); ++x) {
        bool inked = false;
        for (std::int32_t y = count.y; y < count.Bottom() && !inked; ++y) {
            inked = frame.Frame().At(x, y) == kAmberPixel;
        }
        if (!inked) {
            ++blank;
            continue;
        }
        if (runs.empty() || blank > shape.thickness) {
            runs.emplace_back(x, x);
        }
        runs.back().second = x;
        blank = 0;
    }
    ASSERT_GE(runs.size(), 4u) << "3, /, 3 and the end mark";
    EXPECT_LE(runs.front().first, count.x + shape.space + shape.thickness)
        << "the count starts at the row's left edge (a 3 has no left bars)";
    std::int32_t widestGap = 0;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        widestGap = std::max(widestGap, runs[i].first - runs[i - 1].second);
    }
    EXPECT_LE(widestGap, shape.length * 3 / 2) << "no blank digit place nor a stray gap before 終了";
}

TEST(AudienceFrame, DigitsAtScaleCalledCellsInTheDigitColourAndRollingRedrawsOnlyTheNumber)
{
    DrawRecord record;
    record.Create(72);
    for (std::int16_t n : {9, 47, 30}) {
        record.Append(n);
    }
    AudienceBoard board;
    board.Rebuild(record.NumMax(), record.Drawn());
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1920, 1080}, std::pair{640, 480}}) {
        AudienceFrame frame;
        frame.Compose(board, kAmber, width, height);
        ASSERT_EQ(frame.Frame().Width(), width);
        EXPECT_EQ(BigNumber(frame), "30");
        EXPECT_EQ(CellNumber(frame, 9, kAmberPixel), "9");
        EXPECT_EQ(CellNumber(frame, 47, kAmberPixel), "47");
        EXPECT_EQ(CellNumber(frame, 30, AsPixel(AudiencePalette::For(kAmber).newestDigit)), "30")
            << "the newest: dark on the digit colour";
        EXPECT_EQ(CellNumber(frame, 72, kAmberPixel), "  ") << "an uncalled cell stays dim";

        // Rolling frames touch only the number's area, and they add up to a full composition.
        AudienceBoard rolling = board;
        for (std::int16_t n : {5, 68, 11}) {
            const PixelRect changed = frame.ComposeNumber(n);
            EXPECT_EQ(changed, frame.Layout().number);
            rolling.ShowRolling(n);
            AudienceFrame whole;
            whole.Compose(rolling, kAmber, width, height);
            EXPECT_TRUE(whole.Frame() == frame.Frame()) << n << " at " << width;
        }
        EXPECT_EQ(BigNumber(frame), "11");
        static_cast<void>(frame.ComposeNumber(std::nullopt));
        EXPECT_EQ(BigNumber(frame), "  ");
    }
}

}  // namespace
}  // namespace palvo
