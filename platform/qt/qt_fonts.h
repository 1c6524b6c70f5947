#pragma once

#include <QFont>
#include <string>

#include "platform/window_layout.h"

namespace palvo {

// The layouts name Windows fonts; where one is not installed a Japanese font stands in for it.
enum class FontStandIn {
    OneGothic,      // every missing family by the same Gothic (the main window's captions)
    MatchingPitch,  // "ＭＳ ゴシック" by a fixed-pitch Gothic, the others by a proportional one
};

// The installed family for `wanted`: itself when installed, else its stand-in, else "" when no
// Japanese font is installed at all.
[[nodiscard]] QString JapaneseFamily(const std::string& wanted, FontStandIn standIn);

// The main window's fonts: sized in points (9 when the layout leaves it open).
[[nodiscard]] QFont PointFont(const FontChoice& choice);

// The settings dialog's fonts: sized in pixels from the layout's points (a point is 20 twips), so
// that they scale with the layout as its controls do.
[[nodiscard]] QFont TwipsScaledFont(const FontChoice& choice, double twipsPerPixel);

// The font made smaller, if need be, until its letters (ascent) fit `height` pixels: the
// Windows fonts are as tall as their labels, and the Japanese stand-ins are a little taller.
// The label centres the line, so only the unused space above and below the letters is cut.
[[nodiscard]] QFont FittingFont(QFont font, int height);

}  // namespace palvo
