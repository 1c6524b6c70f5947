#pragma once

#include <cstdint>
#include <string>

#include "platform/pixel_buffer.h"

namespace palvo {

// A picture box that keeps a persistent image of its own size (auto-redraw), in pixels.
class PictureSurface {
public:
    virtual ~PictureSurface() = default;

    // Size of the persistent image in pixels (0 x 0 when it has none).
    virtual std::int32_t ImageWidth() const = 0;
    virtual std::int32_t ImageHeight() const = 0;

    // Copies the whole current image into `image` as top-down blue-green-red-reserved rows,
    // re-dimensioning it. Returns false, leaving `image` as it was, when the image is empty
    // or too large for a pixel buffer.
    virtual bool ReadImage(PixelBuffer& image) = 0;

    // Replaces the image from its top-left corner with `image`, pixel for pixel, no blending;
    // parts beyond the image's edges are dropped. Returns the number of rows written
    // (0 when nothing was copied). The change shows after Refresh.
    virtual std::int32_t WriteImage(const PixelBuffer& image) = 0;

    // Erases the image to the assigned picture where there is one, the background colour elsewhere.
    virtual void Clear() = 0;

    // Puts the current image on screen.
    virtual void Refresh() = 0;

    // Loads a bmp, gif or jpg file as the box's picture; the box and its image take the
    // picture's size. Returns false, leaving the box as it was, when the file is missing,
    // cannot be decoded, or is larger than 8192 x 8192 pixels (checked before full decoding).
    virtual bool LoadPicture(const std::string& path) = 0;

    // Assigns no picture; the box keeps its size and its image becomes the background colour.
    virtual void RemovePicture() = 0;

    // Assigns no picture and gives the box and its image `width` x `height` pixels (auto-size, as
    // for a picture of that size), all in the background colour.
    virtual void SetImageSize(std::int32_t width, std::int32_t height) = 0;
};

}  // namespace palvo
