#include "display/audience_placement.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace palvo {

namespace {

bool Overlaps(const PixelRect& a, const PixelRect& b)
{
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

std::int64_t OverlapArea(const PixelRect& a, const PixelRect& b)
{
    const std::int64_t width = std::min(a.Right(), b.Right()) - std::max(a.x, b.x);
    const std::int64_t height = std::min(a.Bottom(), b.Bottom()) - std::max(a.y, b.y);
    return width > 0 && height > 0 ? width * height : 0;
}

// Lefts (or tops) worth trying for an extent of `size`: the area's edges and each side of every
// obstacle, since the best places touch one of them; kept inside [low, high - size].
std::vector<std::int32_t> Candidates(std::int32_t low, std::int32_t high, std::int32_t size,
                                     const std::vector<std::pair<std::int32_t, std::int32_t>>& spans)
{
    std::vector<std::int32_t> places{low, high - size};
    for (const auto& [begin, end] : spans) {
        places.push_back(end);
        places.push_back(begin - size);
    }
    for (std::int32_t& place : places) {
        place = std::max(low, std::min(place, high - size));
    }
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}

// The best place for an outer frame of width x height, and how many controls it covers.
std::pair<PixelRect, int> BestPlace(const SharedScreen& screen, const std::vector<PixelRect>& controls,
                                    std::int32_t width, std::int32_t height)
{
    const PixelRect& work = screen.workArea;
    width = std::max(1, std::min(width, work.width));
    height = std::max(1, std::min(height, work.height));
    std::vector<std::pair<std::int32_t, std::int32_t>> columns{
        {screen.operatorFrame.x, screen.operatorFrame.Right()}};
    std::vector<std::pair<std::int32_t, std::int32_t>> rows{
        {screen.operatorFrame.y, screen.operatorFrame.Bottom()}};
    for (const PixelRect& control : controls) {
        columns.emplace_back(control.x, control.Right());
        rows.emplace_back(control.y, control.Bottom());
    }
    const std::int64_t preferredX = screen.operatorFrame.Right();
    const std::int64_t preferredY = std::max(work.y, screen.operatorFrame.y);
    using Score = std::tuple<int, std::int64_t, std::int64_t>;
    Score best{std::numeric_limits<int>::max(), 0, 0};
    PixelRect chosen{work.x, work.y, width, height};
    for (const std::int32_t x : Candidates(work.x, work.Right(), width, columns)) {
        for (const std::int32_t y : Candidates(work.y, work.Bottom(), height, rows)) {
            const PixelRect place{x, y, width, height};
            const int covered = static_cast<int>(
                std::count_if(controls.begin(), controls.end(),
                              [&](const PixelRect& control) { return Overlaps(place, control); }));
            const std::int64_t dx = x - preferredX;
            const std::int64_t dy = y - preferredY;
            const Score score{covered, OverlapArea(place, screen.operatorFrame), dx * dx + dy * dy};
            if (score < best) {
                best = score;
                chosen = place;
            }
        }
    }
    return {chosen, std::get<0>(best)};
}

}  // namespace

PixelRect PlaceAudienceWindow(const SharedScreen& screen, const std::vector<PixelRect>& controls,
                              std::int32_t clientWidth, std::int32_t clientHeight)
{
    const auto outer = [&](int sixteenths) {
        return BestPlace(screen, controls,
                         clientWidth * sixteenths / 16 + screen.frameLeft + screen.frameRight,
                         clientHeight * sixteenths / 16 + screen.frameTop + screen.frameBottom);
    };
    const std::pair<PixelRect, int> full = outer(16);
    // A somewhat smaller window that leaves every control free beats a full one over a button;
    // below half the size the players could hardly read it.
    for (int sixteenths = 16; full.second > 0 && sixteenths >= 8; --sixteenths) {
        const std::pair<PixelRect, int> smaller = outer(sixteenths);
        if (smaller.second == 0) {
            return smaller.first;
        }
    }
    return full.first;
}

std::vector<PixelRect> OperatorControls(const WindowLayout& layout, PixelRect client)
{
    std::vector<PixelRect> rects;
    for (const ControlLayout& control : layout.controls) {
        switch (control.id.control()) {
            case Control::cmdStart:
            case Control::cmdHistBack:
            case Control::cmdHistForward:
            case Control::cmdReset:
            case Control::cmdSetting:
            case Control::picHistNum:
                break;
            default:
                continue;
        }
        // Children are placed in their parents' drawing areas.
        PixelRect rect{client.x + control.x, client.y + control.y, control.width, control.height};
        for (const ControlLayout* parent = control.parent ? layout.Find(*control.parent) : nullptr;
             parent != nullptr; parent = parent->parent ? layout.Find(*parent->parent) : nullptr) {
            rect.x += parent->x;
            rect.y += parent->y;
        }
        rects.push_back(rect);
    }
    return rects;
}

}  // namespace palvo
