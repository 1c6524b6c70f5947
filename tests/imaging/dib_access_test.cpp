#include "imaging/dib_access.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/headless/memory_picture_surface.h"

namespace palvo {
namespace {

// A buffer whose every pixel is distinct: red = x, green = y, blue = 7, reserved = 0xAA.
PixelBuffer Numbered(std::int32_t width, std::int32_t height)
{
    PixelBuffer buffer(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            buffer.At(x, y) = Pixel{7, static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x), 0xAA};
        }
    }
    return buffer;
}

TEST(GetDibPixels, ReadsTheWholeImageTopDownWithItsSize)
{
    MemoryPictureSurface surface(3, 2, 0x00332211);
    surface.WriteImage(Numbered(3, 2));
    PixelBuffer buffer(9, 9);
    std::int32_t width = -1;
    std::int32_t height = -1;
    ASSERT_TRUE(GetDibPixels(surface, buffer, width, height));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    ASSERT_EQ(buffer.Width(), 3);
    ASSERT_EQ(buffer.Height(), 2);
    // (2, 0) is the top-right pixel at linear position 2, (0, 1) starts the second row at 3.
    EXPECT_EQ(buffer.Data()[2].red, 2);
    EXPECT_EQ(buffer.Data()[2].green, 0);
    EXPECT_EQ(buffer.Data()[3].red, 0);
    EXPECT_EQ(buffer.Data()[3].green, 1);
}

TEST(GetDibPixels, FailedReadReportsTheSizeAndKeepsTheBuffer)
{
    MemoryPictureSurface surface(4, 5);
    surface.SetReadFails(true);
    PixelBuffer buffer = Numbered(2, 2);
    const PixelBuffer before = buffer;
    std::int32_t width = 0;
    std::int32_t height = 0;
    EXPECT_FALSE(GetDibPixels(surface, buffer, width, height));
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 5);
    EXPECT_EQ(buffer, before);

    MemoryPictureSurface empty;
    EXPECT_FALSE(GetDibPixels(empty, buffer, width, height));
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_EQ(buffer, before);
}

TEST(SetDibPixels, SmallerBufferChangesOnlyTheTopLeftPart)
{
    MemoryPictureSurface surface(4, 3, 0x000000FF);
    const PixelBuffer patch = Numbered(2, 2);
    EXPECT_EQ(SetDibPixels(surface, patch), 2);
    const Pixel back{0, 0, 255, 0};
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 4; ++x) {
            const Pixel expected = x < 2 && y < 2 ? patch.At(x, y) : back;
            EXPECT_EQ(surface.Image().At(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(SetDibPixels(surface, PixelBuffer()), 0);
}

TEST(PixelAccess, OutOfRangeCoordinatesMoveOntoTheNearestEdge)
{
    const PixelBuffer buffer = Numbered(5, 4);
    struct Case {
        std::int32_t x, y;
        std::uint8_t column, row;
    };
    const std::array<Case, 8> cases = {{{-5, 1, 0, 1},
                                        {8, 1, 4, 1},
                                        {5, 2, 4, 2},
                                        {2, -1, 2, 0},
                                        {2, 7, 2, 3},
                                        {-1, -1, 0, 0},
                                        {100, 100, 4, 3},
                                        {3, 2, 3, 2}}};
    for (const Case& c : cases) {
        const ColorTriple read = GetPixelRGB(buffer, 5, 4, c.x, c.y);
        EXPECT_EQ(read.red, c.column) << c.x << "," << c.y;
        EXPECT_EQ(read.green, c.row) << c.x << "," << c.y;
        EXPECT_EQ(read.blue, 7);

        PixelBuffer target = Numbered(5, 4);
        SetPixelRGB(target, 5, 4, c.x, c.y, 200, 201, 202);
        const Pixel& written = target.At(c.column, c.row);
        EXPECT_EQ(written, (Pixel{202, 201, 200, 0xAA})) << "reserved byte kept, " << c.x << "," << c.y;
        PixelBuffer untouched = Numbered(5, 4);
        untouched.At(c.column, c.row) = written;
        EXPECT_EQ(target, untouched) << "only one pixel changes";
    }
}

TEST(PixelAccess, SizesThatDoNotMatchTheBufferNeverReachOutsideIt)
{
    PixelBuffer empty;
    EXPECT_EQ(GetPixelRGB(empty, 0, 0, 3, 3), (ColorTriple{0, 0, 0}));
    SetPixelRGB(empty, 0, 0, 3, 3, 1, 2, 3);

    PixelBuffer small = Numbered(2, 2);
    const PixelBuffer before = small;
    SetPixelRGB(small, 50, 50, 40, 40, 1, 2, 3);
    EXPECT_EQ(small, before);
    // Smaller sizes than the buffer's confine the clamp to that part.
    SetPixelRGB(small, 1, 1, 40, 40, 1, 2, 3);
    EXPECT_EQ(small.At(0, 0), (Pixel{3, 2, 1, 0xAA}));
}

TEST(ColorToRGB, SplitsOnlyThreeByteColours)
{
    struct Case {
        std::int32_t color;
        bool fits;
        ColorTriple triple;
    };
    const ColorTriple marker{1, 2, 3};
    const std::array<Case, 8> cases = {{
        {0, true, {0, 0, 0}},
        {0xFF, true, {0, 0, 255}},
        {0x00B4FF, true, {0, 180, 255}},
        {0x123456, true, {0x12, 0x34, 0x56}},
        {0xFFFFFF, true, {255, 255, 255}},
        {0x1000000, false, marker},
        {-1, false, marker},
        {INT32_MIN, false, marker},
    }};
    for (const Case& c : cases) {
        ColorTriple triple = marker;
        EXPECT_EQ(ColorToRGB(c.color, triple), c.fits) << std::hex << c.color;
        EXPECT_EQ(triple, c.triple) << std::hex << c.color;
    }
}

TEST(TransmissionPixels, RepaintsEverythingButTheExactKey)
{
    PixelBuffer buffer(4, 1);
    buffer.At(0, 0) = Pixel{0, 0, 0, 0x11};  // black: the key
    buffer.At(1, 0) = Pixel{0, 0, 1, 0x22};  // red 1: not the key
    buffer.At(2, 0) = Pixel{9, 9, 9, 0x33};
    buffer.At(3, 0) = Pixel{0, 0, 0, 0x44};
    TransmissionPixels(buffer, 4, 1, ColorTriple{0, 0, 0}, ColorTriple{10, 20, 30});
    EXPECT_EQ(buffer.At(0, 0), (Pixel{0, 0, 0, 0x11}));
    EXPECT_EQ(buffer.At(1, 0), (Pixel{10, 20, 30, 0x22}));
    EXPECT_EQ(buffer.At(2, 0), (Pixel{10, 20, 30, 0x33}));
    EXPECT_EQ(buffer.At(3, 0), (Pixel{0, 0, 0, 0x44}));

    // A non-black key: only a match of all three bytes survives.
    PixelBuffer keyed(3, 1);
    keyed.At(0, 0) = Pixel{5, 6, 7, 0};
    keyed.At(1, 0) = Pixel{5, 6, 8, 0};
    keyed.At(2, 0) = Pixel{4, 6, 7, 0};
    TransmissionPixels(keyed, 3, 1, ColorTriple{5, 6, 7}, ColorTriple{0, 0, 0});
    EXPECT_EQ(keyed.At(0, 0), (Pixel{5, 6, 7, 0}));
    EXPECT_EQ(keyed.At(1, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(keyed.At(2, 0), (Pixel{0, 0, 0, 0}));
}

TEST(TransmissionPixels, BlackPaintTurnsTheWholeBufferBlack)
{
    PixelBuffer buffer = Numbered(6, 3);
    TransmissionPixels(buffer, 6, 3, ColorTriple{0, 0, 0}, ColorTriple{0, 0, 0});
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 6; ++x) {
            EXPECT_EQ(buffer.At(x, y), (Pixel{0, 0, 0, 0xAA}));
        }
    }
}

TEST(TransmissionPixels, SmallerSizesRepaintOnlyThatPartAndLargerOnesStayInside)
{
    PixelBuffer buffer = Numbered(4, 4);
    TransmissionPixels(buffer, 2, 3, ColorTriple{0, 0, 0}, ColorTriple{1, 1, 1});
    for (std::int32_t y = 0; y < 4; ++y) {
        for (std::int32_t x = 0; x < 4; ++x) {
            const bool repainted = x < 2 && y < 3;
            EXPECT_EQ(buffer.At(x, y).blue == 1, repainted) << x << "," << y;
        }
    }
    PixelBuffer small = Numbered(2, 2);
    TransmissionPixels(small, 100, 100, ColorTriple{0, 0, 0}, ColorTriple{1, 1, 1});
    EXPECT_EQ(small.At(1, 1), (Pixel{1, 1, 1, 0xAA}));
}

}  // namespace
}  // namespace palvo
