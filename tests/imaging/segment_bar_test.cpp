#include "imaging/segment_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace palvo {
namespace {

constexpr ColorTriple kLit{1, 2, 3};

std::vector<std::string> Art(const PixelBuffer& bar)
{
    std::vector<std::string> rows;
    for (std::int32_t y = 0; y < bar.Height(); ++y) {
        std::string row;
        for (std::int32_t x = 0; x < bar.Width(); ++x) {
            const Pixel& pixel = bar.At(x, y);
            row += pixel == Pixel{1, 2, 3, 0} ? '#' : pixel == Pixel{} ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(SegmentBar, HistoryBarsLoseOneCornerPixelAtEachTip)
{
    EXPECT_EQ(
        Art(MakeSegmentBar(BarOrientation::Horizontal, {20, 3}, kLit)),
        (std::vector<std::string>{".##################.", "####################", ".##################."}));
    EXPECT_EQ(Art(MakeSegmentBar(BarOrientation::Vertical, {6, 3}, kLit)),
              (std::vector<std::string>{".#.", "###", "###", "###", "###", ".#."}));
}

TEST(SegmentBar, ThickBarsTaperToAPoint)
{
    // Thickness 7: three black pixels at each side of the tip line, one fewer per line inwards;
    // thickness 6 keeps a two-pixel tip; length 5 meets its own taper in the middle.
    EXPECT_EQ(Art(MakeSegmentBar(BarOrientation::Horizontal, {9, 7}, kLit)),
              (std::vector<std::string>{"...###...", "..#####..", ".#######.", "#########", ".#######.",
                                        "..#####..", "...###..."}));
    EXPECT_EQ(Art(MakeSegmentBar(BarOrientation::Horizontal, {5, 6}, kLit)),
              (std::vector<std::string>{"..#..", ".###.", "#####", "#####", ".###.", "..#.."}));
    EXPECT_EQ(Art(MakeSegmentBar(BarOrientation::Vertical, {4, 2}, kLit)),
              (std::vector<std::string>{"##", "##", "##", "##"}));
}

TEST(SegmentBar, VerticalBarIsTheHorizontalOneTurned)
{
    for (const SegmentBarSize size : kSegmentBarSizes) {
        const PixelBuffer horizontal = MakeSegmentBar(BarOrientation::Horizontal, size, kSegmentBarColor);
        const PixelBuffer vertical = MakeSegmentBar(BarOrientation::Vertical, size, kSegmentBarColor);
        ASSERT_EQ(horizontal.Width(), size.length);
        ASSERT_EQ(horizontal.Height(), size.thickness);
        ASSERT_EQ(vertical.Width(), size.thickness);
        ASSERT_EQ(vertical.Height(), size.length);
        for (std::int32_t along = 0; along < size.length; ++along) {
            for (std::int32_t across = 0; across < size.thickness; ++across) {
                ASSERT_EQ(horizontal.At(along, across), vertical.At(across, along)) << along << "," << across;
            }
        }
    }
}

TEST(SegmentBar, ImpossibleSizesGiveNoBar)
{
    EXPECT_TRUE(MakeSegmentBar(BarOrientation::Horizontal, {0, 3}, kLit).Empty());
    EXPECT_TRUE(MakeSegmentBar(BarOrientation::Vertical, {5, -1}, kLit).Empty());
    EXPECT_EQ(SegmentBarFileName(BarOrientation::Horizontal, 0), "horizontal0.bmp");
    EXPECT_EQ(SegmentBarFileName(BarOrientation::Vertical, 3), "vertical3.bmp");
}

}  // namespace
}  // namespace palvo
