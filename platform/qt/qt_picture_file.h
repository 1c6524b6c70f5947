#pragma once

#include <QImage>
#include <optional>
#include <string>

namespace palvo {

// Every picture the Qt program shows from a file (background, segment bars, button pictures,
// the settings dialog's preview) is read here.

// The largest picture accepted, in each direction.
inline constexpr int kMaxPictureFileSide = 8192;

// How a JPEG's orientation tag is treated.
enum class PictureOrientation {
    AsStored,  // the pixels as stored (what the display works on)
    AsTaken,   // turned as the camera recorded (the dialog's preview)
};

// Decodes a picture file's bytes: bitmaps with the program's own decoder, other formats with
// Qt's readers. nullopt when the bytes are no picture, end early or are damaged (never a picture
// shown only in part), or the picture is larger than kMaxPictureFileSide on a side, which is
// checked from the header before decoding.
std::optional<QImage> DecodePictureBytes(const std::string& bytes,
                                         PictureOrientation orientation = PictureOrientation::AsStored);

// Reads and decodes the file at `path` (UTF-8); only a regular file is opened, so a pipe or a
// device named as a picture fails at once instead of waiting.
std::optional<QImage> LoadPictureFile(const std::string& path,
                                      PictureOrientation orientation = PictureOrientation::AsStored);

}  // namespace palvo
