#pragma once

#include <cstdint>

namespace palvo {

// The layout metrics the pixel buffers do not carry: the fixed gaps between the bars of a
// digit. The sizes of the bar and display images are the buffers' own (WorkingBuffers), so
// they cannot disagree with what is drawn.
class CShared {
public:
    // Gap in pixels between a big bar's end and the centre line of the bar it meets.
    static constexpr std::int32_t NumBarSpace() { return 2; }
    // The same gap for the history digits.
    static constexpr std::int32_t HistNumSpace() { return 1; }
};

}  // namespace palvo
