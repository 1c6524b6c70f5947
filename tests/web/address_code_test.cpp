#include "web/address_code.h"

#include <gtest/gtest.h>

#include "display/audience_frame.h"
#include "draw/draw_record.h"

namespace palvo {
namespace {

const Pixel kBlack{0, 0, 0, 0};
const Pixel kWhite{0xFF, 0xFF, 0xFF, 0};

// A finder pattern as every QR code has at three corners: a dark ring, a light ring, a dark
// three-by-three core.
bool FinderAt(const QrModules& code, std::int32_t left, std::int32_t top)
{
    for (std::int32_t y = 0; y < 7; ++y) {
        for (std::int32_t x = 0; x < 7; ++x) {
            const std::int32_t ring = std::max(std::abs(x - 3), std::abs(y - 3));
            if (code.Dark(left + x, top + y) != (ring != 2)) {
                return false;
            }
        }
    }
    return true;
}

TEST(AddressCode, IsAQrCodeWithFindersAndTimingOrNothingWhenTooLong)
{
    const std::optional<QrModules> code = EncodeQr("http://192.168.100.200:8099/");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->size, 29) << "28 bytes with medium correction take version 3";
    EXPECT_TRUE(FinderAt(*code, 0, 0));
    EXPECT_TRUE(FinderAt(*code, code->size - 7, 0));
    EXPECT_TRUE(FinderAt(*code, 0, code->size - 7));
    EXPECT_FALSE(FinderAt(*code, code->size - 7, code->size - 7));
    for (std::int32_t i = 8; i < code->size - 8; ++i) {
        EXPECT_EQ(code->Dark(i, 6), i % 2 == 0) << "row timing at " << i;
        EXPECT_EQ(code->Dark(6, i), i % 2 == 0) << "column timing at " << i;
    }
    EXPECT_FALSE(EncodeQr(std::string(4000, 'a')));
}

TEST(AddressCode, PictureHasWholeModulesInsideAWhiteQuietZone)
{
    // Not symmetric, so a swapped row and column shows.
    const QrModules code{3, {false, false, true, true, false, false, false, false, false}};
    const PixelBuffer picture = QrPicture(code, 20);
    const std::int32_t pitch = 7;  // the least whole pitch giving 3 modules 20 pixels
    ASSERT_EQ(picture.Width(), (3 + 8) * pitch);
    ASSERT_EQ(picture.Height(), picture.Width());
    for (std::int32_t y = 0; y < picture.Height(); ++y) {
        for (std::int32_t x = 0; x < picture.Width(); ++x) {
            const std::int32_t column = x / pitch - 4;
            const std::int32_t row = y / pitch - 4;
            const bool dark = (column == 2 && row == 0) || (column == 0 && row == 1);
            ASSERT_EQ(picture.At(x, y), dark ? kBlack : kWhite) << x << "," << y;
        }
    }
    EXPECT_TRUE(QrPicture(QrModules{}, 100).Empty());
    EXPECT_TRUE(QrPicture(QrModules{4, {true}}, 100).Empty()) << "modules that do not fill the square";
}

TEST(AddressCode, OnThePlayersDisplayItIsLargeAndCoversNoNumber)
{
    DrawRecord record;
    record.Create(99);
    for (std::int16_t n = 1; n <= 99; ++n) {
        record.Append(n);
    }
    AudienceBoard board;
    board.Rebuild(record.NumMax(), record.Drawn());
    const std::optional<QrModules> code = EncodeQr("http://192.168.1.20:8080/");
    ASSERT_TRUE(code);
    constexpr std::int32_t kWidth = 1920;
    constexpr std::int32_t kHeight = 1080;
    const PixelBuffer picture = QrPicture(*code, kHeight / 5);
    const std::int32_t pitch = picture.Width() / (code->size + 8);
    EXPECT_GE(code->size * pitch * 100, 18 * kHeight) << "the code at least 18 % of the screen's height";

    AudienceFrame frame;
    frame.Compose(board, ColorTriple{0x00, 0x80, 0xFF}, kWidth, kHeight);
    EXPECT_GT(frame.Layout().board.Right(), kWidth - picture.Width())
        << "without it the board reaches the corner";
    frame.SetCorner(picture);
    frame.Compose(board, ColorTriple{0x00, 0x80, 0xFF}, kWidth, kHeight);
    EXPECT_LE(frame.Layout().board.Right(), kWidth - picture.Width());
    EXPECT_LE(frame.Layout().number.Right(), kWidth - picture.Width());
    const std::int32_t left = kWidth - picture.Width();
    const std::int32_t top = kHeight - picture.Height();
    for (std::int32_t y = 0; y < picture.Height(); ++y) {
        for (std::int32_t x = 0; x < picture.Width(); ++x) {
            ASSERT_EQ(frame.Frame().At(left + x, top + y), picture.At(x, y)) << x << "," << y;
        }
    }
    static_cast<void>(frame.ComposeNumber(42));
    EXPECT_EQ(frame.Frame().At(kWidth - 1, kHeight - 1), kWhite) << "a new number leaves the code alone";
    EXPECT_EQ(frame.Frame().At(left + 4 * pitch, top + 4 * pitch), kBlack) << "the finder's corner";

    frame.SetCorner(PixelBuffer());
    frame.Compose(board, ColorTriple{0x00, 0x80, 0xFF}, kWidth, kHeight);
    EXPECT_NE(frame.Frame().At(kWidth - 1, kHeight - 1), kWhite) << "turned off, the corner is gone";
}

}  // namespace
}  // namespace palvo
