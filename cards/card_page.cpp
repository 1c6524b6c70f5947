#include "cards/card_page.h"

#include <algorithm>

#include "imaging/card_ink.h"

namespace palvo {

namespace {

constexpr ColorTriple kPaper{255, 255, 255};
constexpr ColorTriple kInk{0, 0, 0};
constexpr ColorTriple kCutLine{80, 80, 80};  // dark enough to survive printing in black and white

constexpr std::int32_t kSlotWidth = kCardPageWidth / 2;
constexpr std::int32_t kSlotHeight = kCardPageHeight / 2;
constexpr std::int32_t kCell = 200;  // 17 mm: numbers a player reads at arm's length
constexpr std::int32_t kGridLine = 6;
constexpr std::int32_t kGridTop = 330;
constexpr DigitShape kCellDigit{50, 12, 2};
constexpr std::int32_t kDigitGap = 16;

void DrawCutLines(PixelBuffer& page)
{
    // Dashes, so that a cut a little off the line still leaves no stray ink on a card.
    for (std::int32_t y = 0; y < kCardPageHeight; y += 40) {
        FillBox(page, kSlotWidth - 1, y, 3, 24, kCutLine);
    }
    for (std::int32_t x = 0; x < kCardPageWidth; x += 40) {
        FillBox(page, x, kSlotHeight - 1, 24, 3, kCutLine);
    }
}

void DrawCard(PixelBuffer& page, const BingoCard& card, int slot)
{
    const CardGridPlace grid = CardGridOnPage(slot);
    const std::int32_t side = kCardSide * grid.cell;
    for (int column = 0; column < kCardSide; ++column) {
        const char letter[2] = {"BINGO"[column], '\0'};
        DrawStrokeText(page, grid.left + column * grid.cell + grid.cell / 2, grid.top - 110, letter, 24, 11,
                       kInk);
    }
    for (int i = 0; i <= kCardSide; ++i) {
        FillBox(page, grid.left + i * grid.cell - kGridLine / 2, grid.top - kGridLine / 2, kGridLine,
                side + kGridLine, kInk);
        FillBox(page, grid.left - kGridLine / 2, grid.top + i * grid.cell - kGridLine / 2, side + kGridLine,
                kGridLine, kInk);
    }
    for (int row = 0; row < kCardSide; ++row) {
        for (int column = 0; column < kCardSide; ++column) {
            const std::int32_t centreX = grid.left + column * grid.cell + grid.cell / 2;
            const std::int32_t centreY = grid.top + row * grid.cell + grid.cell / 2;
            const int number = card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (number == 0) {
                DrawStrokeText(page, centreX, centreY, "FREE", 8, 4, kInk);
            } else {
                DrawSegmentNumber(page, centreX, centreY, kCellDigit, kDigitGap, number, kInk);
            }
        }
    }
    DrawStrokeText(page, grid.left + side / 2, grid.top + side + 110, CardCodeText(card.code), 12, 5, kInk);
}

}  // namespace

CardGridPlace CardGridOnPage(int slot)
{
    const std::int32_t slotLeft = (slot % 2) * kSlotWidth;
    const std::int32_t slotTop = (slot / 2) * kSlotHeight;
    return {slotLeft + (kSlotWidth - kCardSide * kCell) / 2, slotTop + kGridTop, kCell};
}

PixelBuffer ComposeCardPage(std::span<const BingoCard> cards)
{
    PixelBuffer page(kCardPageWidth, kCardPageHeight);
    FillBox(page, 0, 0, kCardPageWidth, kCardPageHeight, kPaper);
    DrawCutLines(page);
    const std::size_t count = std::min<std::size_t>(cards.size(), kCardsPerPage);
    for (std::size_t i = 0; i < count; ++i) {
        DrawCard(page, cards[i], static_cast<int>(i));
    }
    return page;
}

std::string CardsCsv(std::span<const BingoCard> cards)
{
    std::string text = "\xEF\xBB\xBF";
    for (const BingoCard& card : cards) {
        text += CardCodeText(card.code);
        for (const auto& row : card.cells) {
            for (const std::int16_t number : row) {
                text += ',' + std::to_string(number);
            }
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace palvo
