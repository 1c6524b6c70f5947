#pragma once

// The events both audience-window tests give a window to check enlarged frames and placement,
// so the Qt and the Win32 window are held to one expectation.

#include <cstdint>

#include "platform/audience_window.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// Presents a frame of a third of the window's size, enlarged three times, whose pixels tell
// their place; opens 37 x 21 pixels into the work area it was told, 500 x 320, and keeps the
// screen it was told in `asked`.
template <typename Window>
class EnlargingEvents : public AudienceWindowEvents {
public:
    explicit EnlargingEvents(Window& window) : window_(window) {}
    void OnAudienceResized() override {}
    void OnAudienceClosed() override {}
    void OnAudienceStartKey() override {}
    void OnAudiencePaint() override
    {
        PixelBuffer frame((window_.ClientWidth() + 2) / 3, (window_.ClientHeight() + 2) / 3);
        for (std::int32_t y = 0; y < frame.Height(); ++y) {
            for (std::int32_t x = 0; x < frame.Width(); ++x) {
                frame.At(x, y) = Pixel{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0x40, 0};
            }
        }
        window_.Present(frame, PixelRect{0, 0, frame.Width(), frame.Height()}, 3);
    }
    PixelRect OnAudiencePlace(const SharedScreen& screen, std::int32_t, std::int32_t) override
    {
        asked = screen;
        return PixelRect{screen.workArea.x + 37, screen.workArea.y + 21, 500, 320};
    }

    SharedScreen asked;

private:
    Window& window_;
};

}  // namespace palvo
