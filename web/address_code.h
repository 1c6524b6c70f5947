#pragma once

#include <optional>
#include <string_view>

#include "display/qr_picture.h"

namespace palvo {

// The QR code of `text` with medium error correction (a screen seen from afar, a smudged
// projector); nothing when the text is too long for any QR code.
[[nodiscard]] std::optional<QrModules> EncodeQr(std::string_view text);

}  // namespace palvo
