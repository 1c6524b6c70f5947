#pragma once

#include <cstdint>
#include <vector>

#include "platform/audience_window.h"
#include "platform/window_layout.h"

namespace palvo {

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
