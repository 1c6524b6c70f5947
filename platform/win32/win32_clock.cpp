#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace palvo::win32 {

std::uint32_t Win32Clock::TickCount()
{
    return GetTickCount();
}

}  // namespace palvo::win32
