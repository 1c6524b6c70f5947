#pragma once

#include <array>
#include <cstdint>

#include "platform/pixel_buffer.h"

namespace palvo {

// The program's icon, the same picture on every system: an orange seven-segment eight on a navy
// square with rounded corners. Each pixel's `reserved` byte is its opacity (0 clear, 255 solid);
// colours are not premultiplied. Edges are smoothed from 8 x 8 samples a pixel, counted in whole
// numbers so that every compiler and processor draws the same bytes. Precondition: size >= 1.
[[nodiscard]] PixelBuffer DrawProgramIcon(std::int32_t size);

// The sizes the Windows icon file holds: title bar and Explorer lists at 100 % to 150 %, the
// desktop and the taskbar, and Explorer's large views.
inline constexpr std::array<std::int32_t, 5> kProgramIconFileSizes{16, 24, 32, 48, 256};

}  // namespace palvo
