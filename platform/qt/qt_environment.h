#pragma once

#include <optional>
#include <string>

#include "platform/environment.h"

namespace palvo {

// The executable's folder exactly as the system names it (bytes, which need not be UTF-8), or
// nullopt when the system cannot name it because it is longer than a path may be.
std::optional<std::string> ProgramDirectoryBytes();

// The machine as Qt sees it: the folders around the executable and the primary screen's resolution.
class QtEnvironment : public Environment {
public:
    // Facts of the running program, looked up once; creates the settings folder when the program
    // keeps its settings in the user's folder. Needs a QGuiApplication.
    QtEnvironment();

    // For tests: a portable folder holding everything and a fixed twips-per-pixel ratio.
    QtEnvironment(std::string applicationDirectory, std::optional<double> twipsPerPixel)
        : dataDirectory_(applicationDirectory),
          settingsDirectory_(std::move(applicationDirectory)),
          twipsPerPixel_(twipsPerPixel)
    {
    }

    std::string DataDirectory() const override { return dataDirectory_; }
    std::string SettingsDirectory() const override { return settingsDirectory_; }
    // 1440 divided by the primary screen's logical dots per inch (15 without a screen).
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    bool FileExists(const std::string& path) const override;

private:
    std::string dataDirectory_;
    std::string settingsDirectory_;
    std::optional<double> twipsPerPixel_;
};

}  // namespace palvo
