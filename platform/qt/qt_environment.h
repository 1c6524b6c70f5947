#pragma once

#include <optional>
#include <string>

#include "platform/environment.h"

namespace palvo {

// The machine as Qt sees it: the executable's folder and the primary screen's resolution.
class QtEnvironment : public Environment {
public:
    // Facts of the running program. Needs a QGuiApplication for the screen resolution.
    QtEnvironment() = default;

    // For tests: another application folder and a fixed twips-per-pixel ratio.
    QtEnvironment(std::string applicationDirectory, std::optional<double> twipsPerPixel)
        : applicationDirectory_(std::move(applicationDirectory)), twipsPerPixel_(twipsPerPixel)
    {
    }

    std::string ApplicationDirectory() const override;
    // 1440 divided by the primary screen's logical dots per inch (15 without a screen).
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    bool FileExists(const std::string& path) const override;

private:
    std::string applicationDirectory_;
    std::optional<double> twipsPerPixel_;
};

}  // namespace palvo
