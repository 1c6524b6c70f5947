#pragma once

#include <cstdint>
#include <optional>

#include "platform/audience_window.h"

namespace palvo {

// The players' window in memory: what it shows is the last frame presented, updated only in the
// changed areas it was told of, so a frame that forgot to report a change shows up as wrong pixels.
class MemoryAudienceWindow final : public AudienceWindow {
public:
    MemoryAudienceWindow(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}

    void SetEvents(AudienceWindowEvents* events) override { events_ = events; }
    void Open() override { open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    std::int32_t ClientWidth() const override { return width_; }
    std::int32_t ClientHeight() const override { return height_; }
    // Paints at once: the double has no event loop to wait for.
    void Invalidate(PixelRect area) override;
    void Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale = 1) override;
    void WakeAfter(std::uint32_t milliseconds) override { wake_ = milliseconds; }

    // The user drags the window to a new size, or closes it.
    void UserResizes(std::int32_t width, std::int32_t height);
    void UserCloses();
    // A key pressed in the window, reported as the real windows report it.
    void UserPresses(AudienceKey key);
    // The wake-up asked for last and not yet delivered, in milliseconds from when it was asked.
    std::optional<std::uint32_t> WakeAsked() const { return wake_; }
    // Delivers the wake-up asked for (the test moves its clock on first).
    void Wake();

    const PixelBuffer& Shown() const { return shown_; }
    int PresentCount() const { return presents_; }
    // Window pixels per pixel of the frame shown.
    std::int32_t Scale() const { return scale_; }

private:
    AudienceWindowEvents* events_ = nullptr;
    std::int32_t width_;
    std::int32_t height_;
    bool open_ = false;
    PixelBuffer shown_;
    int presents_ = 0;
    std::int32_t scale_ = 1;
    std::optional<std::uint32_t> wake_;
};

}  // namespace palvo
