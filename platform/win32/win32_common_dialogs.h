#pragma once

#include "platform/common_dialogs.h"

namespace palvo::win32 {

// GetOpenFileNameW and ChooseColorW, owned by the thread's active window.
class Win32CommonDialogs : public CommonDialogs {
public:
    std::optional<std::string> SelectImageFile(const std::string& current) override;
    std::optional<std::int32_t> SelectColor() override;
};

}  // namespace palvo::win32
