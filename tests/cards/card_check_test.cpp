#include "cards/card_check.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <vector>

#include "cards/card_key.h"
#include "cards/card_view.h"
#include "platform/headless/fixed_entropy.h"
#include "tests/support/card_reading.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temporary_folder.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

struct RecordingCheckView : CardCheckView {
    void ShowVerdict(const CardVerdict& verdict, const std::string& text, const PixelBuffer& picture) override
    {
        verdicts.push_back(verdict);
        texts.push_back(text);
        pictures.push_back(picture);
    }
    void ShowProblem(std::string_view text) override { problems.emplace_back(text); }

    std::vector<CardVerdict> verdicts;
    std::vector<std::string> texts;
    std::vector<PixelBuffer> pictures;
    std::vector<std::string> problems;
};

constexpr ColorTriple kAmber{0, 180, 255};

// The operator's path: the key made at the first check, a card printed from it, the game moving
// on, the code typed as a person types it, the view, and a row in the record of claims.
TEST(CardCheck, ChecksTypedCodesAgainstTheGameAndRecordsEachClaim)
{
    TemporaryFolder folder("palvo_card_check");
    FixedEntropy entropy(42);
    RecordingCheckView view;
    GameStatePublisher game;
    DrawRecord record;
    record.Create(75);
    game.OnGameReset(record);
    CardCheck check(view, game, folder.Path(), entropy);

    check.Check("not a code", "2026-12-07 20:00:00", 500, 560, kAmber);
    std::vector<CardCode> shownToHall;
    bool hallOpen = true;
    const HallProof hall = [&](const CardVerdict& verdict) {
        shownToHall.push_back(verdict.card->code);
        return hallOpen;
    };
    EXPECT_EQ(check.ShowHall(hall), texts::kCardProofNoCard) << "a mistyped code is no card to show";
    const CardKeyReading key = ReadOrCreateCardKey(folder.Path(), entropy);
    ASSERT_EQ(key.outcome, CardKeyReading::Outcome::Read) << "the first check made the key";
    const BingoCard card = *CardMaker(key.key).MakeCard(75, 0, 12);
    for (int column = 0; column < kCardSide; ++column) {  // the top row
        record.Append(card.cells[0][static_cast<std::size_t>(column)]);
        game.OnNumberDrawn(record);
    }
    std::string typed = CardCodeText(card.code);
    typed.erase(5, 1);
    for (char& c : typed) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    check.Check(typed, "2026-12-07 20:01:00", 500, 560, kAmber);

    ASSERT_EQ(view.verdicts.size(), 2u);
    EXPECT_EQ(view.verdicts[0].kind, CardVerdict::Kind::Mistyped);
    EXPECT_TRUE(view.pictures[0].Empty());
    EXPECT_EQ(view.verdicts[1].kind, CardVerdict::Kind::Bingo);
    EXPECT_EQ(view.verdicts[1].lines, (std::vector<CardLine>{{CardLine::Kind::Row, 0}}));
    EXPECT_NE(view.texts[1].find("5 個目の " + std::to_string(card.cells[0][4]) + " で成立"),
              std::string::npos)
        << view.texts[1];
    EXPECT_TRUE(view.problems.empty());
    ASSERT_TRUE(check.Last());

    // The hall is shown the card just checked; a closed display is said, not passed over.
    EXPECT_EQ(check.ShowHall(hall), std::string_view());
    hallOpen = false;
    EXPECT_EQ(check.ShowHall(hall), texts::kCardProofNoHall);
    EXPECT_EQ(shownToHall, (std::vector<CardCode>{card.code, card.code}));

    // The picture: every number reads back, in the digit colour exactly where it was called, and
    // the completed top row is struck through between its cells.
    const PixelBuffer& picture = view.pictures[1];
    ASSERT_EQ(picture.Width(), 500);
    const CardViewGrid grid = CardViewGridIn(500, 560);
    for (int row = 0; row < kCardSide; ++row) {
        for (int column = 0; column < kCardSide; ++column) {
            const bool called = row == 0 || (row == 2 && column == 2);
            const ColorTriple expected = called ? kAmber : CardViewColours::kUncalled;
            const CardReader::IsInk ink = [&](std::int32_t x, std::int32_t y) {
                if (x < 0 || y < 0 || x >= picture.Width() || y >= picture.Height()) {
                    return false;
                }
                const Pixel& p = picture.At(x, y);
                return ColorTriple{p.blue, p.green, p.red} == expected;
            };
            const std::int32_t left = grid.left + column * grid.cell;
            const std::int32_t top = grid.top + row * grid.cell;
            const int number = card.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (number != 0 && row != 0) {
                EXPECT_EQ(CardReader::ReadCell(ink, left, top, grid.cell), number) << row << "," << column;
            }
            const Pixel& between =
                picture.At(left, top + grid.cell / 2);  // on the grid line at the cell's left
            const bool struck = between == Pixel{255, 255, 255, 0};
            EXPECT_EQ(struck, row == 0) << row << "," << column;
        }
    }

    const std::string bytes = FileBytes(folder.Path() / ClaimRecord::kName);
    EXPECT_NE(bytes.find("2026-12-07 20:00:00,\"not a code\",入力誤り,0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("2026-12-07 20:01:00," + CardCodeText(card.code) + ",ビンゴ,5\r\n"),
              std::string::npos);
}

// Sizes at and beyond the edges: nothing is drawn outside the picture (the sanitizer build
// watches), and a size too small for a card gives no picture.
TEST(CardView, AnySizeStaysInsideItsPicture)
{
    CardVerdict verdict =
        JudgeCard({CardMaker::Lookup::Kind::Card, CardMaker(SipKey{}).MakeCard(99, 0, 0)}, GameState{});
    verdict.lines = {{CardLine::Kind::RisingDiagonal, 0}, {CardLine::Kind::Row, 4}};
    for (const auto& [width, height] : std::vector<std::array<std::int32_t, 2>>{
             {50, 60}, {2000, 80}, {80, 2000}, {1920, 1080}, {49, 60}, {50, 59}}) {
        const PixelBuffer view = ComposeCardView(verdict, width, height, kAmber);
        const bool fits = width >= 50 && height >= 60;
        EXPECT_EQ(view.Empty(), !fits) << width << " x " << height;
        if (fits) {
            EXPECT_EQ(view.Width(), width);
            EXPECT_EQ(view.Height(), height);
        }
    }
}

TEST(CardCheck, ADamagedKeyStopsTheChecksAndStays)
{
    TemporaryFolder folder("palvo_card_check_key");
    std::ofstream(folder.Path() / kCardKeyName, std::ios::binary) << "damaged";
    FixedEntropy entropy(1);
    RecordingCheckView view;
    GameStatePublisher game;
    CardCheck check(view, game, folder.Path(), entropy);
    check.Check("AAAAA-0000", "2026-12-07 20:00:00", 500, 560, kAmber);
    EXPECT_TRUE(view.verdicts.empty());
    ASSERT_EQ(view.problems.size(), 1u);
    EXPECT_NE(view.problems[0].find("palvo-cards.key"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / ClaimRecord::kName));
}

TEST(CardProof, ShownForTwentySecondsOrUntilTheNextKey)
{
    CardVerdict verdict;
    verdict.kind = CardVerdict::Kind::Bingo;
    verdict.card = BingoCard{};
    CardProof proof;
    const std::uint32_t start = 0xFFFFF000u;  // the tick count wraps while the card is up
    proof.Show(verdict, start);
    EXPECT_NE(proof.Shown(start + 19999), nullptr);
    EXPECT_EQ(proof.Shown(start + 20000), nullptr);
    proof.Show(verdict, 100);
    EXPECT_TRUE(proof.OnKey());
    EXPECT_EQ(proof.Shown(101), nullptr);
    EXPECT_FALSE(proof.OnKey());
    proof.Show(CardVerdict{}, 200);  // no card: nothing to show the hall
    EXPECT_EQ(proof.Shown(201), nullptr);
}

}  // namespace
}  // namespace palvo
