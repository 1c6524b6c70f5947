#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/pixel_buffer.h"

namespace palvo {

// Outcome of reading or writing a Windows bitmap file.
enum class BmpFileResult {
    Ok,
    CannotOpen,     // the file is missing or unreadable
    NotBitmap,      // it does not start with "BM"
    Truncated,      // headers, palette or pixel rows end before they should
    Malformed,      // inconsistent fields (zero size, bad palette index, pixels overlapping headers ...)
    Unsupported,    // a valid but unhandled kind (run-length or embedded JPEG/PNG compression ...)
    TooLarge,       // wider or taller than kMaxBmpSide
    TooManyColors,  // a 4-bit file was asked for an image of more than 16 colours
    CannotWrite,    // the file could not be written
};

// Longest side accepted when reading, as for any picture the program loads.
inline constexpr std::int32_t kMaxBmpSide = 8192;

// Decodes a bitmap held in memory into `image` (top-down, reserved bytes 0). Handles 1-, 4- and
// 8-bit palette images, 16-, 24- and 32-bit images (with or without colour masks), bottom-up and
// top-down rows, and the old 12-byte header. `image` is changed only on Ok.
BmpFileResult DecodeBmp(std::span<const std::uint8_t> bytes, PixelBuffer& image);

// Reads and decodes the file at `path` (UTF-8). `image` is changed only on Ok.
BmpFileResult ReadBmpFile(const std::string& path, PixelBuffer& image);

// Encodes the image as a bottom-up 4-bit palette bitmap whose palette lists its colours in the
// order they first occur (top row first). TooManyColors for more than 16 colours, Malformed for
// an empty image; `bytes` is changed only on Ok.
BmpFileResult EncodeBmp4(const PixelBuffer& image, std::vector<std::uint8_t>& bytes);

// Encodes the image as a bottom-up 24-bit bitmap; empty for an empty image.
std::vector<std::uint8_t> EncodeBmp24(const PixelBuffer& image);

// Encode and write to `path` (UTF-8), replacing any file there.
BmpFileResult WriteBmp4File(const std::string& path, const PixelBuffer& image);
BmpFileResult WriteBmp24File(const std::string& path, const PixelBuffer& image);

}  // namespace palvo
