#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "platform/message_boxes.h"

namespace palvo::win32 {

// MessageBoxW titled "Palvo", owned by the thread's active window (the operator's window when
// none is active) so it is modal to it, and centred over that window.
class Win32MessageBoxes : public MessageBoxes {
public:
    // The operator's window, asked for at each box (it may not exist yet at the first).
    void SetOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }

    MessageAnswer Show(std::string_view text, MessageStyle style) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace palvo::win32
