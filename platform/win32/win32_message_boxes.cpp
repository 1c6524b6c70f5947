#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32/os/wide_text.h"

namespace palvo::win32 {

MessageAnswer Win32MessageBoxes::Show(std::string_view text, MessageStyle style)
{
    const auto flags = static_cast<UINT>(style);  // the enum's values are the MB_ flags
    const int pressed =
        MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"Palvo", flags | MB_SETFOREGROUND);
    switch (pressed) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            // A box that could not be shown, or was ended from outside, chose nothing.
            return style == MessageStyle::Question ? MessageAnswer::Closed : MessageAnswer::Ok;
    }
}

}  // namespace palvo::win32
