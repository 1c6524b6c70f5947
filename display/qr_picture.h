#pragma once

#include <cstdint>
#include <vector>

#include "platform/pixel_buffer.h"

namespace palvo {

// A QR code as its square of modules, row by row.
struct QrModules {
    std::int32_t size = 0;
    std::vector<bool> dark;  // size * size

    [[nodiscard]] bool Dark(std::int32_t x, std::int32_t y) const
    {
        return dark[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
                    static_cast<std::size_t>(x)];
    }
};

// The code as a picture for a screen: black modules on white inside the four-module quiet zone
// readers need, whole pixels per module, the code itself at least `codeSide` pixels a side.
// An empty picture for an empty code.
[[nodiscard]] PixelBuffer QrPicture(const QrModules& code, std::int32_t codeSide);

}  // namespace palvo
