#pragma once

#include <cstdint>
#include <vector>

#include "platform/pixel_buffer.h"

namespace palvo {

// A Windows icon file (.ico) holding `pictures` in order, each as a 32-bit image with its
// transparency mask. Precondition: every picture is square with sides of 1 to 256 pixels.
[[nodiscard]] std::vector<std::uint8_t> EncodeIconFile(const std::vector<PixelBuffer>& pictures);

}  // namespace palvo
