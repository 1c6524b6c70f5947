#pragma once

#include <cstdint>

#include "config/config_store.h"
#include "display/layout_metrics.h"
#include "imaging/segment_bar.h"
#include "imaging/working_buffers.h"

namespace palvo {

// Copies every non-black pixel of the columns x rows bar image onto `picture` with its top-left
// corner at (x, y), through the clamping accessors: bar positions beyond the bar's own size read
// its edge, picture positions beyond the picture's edges land on the nearest edge pixel. The
// sizes are the callers' metrics; where they disagree with a buffer, nothing outside the
// buffer's storage is read or written. The reserved byte of picture pixels is kept.
void StampBar(const PixelBuffer& bar, std::int32_t columns, std::int32_t rows, PixelBuffer& picture,
              std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t x, std::int32_t y);

// The two places of a number: tens and ones.
enum class Place { Ten, One };

// Where digits are composed: the big number in PicNumPixels, with the big bars and the
// configured size and position, or a history cell in PicHistNumPixels, with the history bars
// at fixed origins.
enum class DigitTarget { Display, HistoryCell };

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Composes seven-segment digits from the bar buffers into the display image (big number) and
// into a history cell image. Every size is the buffers' own; the gaps between bars come from the
// layout metrics, the digit size and position settings are read afresh at every bar.
class DigitRenderer {
public:
    DigitRenderer(WorkingBuffers& buffers, const CShared& shared, const CConfig& config)
        : buffers_(buffers), shared_(shared), config_(config)
    {
    }

    // Draws `number` as the display shows it: the tens digit for 10 ... 99, then the ones digit
    // (the last digit of anything else). Both digits are attempted; false when a bar of either
    // lay beyond the picture.
    bool DrawNumber(DigitTarget target, std::int16_t number);

    // Stamps the digit 0 ... 9 into PicNumPixels at `place`. Any other value draws nothing and
    // returns true. Returns false at the first bar that lies beyond the picture (bars drawn
    // before it stay).
    bool DrawNumDigit(std::int16_t digit, Place place)
    {
        return DrawDigit(DigitTarget::Display, digit, place);
    }

    // The same into PicHistNumPixels, with the history bars and origins.
    bool DrawHistNumDigit(std::int16_t digit, Place place)
    {
        return DrawDigit(DigitTarget::HistoryCell, digit, place);
    }

    // One bar of a big digit: horizontal 0 top, 1 middle, 2 bottom; vertical 0 upper left,
    // 1 lower left, 2 upper right, 3 lower right. False, drawing nothing, for any other index
    // or when the bar's top-left point lies beyond the picture's width or height.
    bool DrawNumBar(BarOrientation orientation, std::int16_t index, Place place)
    {
        return DrawBar(DigitTarget::Display, orientation, index, place);
    }

    // The same for a history digit.
    bool DrawHistNumBar(BarOrientation orientation, std::int16_t index, Place place)
    {
        return DrawBar(DigitTarget::HistoryCell, orientation, index, place);
    }

    // The origin of a big digit for the configured size and position; (0, 0) for a size/position
    // pair without an origin (bottom right, or values outside the table).
    PixelPoint GetNumPos(Place place) const;

private:
    bool DrawDigit(DigitTarget target, std::int16_t digit, Place place);
    bool DrawBar(DigitTarget target, BarOrientation orientation, std::int16_t index, Place place);

    WorkingBuffers& buffers_;
    const CShared& shared_;
    const CConfig& config_;
};

}  // namespace palvo
