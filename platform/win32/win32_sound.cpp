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
    // page is. Asynchronous, so the call returns at once and a new sound replaces the last; a
    // missing file stays silent, as on every platform, rather than ringing the default sound.
    PlaySoundW(Widen(path).c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

}  // namespace palvo::win32
