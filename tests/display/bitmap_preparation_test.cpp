#include "display/bitmap_preparation.h"

#include <gtest/gtest.h>

#include "display/main_window_layout.h"
#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

class BitmapPreparationTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        config_.emplace(directoryText_);
        config_->SetNumColor(33023);
        config_->SetBackGroundImageFile(AppPath("bg/bg01.jpg"));
        config_->SetNumSizeIndex(2);
        config_->SetNumPosIndex(4);
    }

    BitmapPreparation Images()
    {
        if (!view().HasLayout()) {
            view().ApplyLayout(MainWindowLayout(15, 15));
        }
        return BitmapPreparation(view(), messages(), buffers_, shared_, *config_, background_);
    }

    std::optional<CConfig> config_;
    CShared shared_;
    WorkingBuffers buffers_;
    PixelBuffer background_;
};

TEST_F(BitmapPreparationTest, BigBarsOfEachSizeRecolouredAndMeasured)
{
    struct Case {
        std::int16_t index;
        std::int32_t length;
        std::int32_t thickness;
    };
    BitmapPreparation images = Images();
    for (const Case& c : {Case{0, 92, 18}, Case{1, 121, 24}, Case{2, 150, 30}}) {
        ASSERT_TRUE(images.SetNumBarBmp(c.index));
        EXPECT_EQ(buffers_.NumBarPixels_H.Width(), c.length);
        EXPECT_EQ(buffers_.NumBarPixels_H.Height(), c.thickness);
        EXPECT_EQ(buffers_.NumBarPixels_V.Width(), c.thickness);
        EXPECT_EQ(buffers_.NumBarPixels_V.Height(), c.length);
        EXPECT_EQ(buffers_.NumBarPixels_V.At(c.thickness / 2, c.length / 2), kDigitPixel);
    }
    ASSERT_TRUE(images.SetHistNumBmp());
    EXPECT_EQ(buffers_.HistNumPixels_H.Width(), 20);
    EXPECT_EQ(buffers_.HistNumPixels_H.Height(), 3);
    EXPECT_EQ(buffers_.HistNumPixels_V.Width(), 3);
    EXPECT_EQ(buffers_.HistNumPixels_V.Height(), 20);
    EXPECT_EQ(buffers_.HistNumPixels_H.At(10, 1), kDigitPixel);
    EXPECT_TRUE(messages().Messages().empty());
}

TEST_F(BitmapPreparationTest, SizeIndexWithoutBigBarsFails)
{
    BitmapPreparation images = Images();
    for (std::int16_t index : {std::int16_t{3}, std::int16_t{-1}, std::int16_t{7}}) {
        messages().ClearMessages();
        EXPECT_FALSE(images.SetNumBarBmp(index)) << index;
        ASSERT_EQ(messages().Messages().size(), 1u);
        EXPECT_EQ(messages().Messages()[0].text, "Error (SetNumBarBmp) : 数値用バーBmpの取得に失敗しました");
        EXPECT_EQ(buffers_.NumBarPixels_H.Width(), 0);
    }
}

TEST_F(BitmapPreparationTest, HorizontalHalfStaysWhenTheVerticalBarFails)
{
    view().ForgetPicture(AppPath("bars/vertical1.bmp"));
    BitmapPreparation images = Images();
    EXPECT_FALSE(images.SetNumBarBmp(1));
    EXPECT_EQ(buffers_.NumBarPixels_H.Width(), 121);
    EXPECT_EQ(buffers_.NumBarPixels_V.Height(), 0);
}

TEST_F(BitmapPreparationTest, BackgroundKeepsALargerPictureAndFramesASmallerOne)
{
    struct Case {
        std::int32_t width;
        std::int32_t height;
        std::int32_t imageWidth;
        std::int32_t imageHeight;
    };
    const Pixel grey{0x40, 0x40, 0x40, 0};
    BitmapPreparation images = Images();
    for (const Case& c : {Case{1024, 768, 1024, 768}, Case{640, 480, 800, 600}, Case{1000, 300, 1000, 600},
                          Case{800, 600, 800, 600}}) {
        SCOPED_TRACE(c.width);
        const std::string path = AppPath(std::string("bg/") + std::to_string(c.width) + ".bmp");
        const PixelBuffer picture = Background(c.width, c.height);
        view().RegisterPicture(path, picture);
        config_->SetBackGroundImageFile(path);
        ASSERT_TRUE(images.SetBackGroundBmp());
        EXPECT_EQ(buffers_.PicNumPixels.Width(), c.imageWidth);
        EXPECT_EQ(buffers_.PicNumPixels.Height(), c.imageHeight);
        ASSERT_EQ(background_.Width(), c.imageWidth);
        ASSERT_EQ(background_.Height(), c.imageHeight);
        for (std::int32_t y = 0; y < c.imageHeight; y += 7) {
            for (std::int32_t x = 0; x < c.imageWidth; x += 7) {
                const bool onPicture = x < c.width && y < c.height;
                ASSERT_EQ(background_.At(x, y), onPicture ? picture.At(x, y) : grey) << x << "," << y;
            }
        }
        EXPECT_EQ(buffers_.PicNumPixels, background_);
        EXPECT_EQ(view().Surface(Control::picBase)->ImageWidth(), c.imageWidth);
        EXPECT_EQ(view().Surface(Control::picBase)->ImageHeight(), c.imageHeight);
    }
}

TEST_F(BitmapPreparationTest, UnloadableBackgroundFailsWithItsWarning)
{
    BitmapPreparation images = Images();
    view().RegisterPicture(AppPath("bg/huge.bmp"), PixelBuffer(8193, 2));
    for (const char* name : {"bg/missing.jpg", "bg/huge.bmp"}) {
        messages().ClearMessages();
        config_->SetBackGroundImageFile(AppPath(name));
        EXPECT_FALSE(images.SetBackGroundBmp()) << name;
        ASSERT_EQ(messages().Messages().size(), 1u);
        EXPECT_EQ(messages().Messages()[0].text, "背景画像の取得ができませんでした。");
        EXPECT_EQ(buffers_.PicNumPixels.Width(), 0);
    }
}

TEST_F(BitmapPreparationTest, HistoryCellsShowTheirNumbersOnTheirOwnColour)
{
    BitmapPreparation images = Images();
    ASSERT_TRUE(images.SetHistNumBmp());
    ASSERT_TRUE(images.SetPicHistNumBmp());
    EXPECT_EQ(buffers_.PicHistNumPixels.Width(), 77);
    EXPECT_EQ(buffers_.PicHistNumPixels.Height(), 61);

    images.DrawHistNum(0, 7);
    EXPECT_EQ(CellNumber(0), " 7");
    EXPECT_EQ(CellShown(0).At(52, 8), kDigitPixel) << "top bar of the ones place";
    EXPECT_EQ(CellShown(0).At(20, 8), (Pixel{0xC0, 0, 0, 0})) << "no tens digit";
    images.DrawHistNum(2, 42);
    EXPECT_EQ(CellNumber(2), "42");
    EXPECT_EQ(CellShown(2).At(2, 2), (Pixel{0, 0, 0, 0}));
    images.DrawHistNum(3, 123);
    EXPECT_EQ(CellNumber(3), " 3") << "only the last digit of a longer number";
    images.DrawHistNum(3, 5);
    EXPECT_EQ(CellNumber(3), " 5") << "the cell is cleared first";
}

}  // namespace
}  // namespace palvo::testing
