#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/pixel_buffer.h"

namespace palvo::win32 {

// Pictures larger than this on either side are refused before they are decoded.
inline constexpr std::int32_t kMaximumPictureSide = 8192;

// Decodes the first frame of a bmp, gif or jpg file (UTF-8 path) into top-down
// blue-green-red rows (reserved byte 0): bitmaps with the program's own decoder, the rest with
// the Windows Imaging Component. Returns nullopt when the path is no file on a disk (a named
// pipe or a device is never read), the file cannot be decoded, ends early, is empty, or is
// larger than kMaximumPictureSide on a side; the size is checked from the file's header, before
// the pixels are decoded.
std::optional<PixelBuffer> DecodePictureFile(const std::string& path);

}  // namespace palvo::win32
