#pragma once

#include "platform/environment.h"

namespace palvo::win32 {

// The executable's folder (GetModuleFileNameW), the screen's dots per inch, file existence.
// The program is a folder the user owns: its shipped files and palvo.ini both live beside it.
class Win32Environment : public Environment {
public:
    std::string DataDirectory() const override { return ProgramDirectory(); }
    std::string SettingsDirectory() const override { return ProgramDirectory(); }
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    bool FileExists(const std::string& path) const override;

private:
    static std::string ProgramDirectory();
};

}  // namespace palvo::win32
