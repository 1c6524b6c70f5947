#include "imaging/segment_digit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "imaging/card_ink.h"

namespace palvo {
namespace {

constexpr ColorTriple kInk{9, 9, 9};

std::vector<std::string> Art(const PixelBuffer& picture)
{
    std::vector<std::string> rows;
    for (std::int32_t y = 0; y < picture.Height(); ++y) {
        std::string row;
        for (std::int32_t x = 0; x < picture.Width(); ++x) {
            row += picture.At(x, y).red == kInk.red ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(SegmentDigit, EveryDigitLightsItsBarsInTheirPlaces)
{
    // 0 ... 4 over 5 ... 9, bars 4 long and 3 thick tapering to a point, one pixel apart; the
    // seven has the operator's hooked top left.
    const DigitShape shape{4, 3, 1};
    PixelBuffer picture(5 * (shape.Width() + 1), 2 * (shape.Height() + 1));
    for (int digit = 0; digit < 10; ++digit) {
        DrawSegmentDigit(picture, digit % 5 * (shape.Width() + 1), digit / 5 * (shape.Height() + 1), shape,
                         digit, kInk);
    }
    DrawSegmentDigit(picture, 0, 0, shape, 10, kInk);
    DrawSegmentDigit(picture, 0, 0, shape, -1, kInk);
    const std::vector<std::string> expected = {
        "...##..................##........##...............",
        "..####................####......####..............",
        ".#.##..#.........#.....##..#.....##..#...#.....#..",
        "###...###.......###.......###.......###.###...###.",
        "###...###.......###.......###.......###.###...###.",
        ".#.....#.........#.........#.........#...#.....#..",
        ".......................##........##........##.....",
        "......................####......####......####....",
        ".#.....#.........#...#.##........##..#.....##..#..",
        "###...###.......###.###.............###.......###.",
        "###...###.......###.###.............###.......###.",
        ".#.....#.........#...#...............#.........#..",
        "...##..................##........##...............",
        "..####................####......####..............",
        "...##..................##........##...............",
        "..................................................",
        "...##........##........##........##........##.....",
        "..####......####......####......####......####....",
        ".#.##......#.##......#.##..#...#.##..#...#.##..#..",
        "###.......###.......###...###.###...###.###...###.",
        "###.......###.......###...###.###...###.###...###.",
        ".#.........#.........#.....#...#.....#...#.....#..",
        "...##........##..................##........##.....",
        "..####......####................####......####....",
        "...##..#...#.##..#.........#...#.##..#.....##..#..",
        "......###.###...###.......###.###...###.......###.",
        "......###.###...###.......###.###...###.......###.",
        ".......#...#.....#.........#...#.....#.........#..",
        "...##........##..................##........##.....",
        "..####......####................####......####....",
        "...##........##..................##........##.....",
        "..................................................",
    };
    EXPECT_EQ(Art(picture), expected);
}

TEST(SegmentDigit, AnEightFillsExactlyItsWidthAndHeight)
{
    // The big digits, the history cells', a card page's and a small card view's shapes.
    for (const DigitShape shape :
         {DigitShape{150, 30, 2}, DigitShape{20, 3, 1}, DigitShape{50, 12, 2}, DigitShape{10, 2, 1}}) {
        PixelBuffer picture(shape.Width() + 20, shape.Height() + 20);
        DrawSegmentDigit(picture, 10, 10, shape, 8, kInk);
        std::int32_t left = picture.Width(), right = -1, top = picture.Height(), bottom = -1;
        for (std::int32_t y = 0; y < picture.Height(); ++y) {
            for (std::int32_t x = 0; x < picture.Width(); ++x) {
                if (picture.At(x, y).red == kInk.red) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_EQ(left, 10) << shape.length;
        EXPECT_EQ(top, 10) << shape.length;
        EXPECT_EQ(right - left + 1, shape.Width()) << shape.length;
        EXPECT_EQ(bottom - top + 1, shape.Height()) << shape.length;
    }
}

}  // namespace
}  // namespace palvo
