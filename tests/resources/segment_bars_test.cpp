// The segment-bar bitmaps shipped in resources/bars: their names, sizes, 4-bit format and
// the taper of their ends, checked pixel by pixel.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "imaging/bmp_file.h"
#include "imaging/dib_access.h"
#include "platform/headless/memory_picture_surface.h"

namespace palvo {
namespace {

struct Shipped {
    std::string name;
    std::int32_t width;
    std::int32_t height;
};

const std::vector<Shipped> kShipped = {
    {"horizontal0.bmp", 92, 18}, {"horizontal1.bmp", 121, 24}, {"horizontal2.bmp", 150, 30},
    {"horizontal3.bmp", 20, 3},  {"vertical0.bmp", 18, 92},    {"vertical1.bmp", 24, 121},
    {"vertical2.bmp", 30, 150},  {"vertical3.bmp", 3, 20},
};

std::string PathOf(const std::string& name)
{
    return std::string(PALVO_SOURCE_DIR) + "/resources/bars/" + name;
}

TEST(ShippedSegmentBars, AreFourBitBitmapsOfTheirSizes)
{
    for (const Shipped& bar : kShipped) {
        std::ifstream file(PathOf(bar.name), std::ios::binary);
        ASSERT_TRUE(file) << bar.name;
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                               std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 30U) << bar.name;
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(bytes[28] | (bytes[29] << 8), 4) << bar.name << " bits per pixel";

        PixelBuffer image;
        ASSERT_EQ(ReadBmpFile(PathOf(bar.name), image), BmpFileResult::Ok) << bar.name;
        EXPECT_EQ(image.Width(), bar.width) << bar.name;
        EXPECT_EQ(image.Height(), bar.height) << bar.name;
    }
}

TEST(ShippedSegmentBars, FollowTheTaperRuleInAmberOnBlack)
{
    const Pixel black{0, 0, 0, 0};
    const Pixel amber{0, 180, 255, 0};
    for (const Shipped& bar : kShipped) {
        PixelBuffer image;
        ASSERT_EQ(ReadBmpFile(PathOf(bar.name), image), BmpFileResult::Ok) << bar.name;
        const bool horizontal = bar.width > bar.height;
        const std::int32_t length = horizontal ? bar.width : bar.height;
        const std::int32_t thickness = horizontal ? bar.height : bar.width;
        for (std::int32_t along = 0; along < length; ++along) {
            const std::int32_t fromTip = std::min(along, length - 1 - along);
            const std::int32_t blackAtEachSide = std::max(0, (thickness - 1) / 2 - fromTip);
            for (std::int32_t across = 0; across < thickness; ++across) {
                const Pixel& pixel = horizontal ? image.At(along, across) : image.At(across, along);
                const bool shouldBeBlack = across < blackAtEachSide || across >= thickness - blackAtEachSide;
                ASSERT_EQ(pixel, shouldBeBlack ? black : amber)
                    << bar.name << " line " << along << " pixel " << across;
            }
        }
    }
}

TEST(ShippedSegmentBars, LoadIntoAPictureBoxAtTheirOwnSize)
{
    for (const Shipped& bar : kShipped) {
        MemoryPictureSurface box(1, 1, 0, MemoryPictureSurface::ReadBmpPicture);
        ASSERT_TRUE(box.LoadPicture(PathOf(bar.name))) << bar.name;
        PixelBuffer pixels;
        std::int32_t width = 0;
        std::int32_t height = 0;
        ASSERT_TRUE(GetDibPixels(box, pixels, width, height)) << bar.name;
        EXPECT_EQ(width, bar.width) << bar.name;
        EXPECT_EQ(height, bar.height) << bar.name;
    }
    MemoryPictureSurface box(1, 1, 0, MemoryPictureSurface::ReadBmpPicture);
    EXPECT_FALSE(box.LoadPicture(PathOf("missing.bmp")));
}

}  // namespace
}  // namespace palvo
