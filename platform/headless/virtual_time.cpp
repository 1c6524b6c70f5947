#include "platform/headless/virtual_time.h"

#include <algorithm>
#include <utility>

namespace palvo {

void VirtualTime::At(std::uint32_t at, std::function<void()> event)
{
    events_.push_back(Scheduled{at, nextOrder_++, std::move(event)});
}

void VirtualTime::ProcessEventsFor(std::uint32_t milliseconds)
{
    ++pumpCalls_;
    waited_ += milliseconds;
    const std::uint32_t start = now_;
    for (;;) {
        // The earliest event due within the span; elapsed times keep the order right across a wrap.
        auto due = events_.end();
        for (auto it = events_.begin(); it != events_.end(); ++it) {
            const std::uint32_t offset = it->at - start;
            if (offset > milliseconds && static_cast<std::int32_t>(offset) >= 0) {
                continue;
            }
            if (due == events_.end() || static_cast<std::int32_t>(it->at - due->at) < 0 ||
                (it->at == due->at && it->order < due->order)) {
                due = it;
            }
        }
        if (due == events_.end()) {
            break;
        }
        Scheduled next = std::move(*due);
        events_.erase(due);
        if (static_cast<std::int32_t>(next.at - now_) > 0) {
            now_ = next.at;
        }
        next.event();
    }
    // An event that waited itself may already have moved time beyond the span.
    if (static_cast<std::int32_t>(start + milliseconds - now_) > 0) {
        now_ = start + milliseconds;
    }
}

}  // namespace palvo
