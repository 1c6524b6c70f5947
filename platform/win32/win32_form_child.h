#pragma once

// What a form keeps of one of its controls; shared by the form's source files only.

#include <memory>
#include <optional>

#include "platform/pixel_buffer.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_picture_box.h"

namespace palvo::win32 {

struct Win32Form::Child {
    ControlLayout placement;  // placement.id names the control
    HWND window = nullptr;
    int commandId = 0;  // the child window's identifier, and the timer's
    std::unique_ptr<Win32PictureBox> picture;
    std::optional<PixelBuffer> buttonPicture;
    bool timerRunning = false;
};

}  // namespace palvo::win32
