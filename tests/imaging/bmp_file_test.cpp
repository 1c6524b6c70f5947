#include "imaging/bmp_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace palvo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A file with a 40-byte header; `extra` bytes of palette or masks, then the pixel rows as given.
Bytes MakeFile(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression,
               const Bytes& extra, const Bytes& rows, std::uint32_t colorsUsed = 0)
{
    Bytes bytes(54 + extra.size() + rows.size());
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 10, static_cast<std::uint32_t>(54 + extra.size()));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<std::uint32_t>(width));
    Put32(bytes, 22, static_cast<std::uint32_t>(height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, bitCount);
    Put32(bytes, 30, compression);
    Put32(bytes, 46, colorsUsed);
    std::copy(extra.begin(), extra.end(), bytes.begin() + 54);
    std::copy(rows.begin(), rows.end(), bytes.begin() + 54 + static_cast<std::ptrdiff_t>(extra.size()));
    Put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

PixelBuffer Sample(std::int32_t width, std::int32_t height, int colours)
{
    PixelBuffer image(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const auto k = static_cast<std::uint8_t>((x * 3 + y * 5) % colours);
            image.At(x, y) = Pixel{static_cast<std::uint8_t>(k * 16), static_cast<std::uint8_t>(255 - k),
                                   static_cast<std::uint8_t>(k * 7), 0};
        }
    }
    return image;
}

TEST(BmpFile, TwentyFourBitRoundTripKeepsEveryPixel)
{
    // Odd widths need row padding; 1 x 1 the smallest picture.
    for (const auto& [width, height] :
         {std::pair{1, 1}, std::pair{5, 3}, std::pair{6, 7}, std::pair{33, 2}}) {
        const PixelBuffer image = Sample(width, height, 200);
        const Bytes bytes = EncodeBmp24(image);
        PixelBuffer decoded;
        ASSERT_EQ(DecodeBmp(bytes, decoded), BmpFileResult::Ok);
        EXPECT_EQ(decoded, image) << width << "x" << height;
    }
    EXPECT_TRUE(EncodeBmp24(PixelBuffer()).empty());
}

TEST(BmpFile, FourBitRoundTripAndColourLimit)
{
    const PixelBuffer image = Sample(7, 4, 16);
    Bytes bytes;
    ASSERT_EQ(EncodeBmp4(image, bytes), BmpFileResult::Ok);
    EXPECT_EQ(bytes[28], 4);
    EXPECT_EQ(bytes.size(), 54U + 16 * 4 + 4 * 4);  // 7 pixels = 4 bytes per row
    PixelBuffer decoded;
    ASSERT_EQ(DecodeBmp(bytes, decoded), BmpFileResult::Ok);
    EXPECT_EQ(decoded, image);

    Bytes untouched = {1, 2, 3};
    EXPECT_EQ(EncodeBmp4(Sample(17, 1, 17), untouched), BmpFileResult::TooManyColors);
    EXPECT_EQ(untouched, (Bytes{1, 2, 3}));
    EXPECT_EQ(EncodeBmp4(PixelBuffer(), untouched), BmpFileResult::Malformed);
}

TEST(BmpFile, ReadsPaletteImagesBottomUp)
{
    // 1 bit, 10 x 2: bottom row first. Palette: 0 black, 1 white.
    const Bytes palette = {0, 0, 0, 0, 255, 255, 255, 0};
    const Bytes rows = {0b10000000, 0b01000000, 0, 0,   // bottom row: x 0 and x 9 white
                        0b01010101, 0b01000000, 0, 0};  // top row
    PixelBuffer image;
    ASSERT_EQ(DecodeBmp(MakeFile(10, 2, 1, 0, palette, rows), image), BmpFileResult::Ok);
    std::string top;
    std::string bottom;
    for (std::int32_t x = 0; x < 10; ++x) {
        top += image.At(x, 0).red == 255 ? '#' : '.';
        bottom += image.At(x, 1).red == 255 ? '#' : '.';
    }
    EXPECT_EQ(top, ".#.#.#.#.#");
    EXPECT_EQ(bottom, "#........#");

    // 8 bit with a 3-entry palette, 2 x 1.
    const Bytes palette8 = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};
    ASSERT_EQ(DecodeBmp(MakeFile(2, 1, 8, 0, palette8, {2, 1, 0, 0}, 3), image), BmpFileResult::Ok);
    EXPECT_EQ(image.At(0, 0), (Pixel{7, 8, 9, 0}));
    EXPECT_EQ(image.At(1, 0), (Pixel{4, 5, 6, 0}));
    // An index beyond the palette is no colour at all.
    EXPECT_EQ(DecodeBmp(MakeFile(2, 1, 8, 0, palette8, {3, 1, 0, 0}, 3), image), BmpFileResult::Malformed);
    EXPECT_EQ(DecodeBmp(MakeFile(2, 1, 8, 0, palette8, {0, 1, 0, 0}, 300), image), BmpFileResult::Malformed);
}

TEST(BmpFile, ReadsTopDownThirtyTwoAndSixteenBitImages)
{
    // 32 bit, top-down (negative height), 1 x 2; the alpha byte is not kept.
    PixelBuffer image;
    ASSERT_EQ(DecodeBmp(MakeFile(1, -2, 32, 0, {}, {10, 20, 30, 99, 40, 50, 60, 99}), image),
              BmpFileResult::Ok);
    EXPECT_EQ(image.At(0, 0), (Pixel{10, 20, 30, 0}));
    EXPECT_EQ(image.At(0, 1), (Pixel{40, 50, 60, 0}));

    // 16 bit 5-6-5 with masks after the header: pure red and pure green, widened to 8 bits.
    Bytes masks(12);
    Put32(masks, 0, 0xF800);
    Put32(masks, 4, 0x07E0);
    Put32(masks, 8, 0x001F);
    ASSERT_EQ(DecodeBmp(MakeFile(2, 1, 16, 3, masks, {0x00, 0xF8, 0xE0, 0x07}), image), BmpFileResult::Ok);
    EXPECT_EQ(image.At(0, 0), (Pixel{0, 0, 255, 0}));
    EXPECT_EQ(image.At(1, 0), (Pixel{0, 255, 0, 0}));
    // Masks whose bits are not one run are rejected.
    Put32(masks, 0, 0xF0F0);
    EXPECT_EQ(DecodeBmp(MakeFile(2, 1, 16, 3, masks, {0, 0, 0, 0}), image), BmpFileResult::Malformed);
}

TEST(BmpFile, ReadsTheOldTwelveByteHeader)
{
    Bytes bytes(30);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 10, 26);
    Put32(bytes, 14, 12);
    Put16(bytes, 18, 1);
    Put16(bytes, 20, 1);
    Put16(bytes, 22, 1);
    Put16(bytes, 24, 24);
    bytes[26] = 1;
    bytes[27] = 2;
    bytes[28] = 3;
    PixelBuffer image;
    ASSERT_EQ(DecodeBmp(bytes, image), BmpFileResult::Ok);
    EXPECT_EQ(image.At(0, 0), (Pixel{1, 2, 3, 0}));
}

TEST(BmpFile, RejectsMalformedFilesWithTheirReason)
{
    const Bytes rows(8, 0);
    struct Case {
        const char* what;
        Bytes bytes;
        BmpFileResult result;
    };
    std::vector<Case> cases = {
        {"empty", {}, BmpFileResult::NotBitmap},
        {"not BM", {'P', 'K', 3, 4}, BmpFileResult::NotBitmap},
        {"only the signature", {'B', 'M'}, BmpFileResult::Truncated},
        {"zero width", MakeFile(0, 1, 24, 0, {}, rows), BmpFileResult::Malformed},
        {"zero height", MakeFile(1, 0, 24, 0, {}, rows), BmpFileResult::Malformed},
        {"negative width", MakeFile(-2, 1, 24, 0, {}, rows), BmpFileResult::Malformed},
        {"huge width", MakeFile(100000, 1, 24, 0, {}, rows), BmpFileResult::TooLarge},
        {"most negative height", MakeFile(1, INT32_MIN, 24, 0, {}, rows), BmpFileResult::TooLarge},
        {"7 bits", MakeFile(1, 1, 7, 0, {}, rows), BmpFileResult::Unsupported},
        {"run-length", MakeFile(1, 1, 8, 1, Bytes(1024), rows), BmpFileResult::Unsupported},
        {"embedded jpeg", MakeFile(1, 1, 24, 4, {}, rows), BmpFileResult::Unsupported},
        {"rows missing", MakeFile(4, 4, 24, 0, {}, rows), BmpFileResult::Truncated},
        {"palette missing", MakeFile(1, 1, 8, 0, {}, {}), BmpFileResult::Truncated},
    };
    Bytes twoPlanes = MakeFile(1, 1, 24, 0, {}, rows);
    Put16(twoPlanes, 26, 2);
    cases.push_back({"two planes", twoPlanes, BmpFileResult::Malformed});
    Bytes pixelsInHeader = MakeFile(1, 1, 24, 0, {}, rows);
    Put32(pixelsInHeader, 10, 20);
    cases.push_back({"pixels inside the header", pixelsInHeader, BmpFileResult::Malformed});
    Bytes pixelsBeyondEnd = MakeFile(1, 1, 24, 0, {}, rows);
    Put32(pixelsBeyondEnd, 10, 0xFFFFFFF0);
    cases.push_back({"pixels beyond the end", pixelsBeyondEnd, BmpFileResult::Truncated});
    Bytes oddHeader = MakeFile(1, 1, 24, 0, {}, rows);
    Put32(oddHeader, 14, 20);
    cases.push_back({"unknown header", oddHeader, BmpFileResult::Unsupported});

    // A header of 41 to 51 bytes has no room for the colour masks: they must not be read
    // beyond the end of a short file.
    for (const std::uint32_t headerSize : {41U, 48U, 51U}) {
        Bytes shortMasks = MakeFile(1, 1, 32, 3, {}, {});
        shortMasks.resize(14 + headerSize + 4);
        Put32(shortMasks, 14, headerSize);
        Put32(shortMasks, 10, static_cast<std::uint32_t>(shortMasks.size() - 4));
        cases.push_back({"masks beyond a short header", shortMasks, BmpFileResult::Truncated});
    }

    for (const Case& c : cases) {
        PixelBuffer image(1, 1);
        image.At(0, 0) = Pixel{1, 2, 3, 4};
        const PixelBuffer before = image;
        EXPECT_EQ(DecodeBmp(c.bytes, image), c.result) << c.what;
        EXPECT_EQ(image, before) << c.what;
    }
}

TEST(BmpFile, NoPrefixOrScrambleOfAValidFileBreaksTheReader)
{
    Bytes palette4;
    ASSERT_EQ(EncodeBmp4(Sample(9, 5, 12), palette4), BmpFileResult::Ok);
    const std::vector<Bytes> files = {palette4, EncodeBmp24(Sample(7, 3, 100))};
    std::mt19937 random(7);
    for (const Bytes& file : files) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            PixelBuffer image;
            const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_NE(DecodeBmp(prefix, image), BmpFileResult::Ok) << length;
        }
        // Random damage must end in some result, never a crash or a read outside the bytes.
        for (int trial = 0; trial < 3000; ++trial) {
            Bytes damaged = file;
            const int changes = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < changes; ++i) {
                damaged[random() % std::min<std::size_t>(damaged.size(), 70)] =
                    static_cast<std::uint8_t>(random());
            }
            PixelBuffer image;
            const BmpFileResult result = DecodeBmp(damaged, image);
            if (result == BmpFileResult::Ok) {
                EXPECT_FALSE(image.Empty());
            }
        }
    }
}

TEST(BmpFile, FilesOnDisk)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "palvo_bmp_file_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "ｂａｒ.bmp").string();
    const PixelBuffer image = Sample(5, 4, 3);
    ASSERT_EQ(WriteBmp4File(path, image), BmpFileResult::Ok);
    PixelBuffer read;
    ASSERT_EQ(ReadBmpFile(path, read), BmpFileResult::Ok);
    EXPECT_EQ(read, image);
    ASSERT_EQ(WriteBmp24File(path, image), BmpFileResult::Ok);
    ASSERT_EQ(ReadBmpFile(path, read), BmpFileResult::Ok);
    EXPECT_EQ(read, image);

    EXPECT_EQ(ReadBmpFile((folder / "missing.bmp").string(), read), BmpFileResult::CannotOpen);
    EXPECT_EQ(WriteBmp24File((folder / "no" / "such" / "folder.bmp").string(), image),
              BmpFileResult::CannotWrite);
    EXPECT_EQ(ReadBmpFile(folder.string(), read), BmpFileResult::CannotOpen) << "a folder is no file";
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace palvo
