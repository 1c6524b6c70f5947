#pragma once

#include "platform/message_boxes.h"

namespace palvo::win32 {

// MessageBoxW titled "Palvo", owned by the thread's active window so it is modal to it.
class Win32MessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(std::string_view text, MessageStyle style) override;
};

}  // namespace palvo::win32
