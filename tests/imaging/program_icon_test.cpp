#include "imaging/program_icon.h"

#include <gtest/gtest.h>

namespace palvo {
namespace {

// Where an orange eight on a navy rounded square puts its colours, at a small and the largest size.
TEST(ProgramIcon, OrangeEightOnNavyWithClearCorners)
{
    constexpr Pixel kNavy{0x3C, 0x24, 0x0B, 0xFF};
    constexpr Pixel kOrange{0x00, 0x80, 0xFF, 0xFF};
    for (const std::int32_t size : {32, 256}) {
        const PixelBuffer icon = DrawProgramIcon(size);
        ASSERT_EQ(icon.Width(), size);
        auto at = [&](int x128, int y128) { return icon.At(x128 * size / 128, y128 * size / 128); };
        EXPECT_EQ(at(0, 0).reserved, 0) << size << ": the rounded corner is clear";
        EXPECT_EQ(at(127, 127).reserved, 0) << size;
        EXPECT_EQ(at(64, 22), kOrange) << size << ": top bar";
        EXPECT_EQ(at(64, 106), kOrange) << size << ": bottom bar";
        EXPECT_EQ(at(38, 44), kOrange) << size << ": upper left bar";
        EXPECT_EQ(at(90, 84), kOrange) << size << ": lower right bar";
        EXPECT_EQ(at(64, 43), kNavy) << size << ": inside the upper loop";
        EXPECT_EQ(at(64, 85), kNavy) << size << ": inside the lower loop";
        EXPECT_EQ(at(12, 64), kNavy) << size << ": left of the digit";
    }
}

}  // namespace
}  // namespace palvo
