#pragma once

#include <string>

namespace palvo {

// Facts about the machine the program runs on.
class Environment {
public:
    virtual ~Environment() = default;

    // The folder that holds the executable (UTF-8), without a trailing separator.
    virtual std::string ApplicationDirectory() const = 0;

    // The screen's twips (1/1440 inch) per pixel: 15 at 96 dpi.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;

    // True when a file (not a folder) exists at `path` (UTF-8).
    virtual bool FileExists(const std::string& path) const = 0;
};

}  // namespace palvo
