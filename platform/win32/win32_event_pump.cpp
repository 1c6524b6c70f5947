#include "platform/win32/win32_event_pump.h"

#include <windows.h>

namespace palvo::win32 {

void Win32EventPump::ProcessEventsFor(std::uint32_t milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const DWORD elapsed = GetTickCount() - start;  // modulo 2^32, safe across the wrap
        if (elapsed >= milliseconds) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

}  // namespace palvo::win32
