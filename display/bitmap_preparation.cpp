#include "display/bitmap_preparation.h"

#include <string>

#include "imaging/dib_access.h"
#include "imaging/digit_rendering.h"
#include "platform/window_layout.h"

namespace palvo {
namespace {

constexpr int kBigBarSizes = 3;
constexpr int kHistoryBarIndex = 3;
constexpr int kHistoryCells = 5;

}  // namespace

bool BitmapPreparation::ReadBar(PictureSurface& source, PixelBuffer& buffer, std::int32_t& width,
                                std::int32_t& height, const ColorTriple& paint)
{
    if (!GetDibPixels(source, buffer, width, height)) {
        return false;
    }
    TransmissionPixels(buffer, width, height, ColorTriple{0, 0, 0}, paint);
    return true;
}

bool BitmapPreparation::SetNumBarBmp(std::int16_t sizeIndex)
{
    ColorTriple paint;
    ColorToRGB(config_.NumColor(), paint);
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool read = sizeIndex >= 0 && sizeIndex < kBigBarSizes;
    if (read) {
        read = ReadBar(view_.Picture(ArrayName("picHorizontal", sizeIndex)), buffers_.NumBarPixels_H, width,
                       height, paint);
    }
    if (read) {
        shared_.SetNumBarHeight_H(height);
        shared_.SetNumBarWidth_H(width);
        read = ReadBar(view_.Picture(ArrayName("picVertical", sizeIndex)), buffers_.NumBarPixels_V, width,
                       height, paint);
    }
    if (!read) {
        messages_.Show("Error (SetNumBarBmp) : 数値用バーBmpの取得に失敗しました", MessageStyle::Warning);
        return false;
    }
    shared_.SetNumBarHeight_V(height);
    shared_.SetNumBarWidth_V(width);
    return true;
}

bool BitmapPreparation::SetHistNumBmp()
{
    ColorTriple paint;
    ColorToRGB(config_.NumColor(), paint);
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool read = ReadBar(view_.Picture(ArrayName("picHorizontal", kHistoryBarIndex)), buffers_.HistNumPixels_H,
                        width, height, paint);
    if (read) {
        shared_.SetHistNumHeight_H(height);
        shared_.SetHistNumWidth_H(width);
        read = ReadBar(view_.Picture(ArrayName("picVertical", kHistoryBarIndex)), buffers_.HistNumPixels_V,
                       width, height, paint);
    }
    if (!read) {
        messages_.Show("Error (SetHistNumBmp) : 履歴数値用バーBmpの取得に失敗しました",
                       MessageStyle::Warning);
        return false;
    }
    shared_.SetHistNumHeight_V(height);
    shared_.SetHistNumWidth_V(width);
    return true;
}

bool BitmapPreparation::SetBackGroundBmp()
{
    PictureSurface& base = view_.Picture("picBase");
    std::int32_t width = 0;
    std::int32_t height = 0;
    // A picture that cannot be loaded is as much a failure as one that cannot be read back.
    if (!base.LoadPicture(config_.BackGroundImageFile()) ||
        !GetDibPixels(base, buffers_.PicNumPixels, width, height)) {
        messages_.Show("背景画像の取得ができませんでした。", MessageStyle::Warning);
        return false;
    }
    base.RemovePicture();
    shared_.SetPicNumHeight(height);
    shared_.SetPicNumWidth(width);
    backGroundPixels_ = buffers_.PicNumPixels;
    return true;
}

bool BitmapPreparation::SetPicHistNumBmp()
{
    PictureSurface& cell = view_.Picture(ArrayName("picHistNum", 1));
    cell.RemovePicture();
    cell.Clear();
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!GetDibPixels(cell, buffers_.PicHistNumPixels, width, height)) {
        messages_.Show("履歴数値Bmpの取得ができませんでした。", MessageStyle::Warning);
        return false;
    }
    shared_.SetPicHistNumHeight(height);
    shared_.SetPicHistNumWidth(width);
    return true;
}

void BitmapPreparation::RefreshPicNum()
{
    PictureSurface& base = view_.Picture("picBase");
    SetDibPixels(base, buffers_.PicNumPixels);
    base.Refresh();
}

void BitmapPreparation::RestoreBackground()
{
    buffers_.PicNumPixels = backGroundPixels_;
}

void BitmapPreparation::DrawHistNum(std::int16_t cellIndex, std::int16_t number)
{
    if (cellIndex < 0 || cellIndex >= kHistoryCells) {
        return;
    }
    PictureSurface& cell = view_.Picture(ArrayName("picHistNum", cellIndex));
    cell.Clear();
    std::int32_t width = 0;
    std::int32_t height = 0;
    // A failed read leaves the previous cell image as the backdrop, which is still a sensible picture.
    GetDibPixels(cell, buffers_.PicHistNumPixels, width, height);
    DigitRenderer renderer(buffers_, shared_, config_);
    const std::string text = std::to_string(number);
    if (text.size() == 2 && text[0] != '0') {
        renderer.DrawHistNumDigit(text.substr(0, 1), "Ten");
    }
    renderer.DrawHistNumDigit(text.substr(text.size() - 1), "One");
    SetDibPixels(cell, buffers_.PicHistNumPixels);
    cell.Refresh();
}

}  // namespace palvo
