#pragma once

#include <cstdint>
#include <optional>

#include "platform/clock.h"

namespace palvo {

// The automatic caller's timing: Start is due every interval, counted from the end of the
// previous sequence; the count stands still while the game is blocked (a sequence, a dialog or a
// question is open) and goes on from where it stood afterwards.
class AutoCaller {
public:
    static constexpr std::int32_t kShortestSeconds = 5;
    static constexpr std::int32_t kLongestSeconds = 600;
    static constexpr std::int32_t kDefaultSeconds = 20;

    enum class State { Off, Counting, Paused };

    explicit AutoCaller(Clock& clock) : clock_(clock) {}

    // `seconds` brought into kShortestSeconds ... kLongestSeconds.
    static std::int32_t ClampInterval(std::int32_t seconds);

    // Starts counting a whole interval of `seconds` (clamped) from now.
    void Start(std::int32_t seconds);
    void Stop() { state_ = State::Off; }
    // A sequence has just ended: a whole interval again from now. Ignored while off.
    void Restart();
    // A new interval, counted whole from now. Ignored while off (kept for the next Start).
    void SetInterval(std::int32_t seconds);

    // To be called regularly; `blocked` while the game cannot take a press. True when Start is
    // due now (and the game is not blocked); the count waits at zero until the next Restart.
    [[nodiscard]] bool Poll(bool blocked);

    State CurrentState() const { return state_; }
    std::int32_t IntervalSeconds() const { return interval_; }
    // Whole seconds until Start is due, rounded up; nullopt while off.
    std::optional<std::int32_t> SecondsLeft() const;

private:
    std::uint32_t Remaining() const;

    Clock& clock_;
    State state_ = State::Off;
    std::int32_t interval_ = kDefaultSeconds;
    std::uint32_t deadline_ = 0;   // Counting: the tick when Start is due
    std::uint32_t remaining_ = 0;  // Paused: milliseconds that were left
};

}  // namespace palvo
