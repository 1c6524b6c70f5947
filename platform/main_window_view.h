#pragma once

#include <string>
#include <string_view>

#include "platform/control_id.h"
#include "platform/picture_surface.h"
#include "platform/window_layout.h"

namespace palvo {

// What the game logic calls back into: the main window handlers, one per operator action.
class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;

    // A button was clicked (by the operator or the keyboard).
    virtual void OnClick(ControlId button) = 0;
    // The window became the active window of the program.
    virtual void OnActivate() = 0;
    // A timer of the layout fired.
    virtual void OnTimer(ControlId timer) = 0;
    // The operator asked to close the window. Returns true when the window may close now;
    // false when the logic will close it itself (through MainWindowView::Close) a little later.
    virtual bool OnCloseRequest() = 0;
    // The window has closed for good; the logic writes the settings here.
    virtual void OnClosed() = 0;
    // The session ends the program (logoff, shutdown, a termination signal): the settings are
    // written at once, no question or warning waits on a person, and the window closes. The
    // process may be ended as soon as this returns.
    virtual void OnSessionEnd() = 0;
};

// The main window as the game logic sees it. Every call names a control of the applied layout.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    virtual void SetEvents(MainWindowEvents* events) = 0;

    // Creates (or re-places) the window and every control exactly as the table says.
    virtual void ApplyLayout(const WindowLayout& layout) = 0;

    // The persistent image of a picture box. Precondition: `box` is a picture box of the layout.
    virtual PictureSurface& Picture(ControlId box) = 0;

    // Disabling the control with the keyboard focus, or a container around it, leaves no control
    // with the focus (keys meant for it press nothing else) until it is enabled again and takes
    // the focus back.
    virtual void SetEnabled(ControlId id, bool enabled) = 0;
    virtual bool IsEnabled(ControlId id) const = 0;

    // Caption of a label or button, text of a text box.
    virtual void SetText(ControlId id, std::string_view text) = 0;
    virtual std::string Text(ControlId id) const = 0;

    // The list box `id`.
    virtual void ListAddItem(ControlId id, std::string_view item) = 0;
    virtual void ListClear(ControlId id) = 0;
    virtual int ListCount(ControlId id) const = 0;
    virtual void ListSelect(ControlId id, int index) = 0;

    virtual void SetTimerEnabled(ControlId id, bool enabled) = 0;

    // Gives the keyboard focus to a control. A control that is disabled, itself or by a container,
    // takes it as soon as it is enabled; until then no control has it.
    virtual void SetFocus(ControlId id) = 0;

    // Shows the window (not modal); it becomes active, which raises OnActivate.
    virtual void Show() = 0;

    // Closes the window for good, after the logic allowed it; OnClosed follows.
    virtual void Close() = 0;
};

}  // namespace palvo
