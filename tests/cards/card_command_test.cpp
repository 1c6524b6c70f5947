#include "cards/card_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cards/card_key.h"
#include "cards/card_page.h"
#include "platform/headless/fixed_entropy.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

TEST(CardCommandLine, ReadsWhatAPersonTypes)
{
    using Kind = CardCommandLine::Kind;
    using Output = CardPrintRequest::Output;
    struct Case {
        std::vector<std::string> arguments;
        Kind kind;
        int count = 0;
        std::optional<std::int16_t> numMax = std::nullopt;
        int set = 0;
        Output output = Output::Csv;
    };
    const std::vector<Case> cases = {
        {{}, Kind::NotCards},
        {{"--something"}, Kind::NotCards},
        {{"--cards", "40", "--max", "75", "--csv", "c.csv"}, Kind::Request, 40, 75, 0, Output::Csv},
        {{"--pdf", "c.pdf", "--cards", "10000"}, Kind::Request, 10000, std::nullopt, 0, Output::Pdf},
        {{"--cards", "4", "--set", "k", "--csv", "c.csv"}, Kind::Request, 4, std::nullopt, 7, Output::Csv},
        {{"--cards", "0", "--csv", "c.csv"}, Kind::Invalid},
        {{"--cards", "10001", "--csv", "c.csv"}, Kind::Invalid},
        {{"--cards", "4x", "--csv", "c.csv"}, Kind::Invalid},
        {{"--cards", "4", "--max", "24", "--csv", "c.csv"}, Kind::Invalid},
        {{"--cards", "4", "--max", "100", "--csv", "c.csv"}, Kind::Invalid},
        {{"--cards", "4", "--set", "O", "--csv", "c.csv"}, Kind::Invalid},  // not a letter of the codes
        {{"--cards", "4"}, Kind::Invalid},
        {{"--cards", "4", "--csv", "a", "--pdf", "b"}, Kind::Invalid},
        {{"--cards", "4", "--csv"}, Kind::Invalid},
        {{"--cards", "4", "--colour", "red", "--csv", "c.csv"}, Kind::Invalid},
    };
    for (const Case& c : cases) {
        const CardCommandLine line = ParseCardCommandLine(c.arguments);
        std::string shown;
        for (const std::string& argument : c.arguments) {
            shown += argument + " ";
        }
        ASSERT_EQ(line.kind, c.kind) << shown;
        if (c.kind == Kind::Invalid) {
            EXPECT_FALSE(line.problem.empty()) << shown;
        }
        if (c.kind != Kind::Request) {
            continue;
        }
        EXPECT_EQ(line.request.count, c.count) << shown;
        EXPECT_EQ(line.request.numMax, c.numMax) << shown;
        EXPECT_EQ(line.request.set, c.set) << shown;
        EXPECT_EQ(line.request.output, c.output) << shown;
    }
}

TEST(RunCardCommand, WritesTheCardsOfTheKeyForTheCurrentHighestNumber)
{
    TemporaryFolder folder("palvo_card_command");
    FixedEntropy entropy(5);
    CardPrintRequest request;
    request.count = 3;
    request.path = (folder.Path() / "cards.csv").string();
    const CardCommandResult result = RunCardCommand(request, folder.Path(), 90, entropy, nullptr);
    EXPECT_EQ(result.exitCode, 0) << result.message;
    const CardKeyReading key = ReadOrCreateCardKey(folder.Path(), entropy);
    ASSERT_EQ(key.outcome, CardKeyReading::Outcome::Read);
    EXPECT_EQ(FileBytes(request.path), CardsCsv(CardMaker(key.key).MakeSet(90, 0, 3)));

    // What stops it: no cards for this highest number, a PDF where the platform writes none, a damaged key.
    EXPECT_EQ(RunCardCommand(request, folder.Path(), 24, entropy, nullptr).exitCode, 1);
    request.output = CardPrintRequest::Output::Pdf;
    EXPECT_EQ(RunCardCommand(request, folder.Path(), 75, entropy, nullptr).exitCode, 1);
    request.output = CardPrintRequest::Output::Csv;
    std::ofstream(folder.Path() / kCardKeyName, std::ios::binary | std::ios::trunc) << "x";
    const CardCommandResult damaged = RunCardCommand(request, folder.Path(), 75, entropy, nullptr);
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.message.find("palvo-cards.key"), std::string::npos);
    EXPECT_EQ(FileBytes(folder.Path() / kCardKeyName), "x");
}

}  // namespace
}  // namespace palvo
