#include "display/qr_picture.h"

#include <algorithm>

namespace palvo {

namespace {

constexpr std::int32_t kQuietModules = 4;

}  // namespace

PixelBuffer QrPicture(const QrModules& code, std::int32_t codeSide)
{
    if (code.size <= 0 ||
        code.dark.size() != static_cast<std::size_t>(code.size) * static_cast<std::size_t>(code.size)) {
        return PixelBuffer();
    }
    const std::int32_t pitch = std::max<std::int32_t>(1, (codeSide + code.size - 1) / code.size);
    const std::int32_t pixels = (code.size + 2 * kQuietModules) * pitch;
    if (!PixelBuffer::IsValidSize(pixels, pixels)) {
        return PixelBuffer();
    }
    PixelBuffer picture(pixels, pixels);
    const Pixel white{0xFF, 0xFF, 0xFF, 0};
    const Pixel black{0x00, 0x00, 0x00, 0};
    for (std::int32_t y = 0; y < pixels; ++y) {
        const std::int32_t row = y / pitch - kQuietModules;
        for (std::int32_t x = 0; x < pixels; ++x) {
            const std::int32_t column = x / pitch - kQuietModules;
            const bool inside = row >= 0 && row < code.size && column >= 0 && column < code.size;
            picture.At(x, y) = inside && code.Dark(column, row) ? black : white;
        }
    }
    return picture;
}

}  // namespace palvo
