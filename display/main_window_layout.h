#pragma once

#include <cstdint>

#include "platform/environment.h"
#include "platform/main_window_view.h"
#include "platform/window_layout.h"

namespace palvo {

// The display surface's design size in pixels and the window's own background colour around it.
inline constexpr std::int32_t kDisplayWidthPixels = 800;
inline constexpr std::int32_t kDisplayHeightPixels = 600;
inline constexpr std::int32_t kWindowBackColor = 0x00404040;

// The main window's one fixed layout on a screen of the given twips per pixel: the window and
// its direct children are designed in twips, the display surface is always 800 x 600 pixels,
// and the Start button and the history board sit a fixed distance from its lower edge.
WindowLayout MainWindowLayout(double twipsPerPixelX, double twipsPerPixelY);

// Computes the layout for the screen `environment` reports and applies it to `view`; returns it.
WindowLayout SetControlLayout(MainWindowView& view, const Environment& environment);

}  // namespace palvo
