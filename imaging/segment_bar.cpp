#include "imaging/segment_bar.h"

#include <algorithm>

namespace palvo {

PixelBuffer MakeSegmentBar(BarOrientation orientation, SegmentBarSize size, ColorTriple color)
{
    const bool horizontal = orientation == BarOrientation::Horizontal;
    const std::int32_t width = horizontal ? size.length : size.thickness;
    const std::int32_t height = horizontal ? size.thickness : size.length;
    if (!PixelBuffer::IsValidSize(width, height)) {
        return PixelBuffer();
    }
    PixelBuffer bar(width, height);
    const Pixel lit{color.blue, color.green, color.red, 0};
    const std::int32_t widestMargin = (size.thickness - 1) / 2;
    for (std::int32_t along = 0; along < size.length; ++along) {
        const std::int32_t fromTip = std::min(along, size.length - 1 - along);
        const std::int32_t margin = std::max(0, widestMargin - fromTip);
        for (std::int32_t across = margin; across < size.thickness - margin; ++across) {
            if (horizontal) {
                bar.At(along, across) = lit;
            } else {
                bar.At(across, along) = lit;
            }
        }
    }
    return bar;
}

std::string SegmentBarFileName(BarOrientation orientation, int index)
{
    return (orientation == BarOrientation::Horizontal ? "horizontal" : "vertical") + std::to_string(index) +
           ".bmp";
}

}  // namespace palvo
