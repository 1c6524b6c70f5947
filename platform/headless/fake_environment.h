#pragma once

#include <set>
#include <string>
#include <utility>

#include "platform/environment.h"

namespace palvo {

// A machine with a chosen application directory and screen resolution; a file exists when it was
// registered with AddFile or exists on disk.
class FakeEnvironment : public Environment {
public:
    explicit FakeEnvironment(std::string applicationDirectory, double twipsPerPixel = 15.0)
        : applicationDirectory_(std::move(applicationDirectory)),
          twipsX_(twipsPerPixel),
          twipsY_(twipsPerPixel)
    {
    }

    std::string ApplicationDirectory() const override { return applicationDirectory_; }
    double TwipsPerPixelX() const override { return twipsX_; }
    double TwipsPerPixelY() const override { return twipsY_; }
    bool FileExists(const std::string& path) const override;

    void SetTwipsPerPixel(double x, double y)
    {
        twipsX_ = x;
        twipsY_ = y;
    }
    void AddFile(const std::string& path) { files_.insert(path); }

private:
    std::string applicationDirectory_;
    double twipsX_;
    double twipsY_;
    std::set<std::string> files_;
};

}  // namespace palvo
