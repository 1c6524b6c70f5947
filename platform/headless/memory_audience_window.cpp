#include "platform/headless/memory_audience_window.h"

#include <algorithm>
#include <cstring>

namespace palvo {

void MemoryAudienceWindow::Present(const PixelBuffer& frame, PixelRect changed, std::int32_t scale)
{
    ++presents_;
    if (shown_.Width() != frame.Width() || shown_.Height() != frame.Height() || scale != scale_) {
        shown_ = frame;
        scale_ = scale;
        return;
    }
    const std::int32_t left = std::max(changed.x, 0);
    const std::int32_t right = std::min(changed.Right(), frame.Width());
    for (std::int32_t y = std::max(changed.y, 0);
         y < std::min(changed.Bottom(), frame.Height()) && left < right; ++y) {
        std::memcpy(&shown_.At(left, y), &frame.At(left, y),
                    static_cast<std::size_t>(right - left) * sizeof(Pixel));
    }
}

void MemoryAudienceWindow::Invalidate(PixelRect /*area*/)
{
    if (open_ && events_ != nullptr) {
        events_->OnAudiencePaint();
    }
}

void MemoryAudienceWindow::UserResizes(std::int32_t width, std::int32_t height)
{
    width_ = width;
    height_ = height;
    if (events_ != nullptr) {
        events_->OnAudienceResized();
    }
}

void MemoryAudienceWindow::UserCloses()
{
    open_ = false;
    if (events_ != nullptr) {
        events_->OnAudienceClosed();
    }
}

void MemoryAudienceWindow::UserPresses(AudienceKey key)
{
    if (events_ != nullptr && !events_->OnAudienceKey(key) && key == AudienceKey::Start) {
        events_->OnAudienceStartKey();
    }
}

void MemoryAudienceWindow::Wake()
{
    if (wake_ && events_ != nullptr) {
        wake_.reset();
        events_->OnAudienceWake();
    }
}

}  // namespace palvo
