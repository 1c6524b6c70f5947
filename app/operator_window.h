#pragma once

#include <cstdint>
#include <optional>

#include "draw/game_state.h"
#include "platform/pixel_buffer.h"
#include "platform/window_layout.h"

namespace palvo {

// What a view beside the operator's window (the players' display, and the views that follow it)
// may ask of that window: the game to read, the look in force, and the operator's Start key.
// Nothing else of the window is theirs, so none of them can change the game behind its back.
class OperatorWindow {
public:
    // The game as published after every change; readable from any thread.
    virtual const GameStatePublisher& State() const = 0;
    // The digit colour in force (0x00BBGGRR); nothing before start-up and after unload.
    virtual std::optional<std::int32_t> NumColor() const = 0;
    // The operator's controls as laid out at start-up (empty before).
    virtual const WindowLayout& Layout() const = 0;
    // Presses Start as the operator's own key does; nothing happens where Start is locked.
    virtual void PressStart() = 0;

protected:
    ~OperatorWindow() = default;
};

// The digit colour in force as red, green and blue, for the views that draw digits beside the
// window's own (the hall's display, a checked card); a colour the settings cannot give, or none
// yet, shows as the blue the display falls back to.
ColorTriple DigitColour(const OperatorWindow& window);

}  // namespace palvo
