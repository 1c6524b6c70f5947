#pragma once

#include "platform/sound.h"

namespace palvo::win32 {

// MessageBeep for the rolling beep; PlaySound, asynchronous and silent when the file is missing, for the chime.
class Win32Sound : public Sound {
public:
    void Beep() override;
    void PlayAsync(const std::string& path) override;
};

}  // namespace palvo::win32
