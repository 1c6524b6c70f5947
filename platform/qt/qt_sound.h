#pragma once

#include <memory>
#include <string>

#include "platform/sound.h"

class QSoundEffect;

namespace palvo {

// The X bell for the beep and a QSoundEffect for wave files, created on first use so that
// start-up does not wait for the audio system.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;

    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void Beep() override;
    // Stops what is playing and starts `path` (UTF-8); no audio device or a missing file is silent.
    void PlayAsync(const std::string& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace palvo
