#include "imaging/dib_access.h"

#include <algorithm>

namespace palvo {

namespace {

// Moves (x, y) onto the nearest edge of a width x height picture, x before y, lower bound
// before upper bound, so that a zero-sized picture behaves the same way on every platform.
void Clamp(std::int32_t width, std::int32_t height, std::int32_t& x, std::int32_t& y)
{
    if (x < 0) {
        x = 0;
    }
    if (x >= width) {
        x = width - 1;
    }
    if (y < 0) {
        y = 0;
    }
    if (y >= height) {
        y = height - 1;
    }
}

// The caller's width and height normally equal the buffer's own; when they do not (an empty
// buffer, stale metrics), a clamped position can still miss the storage and must not be touched.
bool InsideStorage(const PixelBuffer& buffer, std::int32_t x, std::int32_t y)
{
    return x >= 0 && y >= 0 && x < buffer.Width() && y < buffer.Height();
}

}  // namespace

bool GetDibPixels(PictureSurface& surface, PixelBuffer& buffer, std::int32_t& width, std::int32_t& height)
{
    width = surface.ImageWidth();
    height = surface.ImageHeight();
    if (!PixelBuffer::IsValidSize(width, height)) {
        return false;
    }
    PixelBuffer image;
    if (!surface.ReadImage(image) || image.Width() != width || image.Height() != height) {
        return false;
    }
    buffer = std::move(image);
    return true;
}

std::int32_t SetDibPixels(PictureSurface& surface, const PixelBuffer& buffer)
{
    if (buffer.Empty()) {
        return 0;
    }
    return surface.WriteImage(buffer);
}

ColorTriple GetPixelRGB(const PixelBuffer& buffer, std::int32_t width, std::int32_t height, std::int32_t x,
                        std::int32_t y)
{
    Clamp(width, height, x, y);
    if (!InsideStorage(buffer, x, y)) {
        // Nothing there: black, so nothing gets stamped from it.
        return ColorTriple{};
    }
    const Pixel& pixel = buffer.At(x, y);
    return ColorTriple{pixel.blue, pixel.green, pixel.red};
}

void SetPixelRGB(PixelBuffer& buffer, std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                 std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    Clamp(width, height, x, y);
    if (!InsideStorage(buffer, x, y)) {
        return;
    }
    Pixel& pixel = buffer.At(x, y);
    pixel.red = red;
    pixel.green = green;
    pixel.blue = blue;
}

bool ColorToRGB(std::int32_t color, ColorTriple& triple)
{
    if (color < 0 || color > 0xFFFFFF) {
        return false;
    }
    const auto value = static_cast<std::uint32_t>(color);
    triple.blue = static_cast<std::uint8_t>(value >> 16);
    triple.green = static_cast<std::uint8_t>(value >> 8);
    triple.red = static_cast<std::uint8_t>(value);
    return true;
}

void TransmissionPixels(PixelBuffer& buffer, std::int32_t width, std::int32_t height, const ColorTriple& key,
                        const ColorTriple& paint)
{
    // With the clamping accessors, columns and rows beyond the buffer's own size would only
    // revisit edge pixels already repainted (or miss the storage), so visiting the common
    // part once gives the same picture.
    const std::int32_t rows = std::min(height, buffer.Height());
    const std::int32_t columns = std::min(width, buffer.Width());
    for (std::int32_t y = 0; y < rows; ++y) {
        for (std::int32_t x = 0; x < columns; ++x) {
            Pixel& pixel = buffer.At(x, y);
            if (pixel.red == key.red && pixel.green == key.green && pixel.blue == key.blue) {
                continue;
            }
            pixel.red = paint.red;
            pixel.green = paint.green;
            pixel.blue = paint.blue;
        }
    }
}

}  // namespace palvo
