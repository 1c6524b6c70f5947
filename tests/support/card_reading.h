#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace palvo {

// Reads the numbers of a printed card off its pixels as a person would: in each cell, the ink is
// split into digits by the blank columns between them, and each digit is read from its seven
// segments at fixed places of the digit's own box. Knows only where the grid is.
class CardReader {
public:
    using IsInk = std::function<bool(std::int32_t x, std::int32_t y)>;

    // The number in the cell with the top-left corner (left, top) and side `cell`; nullopt when
    // the ink there reads as no number (the free centre's letters, a smudge).
    static std::optional<int> ReadCell(const IsInk& ink, std::int32_t left, std::int32_t top,
                                       std::int32_t cell)
    {
        const std::int32_t inset = cell / 10;  // clear of the grid lines
        const std::int32_t x0 = left + inset;
        const std::int32_t x1 = left + cell - inset;
        const std::int32_t y0 = top + inset;
        const std::int32_t y1 = top + cell - inset;
        std::vector<bool> inkedColumn(static_cast<std::size_t>(x1 - x0), false);
        std::int32_t boxTop = y1;
        std::int32_t boxBottom = y0;
        for (std::int32_t y = y0; y < y1; ++y) {
            for (std::int32_t x = x0; x < x1; ++x) {
                if (ink(x, y)) {
                    inkedColumn[static_cast<std::size_t>(x - x0)] = true;
                    boxTop = std::min(boxTop, y);
                    boxBottom = std::max(boxBottom, y);
                }
            }
        }
        std::vector<std::array<std::int32_t, 2>> runs;  // digit boxes' left and right columns
        for (std::int32_t x = x0; x < x1; ++x) {
            if (!inkedColumn[static_cast<std::size_t>(x - x0)]) {
                continue;
            }
            if (!runs.empty() && x - runs.back()[1] <= 4) {
                runs.back()[1] = x;
            } else {
                runs.push_back({x, x});
            }
        }
        if (runs.empty() || runs.size() > 2) {
            return std::nullopt;
        }
        int number = 0;
        for (const auto& run : runs) {
            const std::optional<int> digit = ReadDigit(ink, run[0], run[1], boxTop, boxBottom);
            if (!digit) {
                return std::nullopt;
            }
            number = number * 10 + *digit;
        }
        return number;
    }

private:
    static std::optional<int> ReadDigit(const IsInk& ink, std::int32_t left, std::int32_t right,
                                        std::int32_t top, std::int32_t bottom)
    {
        const double width = right - left + 1;
        const double height = bottom - top + 1;
        if (height < 20) {
            return std::nullopt;
        }
        if (width < 0.3 * height) {
            return 1;  // only the right-hand bars: the box is as narrow as a bar
        }
        auto inkNear = [&](double fx, double fy) {
            const auto cx = static_cast<std::int32_t>(left + fx * width);
            const auto cy = static_cast<std::int32_t>(top + fy * height);
            for (std::int32_t dy = -2; dy <= 2; ++dy) {
                for (std::int32_t dx = -2; dx <= 2; ++dx) {
                    if (ink(cx + dx, cy + dy)) {
                        return true;
                    }
                }
            }
            return false;
        };
        // top, middle, bottom, upper left, lower left, upper right, lower right
        const std::array<bool, 7> lit = {inkNear(0.5, 0.04),  inkNear(0.5, 0.5),   inkNear(0.5, 0.96),
                                         inkNear(0.06, 0.27), inkNear(0.06, 0.73), inkNear(0.94, 0.27),
                                         inkNear(0.94, 0.73)};
        // The faces of the digits as the display shows them (its 7 has the upper left bar).
        static constexpr std::array<std::array<bool, 7>, 10> kFaces = {{
            {true, false, true, true, true, true, true},
            {false, false, false, false, false, true, true},
            {true, true, true, false, true, true, false},
            {true, true, true, false, false, true, true},
            {false, true, false, true, false, true, true},
            {true, true, true, true, false, false, true},
            {true, true, true, true, true, false, true},
            {true, false, false, true, false, true, true},
            {true, true, true, true, true, true, true},
            {true, true, true, true, false, true, true},
        }};
        for (int digit = 0; digit < 10; ++digit) {
            if (kFaces[static_cast<std::size_t>(digit)] == lit) {
                return digit;
            }
        }
        return std::nullopt;
    }
};

}  // namespace palvo
