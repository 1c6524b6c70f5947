#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "platform/event_pump.h"

namespace palvo {

// A clock that only moves when told to, together with the event loop that moves it: waiting in
// ProcessEventsFor advances virtual time at once and runs the events tests scheduled for it.
class VirtualTime : public Clock, public EventPump {
public:
    // Milliseconds of virtual time; starts at `start` (a value near 2^32 tests the wrap-around).
    explicit VirtualTime(std::uint32_t start = 0) : now_(start) {}

    std::uint32_t TickCount() override { return now_; }

    // Runs, in time order, every scheduled event that falls due within the next `milliseconds`
    // (virtual time reads each event's own time while it runs), then ends at now + milliseconds.
    void ProcessEventsFor(std::uint32_t milliseconds) override;

    // Runs `event` once virtual time reaches `at` (absolute virtual milliseconds, compared as
    // elapsed time since now); events due now run at the next ProcessEventsFor.
    void At(std::uint32_t at, std::function<void()> event);
    // The same, `delay` milliseconds from now.
    void After(std::uint32_t delay, std::function<void()> event) { At(now_ + delay, std::move(event)); }

    // Moves virtual time forward without running events.
    void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }

    // Total milliseconds that ProcessEventsFor waited, and how often it was called.
    std::uint64_t WaitedMilliseconds() const { return waited_; }
    int PumpCalls() const { return pumpCalls_; }
    std::size_t PendingEvents() const { return events_.size(); }

private:
    struct Scheduled {
        std::uint32_t at;
        std::uint64_t order;
        std::function<void()> event;
    };

    std::uint32_t now_;
    std::uint64_t waited_ = 0;
    int pumpCalls_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::vector<Scheduled> events_;
};

}  // namespace palvo
