#pragma once

#include <set>
#include <string>
#include <utility>

#include "platform/environment.h"

namespace palvo {

// A machine with chosen folders and screen resolution; a file exists when it was registered with
// AddFile or exists on disk.
class FakeEnvironment : public Environment {
public:
    // A portable folder: the shipped files and the settings both in `applicationDirectory`.
    explicit FakeEnvironment(std::string applicationDirectory, double twipsPerPixel = 15.0)
        : dataDirectory_(applicationDirectory),
          settingsDirectory_(std::move(applicationDirectory)),
          twipsX_(twipsPerPixel),
          twipsY_(twipsPerPixel)
    {
    }

    std::string DataDirectory() const override { return dataDirectory_; }
    std::string SettingsDirectory() const override { return settingsDirectory_; }
    double TwipsPerPixelX() const override { return twipsX_; }
    double TwipsPerPixelY() const override { return twipsY_; }
    bool FileExists(const std::string& path) const override;

    void SetTwipsPerPixel(double x, double y)
    {
        twipsX_ = x;
        twipsY_ = y;
    }
    void SetSettingsDirectory(std::string folder) { settingsDirectory_ = std::move(folder); }
    void AddFile(const std::string& path) { files_.insert(path); }

private:
    std::string dataDirectory_;
    std::string settingsDirectory_;
    double twipsX_;
    double twipsY_;
    std::set<std::string> files_;
};

}  // namespace palvo
