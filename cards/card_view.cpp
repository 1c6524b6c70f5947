#include "cards/card_view.h"

#include <algorithm>

#include "imaging/card_ink.h"

namespace palvo {

CardViewGrid CardViewGridIn(std::int32_t width, std::int32_t height)
{
    // Five cells across and the letters above them (six tenths of a cell), with a margin of a fifth
    // of a cell at each side.
    const std::int32_t cell = std::min(width * 10 / 54, height * 10 / 60);
    return {(width - kCardSide * cell) / 2, height - kCardSide * cell - (height - cell * 56 / 10) / 2, cell};
}

PixelBuffer ComposeCardView(const CardVerdict& verdict, std::int32_t width, std::int32_t height,
                            ColorTriple digitColour)
{
    if (!verdict.card || width < 50 || height < 60 || !PixelBuffer::IsValidSize(width, height)) {
        return {};
    }
    const BingoCard& card = *verdict.card;
    PixelBuffer view(width, height);
    FillBox(view, 0, 0, width, height, CardViewColours::kBackground);
    const CardViewGrid grid = CardViewGridIn(width, height);
    const std::int32_t cell = grid.cell;
    const std::int32_t line = std::max(1, cell / 40);
    for (int column = 0; column < kCardSide; ++column) {
        const char letter[2] = {"BINGO"[column], '\0'};
        DrawStrokeText(view, grid.left + column * cell + cell / 2, grid.top - cell * 3 / 10, letter,
                       cell / 14, cell / 40.0 + 0.5, digitColour);
    }
    for (int i = 0; i <= kCardSide; ++i) {
        FillBox(view, grid.left + i * cell - line / 2, grid.top - line / 2, line, kCardSide * cell + line,
                CardViewColours::kGrid);
        FillBox(view, grid.left - line / 2, grid.top + i * cell - line / 2, kCardSide * cell + line, line,
                CardViewColours::kGrid);
    }
    const DigitShape digit{cell / 5, std::max(2, cell * 6 / 100), std::max(1, cell / 100)};
    for (int row = 0; row < kCardSide; ++row) {
        for (int column = 0; column < kCardSide; ++column) {
            const std::int32_t centreX = grid.left + column * cell + cell / 2;
            const std::int32_t centreY = grid.top + row * cell + cell / 2;
            const int number = card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            const bool called =
                verdict.marked[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            const ColorTriple colour = called ? digitColour : CardViewColours::kUncalled;
            if (number == 0) {
                DrawStrokeText(view, centreX, centreY, "FREE", cell / 25, cell / 90.0 + 0.5, colour);
            } else {
                DrawSegmentNumber(view, centreX, centreY, digit, cell / 12, number, colour);
            }
        }
    }
    // Through the cells' centres, from the first cell's outer edge to the last's.
    for (const CardLine& completed : verdict.lines) {
        const auto cells = CellsOf(completed);
        const auto centre = [&](const std::array<int, 2>& at) {
            return std::array<double, 2>{grid.left + (at[1] + 0.5) * cell, grid.top + (at[0] + 0.5) * cell};
        };
        const std::array<double, 2> first = centre(cells.front());
        const std::array<double, 2> last = centre(cells.back());
        const double dx = (last[0] - first[0]) / (2.0 * (kCardSide - 1));
        const double dy = (last[1] - first[1]) / (2.0 * (kCardSide - 1));
        DrawPenLine(view, first[0] - dx, first[1] - dy, last[0] + dx, last[1] + dy, cell / 45.0 + 1,
                    CardViewColours::kLine);
    }
    return view;
}

}  // namespace palvo
