#include "display/audience_board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/audience_frame.h"
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
    board.Rebuild(record);
    EXPECT_EQ(board.NumMax(), 12);
    EXPECT_EQ(board.Rows(), 2);
    EXPECT_EQ(board.CalledCount(), 0);
    EXPECT_FALSE(board.Newest());
    EXPECT_FALSE(board.Current()) << "unlit digits before the first draw";

    for (std::int16_t n : {5, 12, 1}) {
        board.ShowRolling(7);
        EXPECT_EQ(board.Current(), 7);
        record.Append(n);
        board.Rebuild(record);
        EXPECT_EQ(board.Newest(), n);
        EXPECT_EQ(board.Current(), n) << "the settled number replaces the rolling one";
    }
    EXPECT_EQ(Called(board), (std::vector<std::int16_t>{1, 5, 12}));
    EXPECT_EQ(board.CalledCount(), 3);
    EXPECT_FALSE(board.IsComplete());

    record.Create(25);  // Reset after the highest number was changed in the settings
    board.Rebuild(record);
    EXPECT_EQ(board.NumMax(), 25);
    EXPECT_EQ(board.Rows(), 3);
    EXPECT_TRUE(Called(board).empty());
    EXPECT_FALSE(board.Newest());
    EXPECT_FALSE(board.Current());

    record.Create(2);
    record.Append(2);
    record.Append(1);
    board.Rebuild(record);
    EXPECT_TRUE(board.IsComplete());
    EXPECT_EQ(board.CalledCount(), 2);

    record.Create(0);
    board.Rebuild(record);
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

constexpr ColorTriple kRed{0, 0, 255};
constexpr Pixel kRedPixel{0, 0, 255, 0};

std::string BigNumber(const AudienceFrame& frame, const Pixel& lit = kRedPixel)
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

TEST(AudienceFrame, DigitsAtScaleCalledCellsInTheDigitColourAndRollingRedrawsOnlyTheNumber)
{
    DrawRecord record;
    record.Create(72);
    for (std::int16_t n : {9, 47, 30}) {
        record.Append(n);
    }
    AudienceBoard board;
    board.Rebuild(record);
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1920, 1080}, std::pair{640, 480}}) {
        AudienceFrame frame;
        frame.Compose(board, kRed, width, height);
        ASSERT_EQ(frame.Frame().Width(), width);
        EXPECT_EQ(BigNumber(frame), "30");
        EXPECT_EQ(CellNumber(frame, 9, kRedPixel), "9");
        EXPECT_EQ(CellNumber(frame, 47, kRedPixel), "47");
        EXPECT_EQ(CellNumber(frame, 30, Pixel{0x10, 0x10, 0x10, 0}), "30")
            << "the newest: dark on the digit colour";
        EXPECT_EQ(CellNumber(frame, 72, kRedPixel), "  ") << "an uncalled cell stays dim";

        // Rolling frames touch only the number's area, and they add up to a full composition.
        AudienceBoard rolling = board;
        for (std::int16_t n : {5, 68, 11}) {
            const PixelRect changed = frame.ComposeNumber(n);
            EXPECT_EQ(changed, frame.Layout().number);
            rolling.ShowRolling(n);
            AudienceFrame whole;
            whole.Compose(rolling, kRed, width, height);
            EXPECT_TRUE(whole.Frame() == frame.Frame()) << n << " at " << width;
        }
        EXPECT_EQ(BigNumber(frame), "11");
        static_cast<void>(frame.ComposeNumber(std::nullopt));
        EXPECT_EQ(BigNumber(frame), "  ");
    }
}

}  // namespace
}  // namespace palvo
