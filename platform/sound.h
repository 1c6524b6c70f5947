#pragma once

#include <string>

namespace palvo {

// The sounds of a draw, played through whatever the system offers.
class Sound {
public:
    virtual ~Sound() = default;

    // The short system beep before each rolling number; returns at once.
    virtual void Beep() = 0;

    // Starts playing a wave file in the background and returns at once; a new call replaces a
    // sound still playing. A missing or unplayable file is silent and never an error.
    virtual void PlayAsync(const std::string& path) = 0;
};

}  // namespace palvo
