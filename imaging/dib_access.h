#pragma once

#include <cstdint>

#include "platform/picture_surface.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// Reads the whole image of a picture box into `buffer` (re-dimensioned to it) and reports its
// size in `width` and `height`, which are set even when the read fails. Returns false when
// nothing could be read (an empty image, a size no buffer can hold).
bool GetDibPixels(PictureSurface& surface, PixelBuffer& buffer, std::int32_t& width, std::int32_t& height);

// Writes the whole buffer onto the picture box's image at (0, 0), opaque. Returns the number of
// rows copied (0 = nothing). The caller refreshes the box afterwards.
std::int32_t SetDibPixels(PictureSurface& surface, const PixelBuffer& buffer);

// Per-pixel access with clamping: coordinates outside width x height move onto the nearest
// edge. `width` and `height` must be the buffer's own; where they are not and the clamped
// position misses the storage, reading gives black (the transparent colour) and writing does
// nothing.
ColorTriple GetPixelRGB(const PixelBuffer& buffer, std::int32_t width, std::int32_t height, std::int32_t x,
                        std::int32_t y);
void SetPixelRGB(PixelBuffer& buffer, std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                 std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Splits a 0x00BBGGRR colour into blue, green, red bytes. Returns false and leaves `triple`
// unchanged for a value outside 0 ... 0xFFFFFF (every negative value among them).
bool ColorToRGB(std::int32_t color, ColorTriple& triple);

// Gives every pixel whose three colour bytes differ from `key` the `paint` colour; pixels
// equal to the key stay as they are.
void TransmissionPixels(PixelBuffer& buffer, std::int32_t width, std::int32_t height, const ColorTriple& key,
                        const ColorTriple& paint);

}  // namespace palvo
