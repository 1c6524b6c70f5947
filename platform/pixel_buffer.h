#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace palvo {

// One pixel exactly as a 32-bit device-independent bitmap stores it (RGBQUAD order).
struct Pixel {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    friend bool operator==(const Pixel&, const Pixel&) = default;
};
static_assert(sizeof(Pixel) == 4);

// Three colour bytes in the order blue, green, red (RGBTRIPLE order).
struct ColorTriple {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;

    friend bool operator==(const ColorTriple&, const ColorTriple&) = default;
};

// A picture held in memory as top-down rows of 4-byte pixels with no gap between rows:
// element (x, y) sits at y * width + x. Copying a buffer copies every pixel.
class PixelBuffer {
public:
    PixelBuffer() = default;

    // A width x height buffer with every byte 0. Precondition: IsValidSize(width, height).
    PixelBuffer(std::int32_t width, std::int32_t height);

    // True when a buffer of this size can exist: both sides at least 1 and
    // width * height * 4 within the 32-bit signed range a bitmap header can describe.
    static bool IsValidSize(std::int64_t width, std::int64_t height);

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }

    // Unchecked access; callers that may stray use the clamping accessors instead.
    Pixel& At(std::int32_t x, std::int32_t y) { return pixels_[Index(x, y)]; }
    const Pixel& At(std::int32_t x, std::int32_t y) const { return pixels_[Index(x, y)]; }

    Pixel* Data() { return pixels_.data(); }
    const Pixel* Data() const { return pixels_.data(); }
    std::size_t ByteCount() const { return pixels_.size() * sizeof(Pixel); }

    friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;

private:
    std::size_t Index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace palvo
