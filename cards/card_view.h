#pragma once

#include <cstdint>

#include "cards/card_verdict.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// The picture of a checked card, for the operator's card view and, large, for the hall: the
// card on black, the called numbers (and the free centre) in the digit colour, the others in
// grey, every completed line drawn through in white. The verdict's words are shown beside it
// by the platform.
struct CardViewColours {
    static constexpr ColorTriple kBackground{0, 0, 0};
    static constexpr ColorTriple kGrid{90, 90, 90};
    static constexpr ColorTriple kUncalled{120, 120, 120};
    static constexpr ColorTriple kLine{255, 255, 255};
};

// Where the grid lies in a card view of `width` x `height`: its top-left corner and cell side.
struct CardViewGrid {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t cell = 0;
};
CardViewGrid CardViewGridIn(std::int32_t width, std::int32_t height);

// The view of `verdict`'s card in a width x height picture (at least 50 x 60); an empty picture
// for a verdict without a card or a size too small.
PixelBuffer ComposeCardView(const CardVerdict& verdict, std::int32_t width, std::int32_t height,
                            ColorTriple digitColour);

}  // namespace palvo
