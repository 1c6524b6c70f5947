#include "display/bitmap_preparation.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "display/main_window_layout.h"
#include "imaging/dib_access.h"
#include "imaging/digit_rendering.h"
#include "platform/control_id.h"

namespace palvo {
namespace {

constexpr int kBigBarSizes = 3;
constexpr int kHistoryBarIndex = 3;
constexpr int kHistoryCells = 5;

constexpr std::string_view kStandardBackgroundNote = "\n標準の背景画像を表示します。";

// True for a path whose last two parts are "bg" and "bg01.jpg" (either separator, any case, as
// Windows compares names): the picture shipped beside the program, wherever it lived.
bool NamesShippedBackground(std::string_view path)
{
    constexpr std::string_view tail = "bg?bg01.jpg";
    if (path.size() < tail.size()) {
        return false;
    }
    const std::string_view end = path.substr(path.size() - tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(end[i])));
        const bool matches = tail[i] == '?' ? (c == '/' || c == '\\') : c == tail[i];
        if (!matches) {
            return false;
        }
    }
    const std::size_t before = path.size() - tail.size();
    return before == 0 || path[before - 1] == '/' || path[before - 1] == '\\';
}

// `picture` at the top left of an image at least as large as the display, the window's
// background colour elsewhere: the digits then stand whole at their usual places.
PixelBuffer FramedToDisplay(const PixelBuffer& picture)
{
    const std::int32_t width = std::max(picture.Width(), kDisplayWidthPixels);
    const std::int32_t height = std::max(picture.Height(), kDisplayHeightPixels);
    constexpr auto grey = static_cast<std::uint8_t>(kWindowBackColor & 0xFF);
    static_assert(kWindowBackColor == grey * 0x010101, "a grey: the same byte for blue, green and red");
    PixelBuffer framed(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const bool onPicture = x < picture.Width() && y < picture.Height();
            framed.At(x, y) = onPicture ? picture.At(x, y) : Pixel{grey, grey, grey, 0};
        }
    }
    return framed;
}

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
        read = ReadBar(view_.Picture(ControlId(Control::picHorizontal, sizeIndex)), buffers_.NumBarPixels_H, width,
                       height, paint);
    }
    if (read) {
        shared_.SetNumBarHeight_H(height);
        shared_.SetNumBarWidth_H(width);
        read = ReadBar(view_.Picture(ControlId(Control::picVertical, sizeIndex)), buffers_.NumBarPixels_V, width,
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
    bool read = ReadBar(view_.Picture(ControlId(Control::picHorizontal, kHistoryBarIndex)), buffers_.HistNumPixels_H,
                        width, height, paint);
    if (read) {
        shared_.SetHistNumHeight_H(height);
        shared_.SetHistNumWidth_H(width);
        read = ReadBar(view_.Picture(ControlId(Control::picVertical, kHistoryBarIndex)), buffers_.HistNumPixels_V,
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

bool BitmapPreparation::LoadBackGround(const std::string& path)
{
    PictureSurface& base = view_.Picture(Control::picBase);
    std::int32_t width = 0;
    std::int32_t height = 0;
    // A picture that cannot be loaded is as much a failure as one that cannot be read back.
    if (!base.LoadPicture(path) || !GetDibPixels(base, buffers_.PicNumPixels, width, height)) {
        return false;
    }
    base.RemovePicture();
    if (width < kDisplayWidthPixels || height < kDisplayHeightPixels) {
        buffers_.PicNumPixels = FramedToDisplay(buffers_.PicNumPixels);
        width = buffers_.PicNumPixels.Width();
        height = buffers_.PicNumPixels.Height();
        base.SetImageSize(width, height);
    }
    shared_.SetPicNumHeight(height);
    shared_.SetPicNumWidth(width);
    backGroundPixels_ = buffers_.PicNumPixels;
    return true;
}

bool BitmapPreparation::SetBackGroundBmp()
{
    if (!LoadBackGround(config_.BackGroundImageFile())) {
        messages_.Show(kBackgroundWarning, MessageStyle::Warning);
        return false;
    }
    return true;
}

BackgroundChoice BitmapPreparation::SetBackGroundBmpOrDefault()
{
    const std::string& configured = config_.BackGroundImageFile();
    if (LoadBackGround(configured)) {
        return BackgroundChoice::Configured;
    }
    const std::string& shipped = config_.DefaultBackGroundImageFile();
    if (configured == shipped || !LoadBackGround(shipped)) {
        messages_.Show(kBackgroundWarning, MessageStyle::Warning);
        return BackgroundChoice::None;
    }
    if (!NamesShippedBackground(configured)) {
        messages_.Show(std::string(kBackgroundWarning) + std::string(kStandardBackgroundNote),
                       MessageStyle::Warning);
    }
    return BackgroundChoice::ShippedDefault;
}

bool BitmapPreparation::RefreshBackGroundBmp(std::optional<std::string>& standIn)
{
    const std::string& configured = config_.BackGroundImageFile();
    if (LoadBackGround(configured)) {
        standIn.reset();
        return true;
    }
    if (standIn == configured) {
        return true;
    }
    messages_.Show(kBackgroundWarning, MessageStyle::Warning);
    return false;
}

bool BitmapPreparation::SetPicHistNumBmp()
{
    PictureSurface& cell = view_.Picture(ControlId(Control::picHistNum, 1));
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
    PictureSurface& base = view_.Picture(Control::picBase);
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
    PictureSurface& cell = view_.Picture(ControlId(Control::picHistNum, cellIndex));
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
