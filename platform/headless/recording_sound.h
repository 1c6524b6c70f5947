#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/sound.h"

namespace palvo {

// Sound that plays nothing and records each beep and each started file with the clock's time.
class RecordingSound : public Sound {
public:
    struct Played {
        std::string path;
        std::uint32_t at;
    };

    explicit RecordingSound(Clock& clock) : clock_(clock) {}

    void Beep() override { beeps_.push_back(clock_.TickCount()); }
    void PlayAsync(const std::string& path) override { played_.push_back(Played{path, clock_.TickCount()}); }

    // Clock readings of every beep, in order.
    const std::vector<std::uint32_t>& Beeps() const { return beeps_; }
    const std::vector<Played>& PlayedFiles() const { return played_; }

private:
    Clock& clock_;
    std::vector<std::uint32_t> beeps_;
    std::vector<Played> played_;
};

}  // namespace palvo
