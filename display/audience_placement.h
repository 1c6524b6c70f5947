#pragma once

#include <cstdint>
#include <vector>

#include "display/audience_board.h"
#include "platform/window_layout.h"

namespace palvo {

// The operator's screen, when the players' window has to share it; screen pixels.
struct SharedScreen {
    PixelRect workArea;        // the screen less task bars and panels
    PixelRect operatorClient;  // the operator's window's drawing area, which its controls are placed in
    PixelRect operatorFrame;   // the same window with its frame
    // What a window frame adds around a drawing area on each side.
    std::int32_t frameLeft = 0;
    std::int32_t frameTop = 0;
    std::int32_t frameRight = 0;
    std::int32_t frameBottom = 0;
};

// Where the players' window goes on a shared screen: the outer frame of a window whose drawing
// area is clientWidth x clientHeight, inside the work area, covering none of `controls` where
// any place allows; failing that at full size, the largest size down to half that leaves them
// all free; failing that, the full size (clipped to the work area) where it covers the fewest.
// Among equal places it covers as little of the operator's window as it can, then stays
// nearest to the right of it.
[[nodiscard]] PixelRect PlaceAudienceWindow(const SharedScreen& screen,
                                            const std::vector<PixelRect>& controls, std::int32_t clientWidth,
                                            std::int32_t clientHeight);

// The controls of the operator's window a players' window should leave free (the buttons and
// the history cells), in screen pixels for a drawing area whose top-left corner is at `client`.
[[nodiscard]] std::vector<PixelRect> OperatorControls(const WindowLayout& layout, PixelRect client);

}  // namespace palvo
