#pragma once

#include "platform/window_layout.h"

namespace palvo {

// The rhythm bars' track, in twips: a count's bar is this width / 30 (fast) or / 10 (slow) per step.
inline constexpr float kRhythmTrackTwips = 1575;

// The settings dialog's window and controls in pixels, for a screen of the given twips per pixel.
WindowLayout SettingsDialogLayout(double twipsPerPixelX, double twipsPerPixelY);

}  // namespace palvo
