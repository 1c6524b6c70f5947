#pragma once

#include <QImage>
#include <optional>
#include <string>

namespace palvo {

// Every picture the Qt program shows from a file (background, segment bars, button pictures,
// the settings dialog's preview) is read here.

// The largest picture accepted, in each direction.
inline constexpr int kMaxPictureFileSide = 8192;

// Decodes a picture file's bytes: bitmaps with the program's own decoder, other formats with
// Qt's readers. nullopt when the bytes are no picture, end early or are damaged (never a picture
// shown only in part), or the picture is larger than kMaxPictureFileSide on a side, which is
// checked from the header before decoding. A JPEG's orientation tag is ignored: the pixels as
// stored.
std::optional<QImage> DecodePictureBytes(const std::string& bytes);

// Reads and decodes the file at `path` (UTF-8); only a regular file is opened, so a pipe or a
// device named as a picture fails at once instead of waiting.
std::optional<QImage> LoadPictureFile(const std::string& path);

}  // namespace palvo
