#pragma once

#include <string>

namespace palvo {

// Facts about the machine the program runs on.
class Environment {
public:
    virtual ~Environment() = default;

    // The folder of the shipped pictures, bars, buttons and sound (UTF-8), without a trailing
    // separator: beside the executable, or where an installed program's files are.
    virtual std::string DataDirectory() const = 0;

    // The folder of palvo.ini and of every file the program writes beside it (UTF-8), without a
    // trailing separator: beside the executable, or the user's own folder when the program cannot
    // write there. The platform creates it at start-up when it is missing (and can be made).
    virtual std::string SettingsDirectory() const = 0;

    // The screen's twips (1/1440 inch) per pixel: 15 at 96 dpi.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // True when a file (not a folder) exists at `path` (UTF-8).
    virtual bool FileExists(const std::string& path) const = 0;
};

}  // namespace palvo
