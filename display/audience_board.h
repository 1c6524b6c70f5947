#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "config/config_store.h"
#include "imaging/segment_digit.h"
#include "platform/window_layout.h"

namespace palvo {

// One labelled row of the board in columns: the numbers first ... last under a letter (B I N G O).
struct BoardBand {
    char label = ' ';
    std::int16_t first = 0;
    std::int16_t last = 0;

    friend bool operator==(const BoardBand&, const BoardBand&) = default;
};

// What the players' display shows of a game: which numbers are called, the newest, the count and
// whether the game is over, plus the number the big digits show right now (a rolling candidate or
// the settled number). A plain value, rebuilt from the game's numbers whenever they change.
class AudienceBoard {
public:
    // Takes the game of the numbers 1 ... numMax whose numbers `called` were called, in call
    // order; the big digits show the last of them (none when nothing has been drawn yet). The
    // game is over once as many numbers are called as it has.
    void Rebuild(std::int16_t numMax, std::span<const std::int16_t> called);

    // Lays the board out in these labelled rows from now on; none: rows of ten.
    void SetBands(std::vector<BoardBand> bands) { bands_ = std::move(bands); }
    const std::vector<BoardBand>& Bands() const { return bands_; }

    // The big digits show `number` (a rolling candidate); the board is unchanged.
    void ShowRolling(std::int16_t number) { current_ = number; }

    // Board cells 1 ... NumMax(); a record with a highest number beyond 99 shows its first 99.
    std::int16_t NumMax() const { return numMax_; }
    std::int16_t CalledCount() const { return calledCount_; }
    bool IsCalled(std::int16_t number) const;
    // The number called last; nothing before the first draw.
    std::optional<std::int16_t> Newest() const { return newest_; }
    // What the big digits show; nothing (unlit digits) before the first draw and after a Reset.
    std::optional<std::int16_t> Current() const { return current_; }
    bool IsComplete() const { return complete_; }
    // Rows of ten cells the board needs (at least 1).
    std::int16_t Rows() const;

    static constexpr std::int16_t kMaxCells = CConfig::kHighestNumMax;
    static constexpr std::int16_t kColumns = 10;

    friend bool operator==(const AudienceBoard&, const AudienceBoard&) = default;

private:
    std::vector<bool> called_;  // index = number; 0 unused
    std::int16_t numMax_ = 0;
    std::int16_t calledCount_ = 0;
    std::optional<std::int16_t> newest_;
    std::optional<std::int16_t> current_;
    bool complete_ = false;
    std::vector<BoardBand> bands_;
};

// Where everything of the players' display goes in a window of a given size: a fixed design of
// 20 x 11 units (big number and count on the left, the board of rows of ten on the right)
// scaled as a whole, aspect kept, centred, so nothing is cut off.
struct AudienceLayout {
    PixelRect content;  // the scaled design, centred in the window
    PixelRect number;   // the area the big digits live in
    std::int32_t tenX = 0, oneX = 0, digitY = 0;
    DigitShape digit;  // big digits
    PixelRect count;   // "23 / 72" and the end mark
    DigitShape countDigit;
    PixelRect board;             // every cell
    std::int32_t cellPitch = 0;  // distance between neighbouring cells
    std::int32_t cellSize = 0;   // side of one cell
    DigitShape cellDigit;
    // The board in labelled rows: each row's label in the first cell, its numbers after it.
    std::vector<BoardBand> bands;

    // Cell of `number` (1 ... the board's highest).
    PixelRect Cell(std::int16_t boardNumber) const;
    // The label cell of band `row`.
    PixelRect LabelCell(std::size_t row) const;
};

// The layout for a width x height window showing a board of `rows` rows of ten. Sizes below
// 1 x 1 give an empty layout.
[[nodiscard]] AudienceLayout LayOutAudience(std::int32_t width, std::int32_t height, std::int16_t rows);

// The layout of the board in `bands` (one to ten rows; else an empty layout) in the same place:
// smaller cells, as many as the longest band plus its label fit across the board's width.
[[nodiscard]] AudienceLayout LayOutAudience(std::int32_t width, std::int32_t height,
                                            std::span<const BoardBand> bands);

}  // namespace palvo
