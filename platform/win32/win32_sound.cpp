#include "platform/win32/win32_sound.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include "platform/win32/os/wide_text.h"

namespace palvo::win32 {

void Win32Sound::Beep()
{
    MessageBeep(MB_OK);
}

void Win32Sound::PlayAsync(const std::string& path)
{
    // The wide call: the sound's Japanese file name then plays whatever the system's ANSI code
    // page is. SND_ASYNC alone, so the call returns at once and a new sound replaces the last.
    PlaySoundW(Widen(path).c_str(), nullptr, SND_ASYNC);
}

}  // namespace palvo::win32
