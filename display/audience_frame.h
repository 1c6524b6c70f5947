#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "display/audience_board.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// The colours of the players' display for one chosen digit colour. Called numbers are the
// brightest thing on it, uncalled ones dimmer but readable, the newest a lit cell of its own:
// in relative luminance (sRGB, as the web's contrast rules measure it) called digits keep a
// contrast of at least 4.5 to their cell, at least 2 to an uncalled digit, uncalled digits at
// least 3 to their cell, the newest cell's digits at least 7 to its fill, whatever colour the
// operator chose (black included).
struct AudiencePalette {
    ColorTriple background;
    ColorTriple uncalledFill;
    ColorTriple uncalledDigit;
    ColorTriple calledFill;
    ColorTriple lit;  // called digits, the newest cell, the big number, the end mark
    ColorTriple newestDigit;
    ColorTriple unlitSegment;  // the faint glow of the big number's dark bars
    ColorTriple count;

    // The chosen colour itself where it is bright enough on the dark board, else the same hue
    // brightened, then paled, just enough.
    [[nodiscard]] static AudiencePalette For(ColorTriple chosen);
};

// Relative luminance 0 ... 1 of an sRGB colour.
[[nodiscard]] double RelativeLuminance(ColorTriple color);

// The most pixels a frame of the players' display has: a larger window shows its frame enlarged
// by a whole factor, so memory stays bounded at any window size (4K and below are drawn 1:1).
inline constexpr std::int64_t kMostAudienceFramePixels = 3840LL * 2160LL;

// The whole factor, 1 or more, by which a width x height window enlarges its frame.
[[nodiscard]] std::int32_t AudienceFrameScale(std::int32_t width, std::int32_t height);

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

    // `picture` sits in the bottom-right corner of every frame composed from now on (the web
    // service's address as a QR code), in a strip of its own beside the rest of the display; an
    // empty picture, or one wider than a third of the frame, shows nothing.
    void SetCorner(PixelBuffer picture) { corner_ = std::move(picture); }

    const PixelBuffer& Frame() const { return frame_; }
    const AudienceLayout& Layout() const { return layout_; }

private:
    PixelBuffer base_;   // background, unlit digits, count, end mark and board
    PixelBuffer frame_;  // base_ with the big number
    PixelBuffer corner_;
    PixelBuffer litBar_H_;
    PixelBuffer litBar_V_;
    AudienceLayout layout_;
};

}  // namespace palvo
