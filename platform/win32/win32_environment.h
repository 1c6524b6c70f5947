#pragma once

#include "platform/environment.h"

namespace palvo::win32 {

// The executable's folder (GetModuleFileNameW), the screen's dots per inch, file existence.
class Win32Environment : public Environment {
public:
    std::string ApplicationDirectory() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    bool FileExists(const std::string& path) const override;
};

}  // namespace palvo::win32
