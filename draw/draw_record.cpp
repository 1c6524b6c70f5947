#include "draw/draw_record.h"

#include <algorithm>
#include <utility>

namespace palvo {

void DrawRecord::Create(std::int16_t numMax)
{
    numMax_ = std::max<std::int16_t>(numMax, 0);
    drawnNums_.assign(static_cast<std::size_t>(numMax_) + 1, 0);
    drawnCount_ = 0;
    histViewPos_ = 0;
}

bool DrawRecord::Accepts(std::int16_t candidate) const
{
    if (candidate < 1 || candidate > numMax_) {
        return false;
    }
    const auto drawnEnd = drawnNums_.begin() + drawnCount_;
    return std::find(drawnNums_.begin(), drawnEnd, candidate) == drawnEnd;
}

void DrawRecord::Append(std::int16_t number)
{
    if (IsComplete()) {
        return;
    }
    drawnNums_[static_cast<std::size_t>(drawnCount_)] = number;
    ++drawnCount_;
    histViewPos_ = drawnCount_;
}

std::optional<std::int16_t> DrawRecord::TakeBackNewest()
{
    if (drawnCount_ < 1) {
        return std::nullopt;
    }
    --drawnCount_;
    const std::int16_t number = std::exchange(drawnNums_[static_cast<std::size_t>(drawnCount_)], 0);
    histViewPos_ = drawnCount_;
    return number;
}

std::int16_t DrawRecord::NewestFirst(int i) const
{
    if (i < 0 || i >= drawnCount_) {
        return 0;
    }
    return drawnNums_[static_cast<std::size_t>(drawnCount_ - 1 - i)];
}

std::int16_t DrawRecord::ViewRead(int i) const
{
    const int ordinal = histViewPos_ - i;
    if (ordinal < 1 || ordinal > drawnCount_) {
        return 0;
    }
    return drawnNums_[static_cast<std::size_t>(ordinal - 1)];
}

bool DrawRecord::SetHistViewPos(std::int16_t position)
{
    if (position < kCellsPerView || position > drawnCount_) {
        return false;
    }
    histViewPos_ = position;
    return true;
}

}  // namespace palvo
