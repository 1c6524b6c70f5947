#include "web/installation_cards.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cards/card_command.h"
#include "cards/card_key.h"
#include "platform/headless/fixed_entropy.h"
#include "tests/support/temporary_folder.h"
#include "web/web_exchange.h"

namespace palvo {
namespace {

// Prints `count` cards for `numMax` as the command line does and returns the CSV's rows, each
// split at its commas: the code, then the 25 cells.
std::vector<std::vector<std::string>> PrintedRows(const std::filesystem::path& folder, int count,
                                                  std::int16_t numMax, FixedEntropy& entropy)
{
    CardPrintRequest request;
    request.count = count;
    request.numMax = numMax;
    request.set = 3;
    request.path = (folder / ("cards" + std::to_string(numMax) + ".csv")).string();
    EXPECT_EQ(RunCardCommand(request, folder, 75, entropy, nullptr).exitCode, 0);
    std::ifstream in(request.path, std::ios::binary);
    in.ignore(3);  // the BOM
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line, '\n');) {
        std::istringstream cells(line.substr(0, line.size() - 1));  // without its CR
        rows.emplace_back();
        for (std::string field; std::getline(cells, field, ',');) {
            rows.back().push_back(field);
        }
    }
    return rows;
}

WebResponse Ask(const std::string& target, const GameStatePublisher& game, const CardLookup& cards)
{
    return Respond(WebRequest{"GET", target, std::nullopt, false}, WebState{game.Snapshot(), false, 1},
                   &cards);
}

// The phones' /card/CODE answers every printed card with the cells the CSV holds (a free centre
// as null), and nothing for codes the installation did not print
// for this game.
TEST(InstallationCards, APrintedCodeAnswersItsCellsAndNothingElseDoes)
{
    TemporaryFolder folder("palvo_installation_cards");
    FixedEntropy entropy(7);
    GameStatePublisher game;
    DrawRecord record;
    record.Create(75);
    game.OnGameReset(record);
    const InstallationCards cards(game, folder.Path());

    const std::string someCode = "KT7QX-0137";
    EXPECT_EQ(Ask("/card/" + someCode, game, cards).status, 404) << "no key yet";
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / kCardKeyName)) << "a question never makes the key";

    const std::vector<std::vector<std::string>> rows = PrintedRows(folder.Path(), 40, 75, entropy);
    ASSERT_EQ(rows.size(), 40u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 26u);
        std::string expected = "{\"code\":\"" + row[0] + "\",\"columns\":5,\"rows\":5,\"cells\":[";
        for (std::size_t i = 1; i < row.size(); ++i) {
            expected += (i > 1 ? "," : "") + (row[i] == "0" ? std::string("null") : row[i]);
        }
        expected += "]}";
        const WebResponse answer = Ask("/card/" + row[0], game, cards);
        EXPECT_EQ(answer.status, 200) << row[0];
        EXPECT_EQ(answer.body, expected);
    }

    // One character changed, the next serial after the last printed one's tag, a card of 90.
    std::string changed = rows[5][0];
    changed[2] = changed[2] == 'A' ? 'C' : 'A';
    std::string otherSerial = rows[39][0];
    otherSerial.back() = otherSerial.back() == '9' ? '8' : '9';
    const std::vector<std::vector<std::string>> ninety = PrintedRows(folder.Path(), 2, 90, entropy);
    for (const std::string& code : {changed, otherSerial, ninety[0][0], someCode}) {
        EXPECT_EQ(Ask("/card/" + code, game, cards).status, 404) << code;
    }

    // The same card answers once the hall plays for 90.
    record.Create(90);
    game.OnGameReset(record);
    EXPECT_EQ(Ask("/card/" + ninety[0][0], game, cards).status, 200);
    EXPECT_EQ(Ask("/card/" + rows[0][0], game, cards).status, 404);
}

}  // namespace
}  // namespace palvo
