// `palvo --cards` from the command line, as a person runs it: the PDF's pages turned into
// pictures by poppler's pdftoppm, and the numbers read off those pixels agree with the CSV the
// program writes for the same cards.

#include <gtest/gtest.h>

#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "cards/bingo_card.h"
#include "cards/card_page.h"
#include "platform/qt/qt_card_printer.h"
#include "tests/qt/qt_test_application.h"
#include "tests/support/card_reading.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct GreyPicture {
    int width = 0;
    int height = 0;
    std::string pixels;
};

// A binary PGM as pdftoppm -gray writes it.
GreyPicture ReadPgm(const fs::path& path)
{
    std::istringstream in(FileBytes(path));
    std::string magic;
    int maximum = 0;
    GreyPicture picture;
    in >> magic >> picture.width >> picture.height >> maximum;
    in.get();
    picture.pixels.assign(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(magic, "P5");
    EXPECT_EQ(picture.pixels.size(),
              static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    return picture;
}

// The PDF's pages as pictures (pdftoppm at 300 dpi) read as `cards` say, four to a page.
void ExpectPagesReadAs(const fs::path& folder, const std::string& pdf,
                       const std::vector<std::vector<int>>& cards)
{
    ASSERT_EQ(std::system(("pdftoppm -r 300 -gray " + pdf + " " + (folder / "page").string()).c_str()), 0);
    const int pages = static_cast<int>((cards.size() + kCardsPerPage - 1) / kCardsPerPage);
    ASSERT_FALSE(fs::exists(folder / ("page-" + std::to_string(pages + 1) + ".pgm"))) << "a page too many";
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        const GreyPicture page = ReadPgm(folder / ("page-" + std::to_string(pageIndex + 1) + ".pgm"));
        ASSERT_NEAR(page.width, kCardPageWidth, 2);
        ASSERT_NEAR(page.height, kCardPageHeight, 2);
        const CardReader::IsInk ink = [&page](std::int32_t x, std::int32_t y) {
            return x >= 0 && y >= 0 && x < page.width && y < page.height &&
                   static_cast<unsigned char>(page.pixels[static_cast<std::size_t>(y) * page.width + x]) <
                       128;
        };
        for (int slot = 0; slot < kCardsPerPage; ++slot) {
            const std::size_t card = static_cast<std::size_t>(pageIndex * kCardsPerPage + slot);
            const CardGridPlace grid = CardGridOnPage(slot);
            for (int cell = 0; cell < 25; ++cell) {
                const std::optional<int> read = CardReader::ReadCell(
                    ink, grid.left + cell % 5 * grid.cell, grid.top + cell / 5 * grid.cell, grid.cell);
                if (card >= cards.size()) {
                    EXPECT_FALSE(read) << "an empty place on the last page";
                } else if (cards[card][static_cast<std::size_t>(cell)] == 0) {
                    EXPECT_FALSE(read) << "the free centre";
                } else {
                    EXPECT_EQ(read, cards[card][static_cast<std::size_t>(cell)])
                        << "card " << card << " cell " << cell;
                }
            }
        }
    }
}

TEST(CardCommandLine, PdfPagesReadBackAsTheCsvSays)
{
    if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: scripts/install-deps.sh installs it";
    }
    TemporaryFolder folder("palvo_card_pdf");
    fs::copy_file(PALVO_PROGRAM, folder.Path() / "palvo");
    const std::string program = (folder.Path() / "palvo").string();
    const std::string csv = (folder.Path() / "cards.csv").string();
    const std::string pdf = (folder.Path() / "cards.pdf").string();
    // Six cards: a full page and a page with two cards and two empty places.
    ASSERT_EQ(std::system((program + " --cards 6 --max 75 --csv " + csv + " 2>/dev/null").c_str()), 0);
    ASSERT_EQ(std::system((program + " --cards 6 --max 75 --pdf " + pdf + " 2>/dev/null").c_str()), 0);
    ASSERT_TRUE(fs::exists(folder.Path() / "palvo-cards.key")) << "the key is made beside the program";

    std::istringstream rows(FileBytes(csv).substr(3));
    std::vector<std::vector<int>> cards;
    for (std::string row; std::getline(rows, row);) {
        std::istringstream fields(row);
        std::string field;
        std::getline(fields, field, ',');
        ASSERT_TRUE(ParseCardCode(field)) << field;
        std::vector<int> cells;
        while (std::getline(fields, field, ',')) {
            cells.push_back(std::stoi(field));
        }
        ASSERT_EQ(cells.size(), 25u);
        cards.push_back(cells);
    }
    ASSERT_EQ(cards.size(), 6u);
    ExpectPagesReadAs(folder.Path(), pdf, cards);
}

// The print dialog's path, printing to a PDF file: the same pages through QPrinter.
TEST(QtCardPrinter, PrintsToAPdfFileThatReadsBack)
{
    if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: scripts/install-deps.sh installs it";
    }
    TestApplication();
    TemporaryFolder folder("palvo_card_printer");
    SipKey key{};
    key[7] = 3;
    const std::vector<BingoCard> made = CardMaker(key).MakeSet(90, 2, 5);
    const std::string pdf = (folder.Path() / "printed.pdf").string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setResolution(300);
    ASSERT_TRUE(QtCardPrinter::PrintTo(printer, 2, [&made](int page) {
        const std::size_t first = static_cast<std::size_t>(page) * kCardsPerPage;
        return ComposeCardPage(
            std::span(made).subspan(first, std::min<std::size_t>(kCardsPerPage, made.size() - first)));
    }));
    std::vector<std::vector<int>> cards;
    for (const BingoCard& card : made) {
        std::vector<int> cells;
        for (const auto& row : card.cells) {
            cells.insert(cells.end(), row.begin(), row.end());
        }
        cards.push_back(cells);
    }
    ExpectPagesReadAs(folder.Path(), pdf, cards);
}

}  // namespace
}  // namespace palvo
