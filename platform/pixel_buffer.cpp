#include "platform/pixel_buffer.h"

#include <limits>

namespace palvo {

PixelBuffer::PixelBuffer(std::int32_t width, std::int32_t height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
{
}

bool PixelBuffer::IsValidSize(std::int64_t width, std::int64_t height)
{
    if (width < 1 || height < 1) {
        return false;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    return width <= limit / 4 && height <= limit / (width * 4);
}

}  // namespace palvo
