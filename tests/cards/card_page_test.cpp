#include "cards/card_page.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "imaging/bmp_file.h"
#include "tests/support/card_reading.h"

namespace palvo {
namespace {

SipKey PageKey()
{
    SipKey key{};
    key[0] = 0x5a;
    key[15] = 0xa5;
    return key;
}

bool Dark(const Pixel& pixel)
{
    return pixel.red + pixel.green + pixel.blue < 3 * 128;
}

// Every number of every card reads back off the page, in its cell.
TEST(CardPage, NumbersReadBackFromThePixels)
{
    const CardMaker maker(PageKey());
    for (const std::int16_t numMax : {std::int16_t{75}, std::int16_t{99}, std::int16_t{25}}) {
        const std::vector<BingoCard> cards = maker.MakeSet(numMax, 0, 4);
        const PixelBuffer page = ComposeCardPage(cards);
        ASSERT_EQ(page.Width(), kCardPageWidth);
        ASSERT_EQ(page.Height(), kCardPageHeight);
        const CardReader::IsInk ink = [&page](std::int32_t x, std::int32_t y) {
            return x >= 0 && y >= 0 && x < page.Width() && y < page.Height() && Dark(page.At(x, y));
        };
        for (int slot = 0; slot < kCardsPerPage; ++slot) {
            const CardGridPlace grid = CardGridOnPage(slot);
            for (int row = 0; row < kCardSide; ++row) {
                for (int column = 0; column < kCardSide; ++column) {
                    const std::optional<int> read = CardReader::ReadCell(
                        ink, grid.left + column * grid.cell, grid.top + row * grid.cell, grid.cell);
                    const int expected =
                        cards[static_cast<std::size_t>(slot)]
                            .cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                    if (expected == 0) {
                        EXPECT_FALSE(read) << "the free centre holds letters, not a number";
                    } else {
                        EXPECT_EQ(read, expected)
                            << numMax << " card " << slot << " cell " << row << "," << column;
                    }
                }
            }
        }
    }
    // Seen by a person with PALVO_CARD_PAGE_BMP=path.
    if (const char* path = std::getenv("PALVO_CARD_PAGE_BMP")) {
        const PixelBuffer page = ComposeCardPage(CardMaker(PageKey()).MakeSet(75, 0, 3));
        EXPECT_EQ(WriteBmp24File(path, page), BmpFileResult::Ok);
    }
}

TEST(CardPage, CsvHoldsTheCodeThenTheCellsRowByRow)
{
    BingoCard card;
    card.code = {1, 2, 3};
    for (int row = 0; row < kCardSide; ++row) {
        for (int column = 0; column < kCardSide; ++column) {
            card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                static_cast<std::int16_t>(10 * row + column + 1);
        }
    }
    card.cells[2][2] = 0;
    const std::vector<BingoCard> cards = {card, card};
    const std::string row =
        CardCodeText(card.code) + ",1,2,3,4,5,11,12,13,14,15,21,22,0,24,25,31,32,33,34,35,41,42,43,44,45\r\n";
    EXPECT_EQ(CardsCsv(cards), "\xEF\xBB\xBF" + row + row);
}

}  // namespace
}  // namespace palvo
