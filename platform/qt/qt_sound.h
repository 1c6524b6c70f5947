#pragma once

#include <QByteArray>
#include <QTemporaryFile>
#include <memory>
#include <string>

#include "platform/sound.h"

class QSoundEffect;

namespace palvo {

// The beep and the wave files through the same audio output, each with its own QSoundEffect.
// The beep is a short tone of our own, prepared as soon as the event loop runs so that the
// first roll does not wait for it; the wave player is created on first use. Without an audio
// device both stay silent.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;

    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    // Starts the tone and returns at once; a tone still sounding starts again.
    void Beep() override;
    // Stops what is playing and starts `path` (UTF-8); no audio device or a missing file is silent.
    void PlayAsync(const std::string& path) override;

    // The beep as a wave file: 16-bit mono PCM, a 1 kHz tone of 40 ms with soft edges.
    static QByteArray BeepWave();

private:
    void PrepareBeep();

    std::unique_ptr<QSoundEffect> effect_;
    std::unique_ptr<QSoundEffect> beep_;
    QTemporaryFile beepFile_;
    bool beepPrepared_ = false;
};

}  // namespace palvo
