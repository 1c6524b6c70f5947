#pragma once

#include <cstdint>

#include "display/audience_board.h"
#include "imaging/pixel_buffer.h"

namespace palvo {

// What the players' window reports to the display logic. Calls come on the window thread.
class AudienceWindowEvents {
public:
    virtual ~AudienceWindowEvents() = default;
    // The window's drawing area has a new size; the next frame should have it.
    virtual void OnAudienceResized() = 0;
    // The user closed the window (its close button); it is hidden now.
    virtual void OnAudienceClosed() = 0;
    // The window is painting what was invalidated: present the frame now. Composing here, in the
    // event loop, keeps the work out of the operator's rhythm.
    virtual void OnAudiencePaint() = 0;
    // The operator pressed a key that means Start in the operator's window (Page Down from a
    // presentation clicker, Space, Enter or keypad Enter); a held key reports its first press only.
    virtual void OnAudienceStartKey() = 0;
};

// A second top-level window for the players: it shows frames composed by the core at exactly
// its own size, pixel for pixel. Full screen is the window's own affair (F11, a double-click,
// Escape to leave it); the keys of Start are reported.
class AudienceWindow {
public:
    virtual ~AudienceWindow() = default;

    virtual void SetEvents(AudienceWindowEvents* events) = 0;

    // Shows the window: full screen on a screen that does not hold the operator's window where
    // there is one, else as an ordinary window beside or over it.
    virtual void Open() = 0;
    // Hides the window; the game goes on.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Size of the drawing area in pixels.
    virtual std::int32_t ClientWidth() const = 0;
    virtual std::int32_t ClientHeight() const = 0;

    // Asks for a paint of `area` soon; the window then calls OnAudiencePaint once for all the
    // areas asked for since its last paint.
    virtual void Invalidate(PixelRect area) = 0;

    // Takes `frame` as what the window shows; only `changed` differs from the frame presented
    // before, unless the frame's size changed. A frame of another size than the window is shown
    // from its top-left corner. Called from OnAudiencePaint.
    virtual void Present(const PixelBuffer& frame, PixelRect changed) = 0;
};

}  // namespace palvo
