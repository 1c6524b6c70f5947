#pragma once

#include <string>
#include <string_view>

#include "platform/window_layout.h"
#include "platform/picture_surface.h"

namespace palvo {

// What the game logic calls back into: the main window handlers, one per operator action.
class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;

    // A button was clicked (by the operator or the keyboard); `name` as in the layout.
    virtual void OnClick(std::string_view name) = 0;
    // The window became the active window of the program.
    virtual void OnActivate() = 0;
    // A timer of the layout fired.
    virtual void OnTimer(std::string_view name) = 0;
    // The operator asked to close the window. Returns true when the window may close now;
    // false when the logic will close it itself (through MainWindowView::Close) a little later.
    virtual bool OnCloseRequest() = 0;
    // The window has closed for good; the logic writes the settings here.
    virtual void OnClosed() = 0;
};

// The main window as the game logic sees it. Controls are named as in the layout table.
// Calls naming a control that does not exist are ignored.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    virtual void SetEvents(MainWindowEvents* events) = 0;

    // Creates (or re-places) the window and every control exactly as the table says.
    virtual void ApplyLayout(const WindowLayout& layout) = 0;

    // The persistent image of a picture box. Precondition: `name` is a picture box of the layout.
    virtual PictureSurface& Picture(std::string_view name) = 0;

    virtual void SetEnabled(std::string_view name, bool enabled) = 0;
    virtual bool IsEnabled(std::string_view name) const = 0;

    // Caption of a label or button, text of a text box.
    virtual void SetText(std::string_view name, std::string_view text) = 0;
    virtual std::string Text(std::string_view name) const = 0;

    // The list box `name`.
    virtual void ListAddItem(std::string_view name, std::string_view item) = 0;
    virtual void ListClear(std::string_view name) = 0;
    virtual int ListCount(std::string_view name) const = 0;
    virtual void ListSelect(std::string_view name, int index) = 0;

    virtual void SetTimerEnabled(std::string_view name, bool enabled) = 0;

    // Gives the keyboard focus to a control.
    virtual void SetFocus(std::string_view name) = 0;

    // Shows the window (not modal); it becomes active, which raises OnActivate.
    virtual void Show() = 0;

    // Closes the window for good, after the logic allowed it; OnClosed follows.
    virtual void Close() = 0;
};

}  // namespace palvo
