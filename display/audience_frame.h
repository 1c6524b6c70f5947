#pragma once

#include <cstdint>
#include <optional>

#include "display/audience_board.h"
#include "imaging/pixel_buffer.h"

namespace palvo {

// Composes the players' display into a pixel buffer of the window's size: the big number drawn
// from the operator's segment bars at scale, the board, the count and the end mark. Everything
// but the big number is kept in a static layer, so a rolling number redraws only its own area.
class AudienceFrame {
public:
    // Composes the whole frame of `board` for a width x height window with digits in
    // `digitColor`. A size no pixel buffer can hold leaves an empty frame.
    void Compose(const AudienceBoard& board, ColorTriple digitColor, std::int32_t width, std::int32_t height);

    // Shows `number` (nothing: unlit digits) in the big digits of the frame last composed and
    // returns the area that changed; an empty area when there is no frame.
    [[nodiscard]] PixelRect ComposeNumber(std::optional<std::int16_t> number);

    const PixelBuffer& Frame() const { return frame_; }
    const AudienceLayout& Layout() const { return layout_; }

private:
    PixelBuffer base_;   // background, unlit digits, count, end mark and board
    PixelBuffer frame_;  // base_ with the big number
    PixelBuffer litBar_H_;
    PixelBuffer litBar_V_;
    AudienceLayout layout_;
};

}  // namespace palvo
