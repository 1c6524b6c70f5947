#include "app/auto_caller.h"

#include <algorithm>

namespace palvo {

std::int32_t AutoCaller::ClampInterval(std::int32_t seconds)
{
    return std::clamp(seconds, kShortestSeconds, kLongestSeconds);
}

void AutoCaller::Start(std::int32_t seconds)
{
    interval_ = ClampInterval(seconds);
    state_ = State::Counting;
    deadline_ = clock_.TickCount() + static_cast<std::uint32_t>(interval_) * 1000U;
}

void AutoCaller::Restart()
{
    if (state_ != State::Off) {
        const State before = state_;
        Start(interval_);
        // A sequence still running keeps the count standing; the next Poll releases it.
        if (before == State::Paused) {
            remaining_ = static_cast<std::uint32_t>(interval_) * 1000U;
            state_ = State::Paused;
        }
    }
}

void AutoCaller::SetInterval(std::int32_t seconds)
{
    interval_ = ClampInterval(seconds);
    Restart();
}

std::uint32_t AutoCaller::Remaining() const
{
    if (state_ == State::Paused) {
        return remaining_;
    }
    // Differences of the tick count survive its wrap; a deadline passed counts as zero left.
    const auto left = static_cast<std::int32_t>(deadline_ - clock_.TickCount());
    return left > 0 ? static_cast<std::uint32_t>(left) : 0U;
}

bool AutoCaller::Poll(bool blocked)
{
    switch (state_) {
        case State::Off:
            return false;
        case State::Counting:
            if (blocked) {
                remaining_ = Remaining();
                state_ = State::Paused;
                return false;
            }
            return Remaining() == 0;
        case State::Paused:
            if (blocked) {
                return false;
            }
            deadline_ = clock_.TickCount() + remaining_;
            state_ = State::Counting;
            return remaining_ == 0;
    }
    return false;
}

std::optional<std::int32_t> AutoCaller::SecondsLeft() const
{
    if (state_ == State::Off) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>((Remaining() + 999U) / 1000U);
}

}  // namespace palvo
