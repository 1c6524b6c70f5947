#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/control_id.h"
#include "platform/window_layout.h"

namespace palvo {

// What the settings dialog's window reports back to the dialog logic.
class SettingsDialogEvents {
public:
    virtual ~SettingsDialogEvents() = default;

    // The user clicked an enabled button or option button. An option button is already checked
    // when this arrives.
    virtual void OnClick(ControlId button) = 0;

    // The user closed the window by its own means (close box, system menu, Escape);
    // the window closes after this returns.
    virtual void OnCloseBox() = 0;
};

// The two rhythm counts, each shown as digits and as a bar on its own track.
enum class RhythmCount { Fast, Slow };

// The settings dialog's window as the dialog logic sees it. The logic holds every working
// value; the view only shows what it is told, except the highest-number text the user types.
class SettingsDialogView {
public:
    virtual ~SettingsDialogView() = default;

    // `events` receives the user's clicks from now on; nullptr stops them.
    virtual void SetEvents(SettingsDialogEvents* events) = 0;

    // Creates the window and every control exactly as the layout says (pixels).
    virtual void ApplyLayout(const WindowLayout& layout) = 0;

    // Shows the picture file at `path` stretched over the preview. Returns false, leaving the
    // preview empty, when the file is missing or cannot be decoded as a picture.
    virtual bool ShowPreview(const std::string& path) = 0;

    // The caption that shows the background picture's full path.
    virtual void SetImagePathCaption(std::string_view path) = 0;

    // Fills the colour swatch with `color` (0x00BBGGRR).
    virtual void SetColorSwatch(std::int32_t color) = 0;

    // Checks one option of the size (0 to 2) or position (0 to 4) group without raising
    // OnClick; an index with no option unchecks the whole group.
    virtual void SelectSizeOption(int index) = 0;
    virtual void SelectPositionOption(int index) = 0;

    // The highest-number text box.
    virtual void SetNumMaxText(std::string_view text) = 0;
    virtual std::string NumMaxText() const = 0;

    // Shows a rhythm count as digits and its bar `barWidth` pixels wide from the track's left.
    virtual void ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth) = 0;

    // Closes the window; a modal run ends. No event is raised.
    virtual void Close() = 0;
};

}  // namespace palvo
