#pragma once

#include <cstdint>
#include <string_view>

#include "config/config_store.h"
#include "display/layout_metrics.h"
#include "imaging/working_buffers.h"

namespace palvo {

// Copies every non-black pixel of the columns x rows bar image onto `picture` with its top-left
// corner at (x, y), through the clamping accessors: bar positions beyond the bar's own size read
// its edge, picture positions beyond the picture's edges land on the nearest edge pixel. The
// sizes are the callers' metrics; where they disagree with a buffer, nothing outside the
// buffer's storage is read or written. The reserved byte of picture pixels is kept.
void StampBar(const PixelBuffer& bar, std::int32_t columns, std::int32_t rows, PixelBuffer& picture,
              std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t x, std::int32_t y);

// Composes seven-segment digits from the bar buffers into the display image (big number) and
// into a history cell image. Places are the texts "Ten" and "One", in any capitalisation.
// Reads the metrics and the digit size and position settings afresh at every bar.
class DigitRenderer {
public:
    DigitRenderer(WorkingBuffers& buffers, const CShared& shared, const CConfig& config)
        : buffers_(buffers), shared_(shared), config_(config)
    {
    }

    // Stamps the digit "0" ... "9" into PicNumPixels at `place`. Any other text draws nothing
    // and returns true. Returns false at the first bar that lies beyond the picture (bars
    // drawn before it stay).
    bool DrawNumDigit(std::string_view digit, std::string_view place);

    // The same into PicHistNumPixels, with the history bars and origins.
    bool DrawHistNumDigit(std::string_view digit, std::string_view place);

    // One bar of a big digit: horizontal 0 top, 1 middle, 2 bottom; vertical 0 upper left,
    // 1 lower left, 2 upper right, 3 lower right. False, drawing nothing, when the bar's
    // top-left point lies beyond the picture's width or height.
    bool DrawNumBar_H(std::int16_t index, std::string_view place);
    bool DrawNumBar_V(std::int16_t index, std::string_view place);
    bool DrawHistNumBar_H(std::int16_t index, std::string_view place);
    bool DrawHistNumBar_V(std::int16_t index, std::string_view place);

    // The origin of a big digit for the configured size and position; leaves x and y as they
    // are for a place other than "ten"/"one" or a size/position pair without an origin.
    void GetNumPos(std::string_view place, std::int32_t& x, std::int32_t& y) const;

private:
    WorkingBuffers& buffers_;
    const CShared& shared_;
    const CConfig& config_;
};

}  // namespace palvo
