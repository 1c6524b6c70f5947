#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "cards/bingo_card.h"
#include "platform/pixel_buffer.h"

namespace palvo {

// A4 portrait at 300 dots per inch, four cards to a page (two across, two down), cut lines
// between them.
inline constexpr std::int32_t kCardPageWidth = 2480;
inline constexpr std::int32_t kCardPageHeight = 3508;
inline constexpr int kCardsPerPage = 4;

// Where the cells of the card in `slot` (0 top left, 1 top right, 2 bottom left, 3 bottom right)
// lie on the page: the top-left corner of the grid and the side of a cell, in pixels.
struct CardGridPlace {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t cell = 0;
};
CardGridPlace CardGridOnPage(int slot);

// The page of up to four cards, in black on white: B I N G O over the columns, the numbers in
// seven-segment digits, FREE in the centre, the code under each card. Cards beyond the fourth
// are left out.
PixelBuffer ComposeCardPage(std::span<const BingoCard> cards);

// The cards as a spreadsheet file: a byte order mark, then one row per card: the code, then the
// 25 cells left to right, top to bottom, the free centre as 0.
std::string CardsCsv(std::span<const BingoCard> cards);

}  // namespace palvo
