#include "display/bitmap_preparation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "display/main_window_layout.h"
#include "imaging/dib_access.h"
#include "platform/control_id.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

constexpr int kBigBarSizes = 3;
constexpr int kHistoryBarIndex = 3;
constexpr int kHistoryCells = 5;

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

std::optional<BackgroundChoice> BitmapPreparation::PrepareAtStartUp()
{
    if (!SetNumBarBmp(config_.NumSizeIndex()) || !SetHistNumBmp()) {
        return std::nullopt;
    }
    // A background that cannot be loaded gives way to the shipped one rather than locking the
    // operator out.
    const BackgroundChoice background = SetBackGroundBmpOrDefault();
    if (background == BackgroundChoice::None || !SetPicHistNumBmp()) {
        return std::nullopt;
    }
    return background;
}

void BitmapPreparation::RefreshAfterSettings(std::optional<std::string>& standIn)
{
    // Each step has warned on its own; the operator keeps a working window either way.
    static_cast<void>(SetNumBarBmp(config_.NumSizeIndex()));
    static_cast<void>(SetHistNumBmp());
    RefreshBackGroundBmp(standIn);
    static_cast<void>(SetPicHistNumBmp());
}

namespace {

// Where each bar of a digit target is kept, horizontal first.
constexpr std::array<PixelBuffer WorkingBuffers::*, 2> kDisplayBars = {&WorkingBuffers::NumBarPixels_H,
                                                                       &WorkingBuffers::NumBarPixels_V};
constexpr std::array<PixelBuffer WorkingBuffers::*, 2> kHistoryBars = {&WorkingBuffers::HistNumPixels_H,
                                                                       &WorkingBuffers::HistNumPixels_V};

}  // namespace

// Reads the horizontal, then the vertical bar, recoloured to the digit colour, each bar kept as
// soon as it is read. False at the first bar that cannot be read.
bool BitmapPreparation::ReadBars(DigitTarget target, PictureSurface& horizontal, PictureSurface& vertical)
{
    ColorTriple paint;
    ColorToRGB(config_.NumColor(), paint);
    const std::array<PictureSurface*, 2> sources = {&horizontal, &vertical};
    const std::array<PixelBuffer WorkingBuffers::*, 2>& slots =
        target == DigitTarget::Display ? kDisplayBars : kHistoryBars;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        PixelBuffer& buffer = buffers_.*slots[i];
        std::int32_t width = 0;
        std::int32_t height = 0;
        if (!GetDibPixels(*sources[i], buffer, width, height)) {
            return false;
        }
        TransmissionPixels(buffer, width, height, ColorTriple{0, 0, 0}, paint);
    }
    return true;
}

bool BitmapPreparation::SetNumBarBmp(std::int16_t sizeIndex)
{
    const bool read =
        sizeIndex >= 0 && sizeIndex < kBigBarSizes &&
        ReadBars(DigitTarget::Display, view_.Picture(ControlId(Control::picHorizontal, sizeIndex)),
                 view_.Picture(ControlId(Control::picVertical, sizeIndex)));
    if (!read) {
        messages_.Show(texts::kNumBarFailed, MessageStyle::Warning);
    }
    return read;
}

bool BitmapPreparation::SetHistNumBmp()
{
    const bool read =
        ReadBars(DigitTarget::HistoryCell, view_.Picture(ControlId(Control::picHorizontal, kHistoryBarIndex)),
                 view_.Picture(ControlId(Control::picVertical, kHistoryBarIndex)));
    if (!read) {
        messages_.Show(texts::kHistNumBarFailed, MessageStyle::Warning);
    }
    return read;
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
    backGroundPixels_ = buffers_.PicNumPixels;
    return true;
}

bool BitmapPreparation::SetBackGroundBmp()
{
    if (!LoadBackGround(config_.BackGroundImageFile())) {
        messages_.Show(texts::kBackgroundWarning, MessageStyle::Warning);
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
        messages_.Show(texts::kBackgroundWarning, MessageStyle::Warning);
        return BackgroundChoice::None;
    }
    if (!NamesShippedBackground(configured)) {
        messages_.Show(std::string(texts::kBackgroundWarning) + std::string(texts::kStandardBackgroundNote),
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
    messages_.Show(texts::kBackgroundWarning, MessageStyle::Warning);
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
        messages_.Show(texts::kHistCellWarning, MessageStyle::Warning);
        return false;
    }
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
    DigitRenderer(buffers_, shared_, config_).DrawNumber(DigitTarget::HistoryCell, number);
    SetDibPixels(cell, buffers_.PicHistNumPixels);
    cell.Refresh();
}

}  // namespace palvo
