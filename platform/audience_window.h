#pragma once

#include <cstdint>

#include "platform/pixel_buffer.h"
#include "platform/window_layout.h"

namespace palvo {

// A key pressed in the players' window, as the display logic tells them apart.
enum class AudienceKey {
    Start,   // a key of Start (see OnAudienceStartKey)
    Layout,  // F8: the other board layout
    Other,   // any other key but the window's own (F5, F11, Escape)
};

// The operator's screen, when the players' window has to share it; screen pixels.
struct SharedScreen {
    PixelRect workArea;        // the screen less task bars and panels
    PixelRect operatorClient;  // the operator's window's drawing area, which its controls are placed in
    PixelRect operatorFrame;   // the same window with its frame
    // What a window frame adds around a drawing area on each side.
    std::int32_t frameLeft = 0;
    std::int32_t frameTop = 0;
    std::int32_t frameRight = 0;
    std::int32_t frameBottom = 0;
};

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
    // The window opens on the operator's screen (no other is free): where its outer frame goes,
    // for a drawing area of clientWidth x clientHeight.
    virtual PixelRect OnAudiencePlace(const SharedScreen& screen, std::int32_t clientWidth,
                                      std::int32_t clientHeight) = 0;
    // The operator pressed a key that means Start in the operator's window (Page Down from a
    // presentation clicker, Space, Enter or keypad Enter); a held key reports its first press only.
    virtual void OnAudienceStartKey() = 0;
    // Any key but the window's own, first press only, before a Start key is reported; true when
    // the key was used up (no Start then).
    virtual bool OnAudienceKey(AudienceKey key)
    {
        static_cast<void>(key);
        return false;
    }
    // The time asked for with WakeAfter has passed (or a later wake-up was asked for since).
    virtual void OnAudienceWake() {}
};

// A second top-level window for the players: it shows frames composed by the core at exactly
// its own size, pixel for pixel. Full screen is the window's own affair (F11, a double-click,
// Escape to leave it); the keys of Start are reported.
class AudienceWindow {
public:
    virtual ~AudienceWindow() = default;

    virtual void SetEvents(AudienceWindowEvents* events) = 0;

    // Shows the window: full screen on a screen that does not hold the operator's window where
    // there is one, else as an ordinary window where OnAudiencePlace puts it.
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

    // Takes `frame` as what the window shows, each frame pixel as `scale` x `scale` window pixels
    // (a window too large for a frame of its own size); only `changed` (in frame pixels) differs
    // from the frame presented before, unless the frame's size or scale changed. A frame that
    // does not cover the window is shown from its top-left corner. Called from OnAudiencePaint.
    virtual void Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale = 1) = 0;

    // Calls OnAudienceWake once, about `milliseconds` from now, replacing any wake-up asked for
    // before; the open or hidden window alike.
    virtual void WakeAfter(std::uint32_t milliseconds) = 0;
};

}  // namespace palvo
