#pragma once

// What every PictureSurface promises, one typed suite run over each implementation (memory, Qt,
// Win32). A test source instantiates it with a maker type:
//
//     struct Maker {
//         // A box of `width` x `height` pixels in `backColor` (0x00BBGGRR); 0 x 0 is a box that
//         // has no image yet.
//         static std::unique_ptr<PictureSurface> Make(std::int32_t width, std::int32_t height,
//                                                     std::int32_t backColor);
//     };
//     INSTANTIATE_TYPED_TEST_SUITE_P(Qt, PictureSurfaceContract, Maker);
//
// Only the colour bytes count: the fourth byte is not part of what a picture box keeps.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include "imaging/bmp_file.h"
#include "platform/paths.h"
#include "platform/picture_surface.h"
#include "platform/pixel_buffer.h"
#include "tests/support/temporary_folder.h"

namespace palvo::contract {

inline Pixel Colour(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return Pixel{blue, green, red, 0};
}

// A picture whose pixel (x, y) is red x, green y, blue `blue`.
inline PixelBuffer Gradient(std::int32_t width, std::int32_t height, std::uint8_t blue)
{
    PixelBuffer image(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            image.At(x, y) = Colour(blue, static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x));
        }
    }
    return image;
}

inline PixelBuffer Solid(std::int32_t width, std::int32_t height, Pixel pixel)
{
    PixelBuffer image(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            image.At(x, y) = pixel;
        }
    }
    return image;
}

inline ::testing::AssertionResult SameColours(const PixelBuffer& actual, const PixelBuffer& expected)
{
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return ::testing::AssertionFailure() << "size " << actual.Width() << "x" << actual.Height()
                                             << ", expected " << expected.Width() << "x" << expected.Height();
    }
    for (std::int32_t y = 0; y < actual.Height(); ++y) {
        for (std::int32_t x = 0; x < actual.Width(); ++x) {
            const Pixel& a = actual.At(x, y);
            const Pixel& e = expected.At(x, y);
            if (a.blue != e.blue || a.green != e.green || a.red != e.red) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << int(a.red) << "/" << int(a.green) << "/"
                       << int(a.blue) << ", expected " << int(e.red) << "/" << int(e.green) << "/"
                       << int(e.blue);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The box's whole image, or an empty buffer when it cannot be read.
inline PixelBuffer ImageOf(PictureSurface& box)
{
    PixelBuffer image;
    EXPECT_TRUE(box.ReadImage(image));
    return image;
}

template <typename Maker>
class PictureSurfaceContract : public ::testing::Test {
protected:
    static std::unique_ptr<PictureSurface> Make(std::int32_t width, std::int32_t height,
                                                std::int32_t backColor)
    {
        return Maker::Make(width, height, backColor);
    }

    // A 24-bit bmp file holding `image`, its path as UTF-8.
    std::string WriteBmp(const char* name, const PixelBuffer& image)
    {
        const std::string path = Utf8FromPath(folder_.Path() / name);
        EXPECT_EQ(WriteBmp24File(path, image), BmpFileResult::Ok);
        return path;
    }

    TemporaryFolder folder_{"palvo_picture_surface"};
};

TYPED_TEST_SUITE_P(PictureSurfaceContract);

TYPED_TEST_P(PictureSurfaceContract, NewBoxHoldsItsBackColourAtItsSizeAndKeepsWhatIsWritten)
{
    const auto box = this->Make(77, 61, 0x00C00000);
    EXPECT_EQ(box->ImageWidth(), 77);
    EXPECT_EQ(box->ImageHeight(), 61);
    EXPECT_TRUE(SameColours(ImageOf(*box), Solid(77, 61, Colour(0xC0, 0, 0))));

    const PixelBuffer pattern = Gradient(77, 61, 9);
    EXPECT_EQ(box->WriteImage(pattern), 61);
    EXPECT_TRUE(SameColours(ImageOf(*box), pattern));
}

TYPED_TEST_P(PictureSurfaceContract, SmallerImageChangesOnlyTheTopLeftAndLargerIsCut)
{
    const auto box = this->Make(3, 2, 0);
    const PixelBuffer large = Gradient(5, 4, 9);
    EXPECT_EQ(box->WriteImage(large), 2);
    PixelBuffer expected = Gradient(3, 2, 9);
    EXPECT_TRUE(SameColours(ImageOf(*box), expected));

    PixelBuffer small(2, 1);
    small.At(0, 0) = Colour(1, 2, 3);
    small.At(1, 0) = Colour(4, 5, 6);
    EXPECT_EQ(box->WriteImage(small), 1);
    // Outside the small buffer the earlier image stays.
    expected.At(0, 0) = small.At(0, 0);
    expected.At(1, 0) = small.At(1, 0);
    EXPECT_TRUE(SameColours(ImageOf(*box), expected));
}

TYPED_TEST_P(PictureSurfaceContract, EmptyBoxNeitherReadsNorWrites)
{
    const auto box = this->Make(0, 0, 0);
    EXPECT_EQ(box->ImageWidth(), 0);
    EXPECT_EQ(box->ImageHeight(), 0);
    PixelBuffer untouched(2, 2);
    untouched.At(1, 1) = Colour(1, 1, 1);
    const PixelBuffer before = untouched;
    EXPECT_FALSE(box->ReadImage(untouched));
    EXPECT_EQ(untouched, before);
    EXPECT_EQ(box->WriteImage(before), 0);
    EXPECT_EQ(box->WriteImage(PixelBuffer()), 0);
}

TYPED_TEST_P(PictureSurfaceContract, ClearGoesBackToThePictureOrTheBackColour)
{
    const PixelBuffer picture = Gradient(10, 8, 7);
    const std::string path = this->WriteBmp("picture.bmp", picture);
    const auto box = this->Make(20, 20, 0x00404040);
    const Pixel back = Colour(0x40, 0x40, 0x40);

    // A picture box takes its picture's size, and the picture becomes its image.
    ASSERT_TRUE(box->LoadPicture(path));
    EXPECT_EQ(box->ImageWidth(), 10);
    EXPECT_EQ(box->ImageHeight(), 8);
    EXPECT_TRUE(SameColours(ImageOf(*box), picture));

    box->WriteImage(Solid(10, 8, Colour(1, 2, 3)));
    box->Clear();
    EXPECT_TRUE(SameColours(ImageOf(*box), picture));

    box->RemovePicture();
    EXPECT_EQ(box->ImageWidth(), 10);
    EXPECT_EQ(box->ImageHeight(), 8);
    EXPECT_TRUE(SameColours(ImageOf(*box), Solid(10, 8, back)));
    box->Clear();
    EXPECT_TRUE(SameColours(ImageOf(*box), Solid(10, 8, back)));

    // A new size drops the picture: the box and its image grow, all in the back colour.
    ASSERT_TRUE(box->LoadPicture(path));
    box->SetImageSize(30, 25);
    EXPECT_EQ(box->ImageWidth(), 30);
    EXPECT_EQ(box->ImageHeight(), 25);
    box->Clear();
    EXPECT_TRUE(SameColours(ImageOf(*box), Solid(30, 25, back)));
}

TYPED_TEST_P(PictureSurfaceContract, RefusedPicturesLeaveTheBoxAsItWas)
{
    const std::string broken = Utf8FromPath(this->folder_.Path() / "broken.bmp");
    {
        std::ofstream(PathFromUtf8(broken), std::ios::binary) << "BM not a bitmap";
    }
    const std::string refused[] = {
        Utf8FromPath(this->folder_.Path() / "missing.bmp"),
        broken,
        this->WriteBmp("too_wide.bmp", PixelBuffer(8193, 1)),
        this->WriteBmp("too_tall.bmp", PixelBuffer(1, 8193)),
        "",
    };
    const auto box = this->Make(5, 4, 0x000000FF);
    const PixelBuffer pattern = Gradient(5, 4, 3);
    box->WriteImage(pattern);
    for (const std::string& path : refused) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(box->LoadPicture(path));
        EXPECT_EQ(box->ImageWidth(), 5);
        EXPECT_EQ(box->ImageHeight(), 4);
        EXPECT_TRUE(SameColours(ImageOf(*box), pattern));
    }
    // The largest side a picture may have is still taken.
    EXPECT_TRUE(box->LoadPicture(this->WriteBmp("widest.bmp", PixelBuffer(8192, 1))));
    EXPECT_EQ(box->ImageWidth(), 8192);
}

REGISTER_TYPED_TEST_SUITE_P(PictureSurfaceContract, NewBoxHoldsItsBackColourAtItsSizeAndKeepsWhatIsWritten,
                            SmallerImageChangesOnlyTheTopLeftAndLargerIsCut, EmptyBoxNeitherReadsNorWrites,
                            ClearGoesBackToThePictureOrTheBackColour, RefusedPicturesLeaveTheBoxAsItWas);

}  // namespace palvo::contract
