#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace palvo {

// The numbers drawn in the current game, in draw order, and the ordinal the history board shows
// in its first cell. A game keeps the highest number it was created with, so a change in the
// settings takes effect only at the next Create.
class DrawRecord {
public:
    // A record with no numbers to draw (as after Create(0)).
    DrawRecord() = default;

    // Starts a new game of the numbers 1 ... numMax: nothing drawn, view position 0. A numMax
    // below 1 gives a game without numbers, complete from the start.
    void Create(std::int16_t numMax);

    // True when `candidate` may be drawn next: within 1 ... NumMax() and not drawn yet.
    bool Accepts(std::int16_t candidate) const;

    // Records `number` as the next draw and moves the view to it. Ignored when the game is complete.
    void Append(std::int16_t number);

    // Takes the newest number back out of the game (a mis-call) and moves the view to the newest
    // number left; returns it, or nullopt when nothing is drawn.
    std::optional<std::int16_t> TakeBackNewest();

    // The i-th newest number (0 = newest); 0 when i is outside 0 ... DrawnCount() - 1.
    std::int16_t NewestFirst(int i) const;

    // The number of history cell i under the current view, ordinal HistViewPos() - i; 0 when
    // that ordinal lies outside 1 ... DrawnCount().
    std::int16_t ViewRead(int i) const;

    // Moves the view so that cell 0 shows ordinal `position`; false, changing nothing, unless
    // 5 <= position <= DrawnCount().
    [[nodiscard]] bool SetHistViewPos(std::int16_t position);

    // Moves the view back to the newest draw.
    void ViewNewest() { histViewPos_ = drawnCount_; }

    std::int16_t NumMax() const { return numMax_; }
    std::int16_t DrawnCount() const { return drawnCount_; }
    std::int16_t HistViewPos() const { return histViewPos_; }
    // True when every number of the game has been drawn.
    bool IsComplete() const { return drawnCount_ >= numMax_; }
    // DrawnNums(0 ... NumMax()): the drawn numbers followed by zeros.
    const std::vector<std::int16_t>& DrawnNums() const { return drawnNums_; }
    // The drawn numbers alone, in draw order.
    std::span<const std::int16_t> Drawn() const
    {
        return std::span<const std::int16_t>(drawnNums_).first(static_cast<std::size_t>(drawnCount_));
    }

    // Cells per view and the lowest position a paged view may take.
    static constexpr int kCellsPerView = 5;

private:
    std::vector<std::int16_t> drawnNums_ = std::vector<std::int16_t>(1, 0);
    std::int16_t numMax_ = 0;
    std::int16_t drawnCount_ = 0;
    std::int16_t histViewPos_ = 0;
};

}  // namespace palvo
