#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace palvo {

// The platform's standard file-open and colour dialogs.
class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;

    // Shows a file-open dialog with the one filter entry
    // "画像ファイル (*.bmp;*.gif;*.jpg)", opened in the folder of `current` (the picture chosen
    // now, a full path); returns the chosen full path, or nullopt when cancelled.
    [[nodiscard]] virtual std::optional<std::string> SelectImageFile(const std::string& current) = 0;

    // Shows a colour dialog; returns the colour as 0x00BBGGRR, or nullopt when cancelled.
    [[nodiscard]] virtual std::optional<std::int32_t> SelectColor() = 0;
};

}  // namespace palvo
