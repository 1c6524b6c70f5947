#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "imaging/bmp_file.h"

namespace palvo {

// Picture files as the platforms load them (background, bars, buttons, the dialog's preview).

// The largest picture file read: a bitmap of the largest accepted size and then some.
inline constexpr std::uint64_t kLargestPictureFileBytes =
    static_cast<std::uint64_t>(kMaxBmpSide) * kMaxBmpSide * 4 + 64 * 1024;

// The file's bytes when `path` (UTF-8) names a regular file of at most
// kLargestPictureFileBytes; nullopt for anything else (missing, a folder, a pipe or device,
// which are never waited on, or too large).
std::optional<std::string> ReadPictureFileBytes(const std::string& path);

// True when the bytes start as a Windows bitmap ("BM"); such files are decoded by DecodeBmp,
// which refuses any that ends early.
bool IsBmpFile(std::span<const std::uint8_t> bytes);

// False when a JPEG, GIF or PNG file visibly ends early or is damaged in its structure: a JPEG
// without the end marker after its last scan, a GIF whose blocks run past the end or that lacks
// its trailer, a PNG without its closing chunk. A decoder would show such a picture partly
// grey or black; the program treats it as a picture that could not be loaded. Other bytes
// (bitmaps, unknown formats) are left to the decoder and pass.
bool PictureFileIsWhole(std::span<const std::uint8_t> bytes);

}  // namespace palvo
