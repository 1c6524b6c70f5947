#include "app/audience_display.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cards/bingo_card.h"
#include "cards/card_view.h"
#include "platform/headless/memory_audience_window.h"
#include "tests/support/card_reading.h"
#include "tests/support/file_bytes.h"
#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

Pixel AsPixel(ColorTriple color)
{
    return Pixel{color.blue, color.green, color.red, 0};
}

const AudiencePalette kPalette = AudiencePalette::For(ColorTriple{0x00, 0x80, 0xFF});
const Pixel kNewestCellDigit = AsPixel(kPalette.newestDigit);
const Pixel kUncalledCellDigit = AsPixel(kPalette.uncalledDigit);

class AudienceDisplayGame : public GameFixture {
public:
    // The big number the players' window shows, read in `lit`.
    std::string AudienceNumber(std::int16_t rows, const Pixel& lit = kDigitPixel)
    {
        const AudienceLayout layout = LayOutAudience(audience.ClientWidth(), audience.ClientHeight(), rows);
        const DigitGeometry g{layout.digit.length, layout.digit.thickness, layout.digit.space};
        return ReadDigit(audience.Shown(), layout.tenX, layout.digitY, g, lit) +
               ReadDigit(audience.Shown(), layout.oneX, layout.digitY, g, lit);
    }

    // The ones digit of board cell `number` (1 ... 9) in `lit`.
    std::string AudienceCell(std::int16_t rows, std::int16_t number, const Pixel& lit)
    {
        const AudienceLayout layout = LayOutAudience(audience.ClientWidth(), audience.ClientHeight(), rows);
        const DigitShape& shape = layout.cellDigit;
        const PixelRect cell = layout.Cell(number);
        return ReadDigit(audience.Shown(), cell.x + (cell.width - shape.Width()) / 2,
                         cell.y + (cell.height - shape.Height()) / 2,
                         DigitGeometry{shape.length, shape.thickness, shape.space}, lit);
    }

    MemoryAudienceWindow audience{800, 600};
};

TEST_F(AudienceDisplayGame, FollowsRollsDrawsColourAndResetAndClosingItNeverTouchesTheGame)
{
    WriteIni({{"NumMax", "3"}, {"RhythmFast", "6"}, {"RhythmSlow", "2"}});
    window_ = std::make_unique<MainWindow>(view(), services());
    AudienceDisplay display(audience, window(), time(), std::string());
    window().AddListener(display);
    display.Toggle();
    EXPECT_FALSE(audience.IsOpen()) << "nothing to show before start-up";
    ASSERT_TRUE(window().FormLoad());

    display.Toggle();
    ASSERT_TRUE(audience.IsOpen());
    EXPECT_EQ(AudienceNumber(1), "  ") << "unlit digits before the first draw";
    EXPECT_EQ(AudienceCell(1, 2, kUncalledCellDigit), "2");

    std::vector<std::pair<std::string, std::string>> rolling;  // (players', operator's) mid-roll
    time().After(150, [&] { rolling.emplace_back(AudienceNumber(1), BigNumber()); });
    time().After(700, [&] { rolling.emplace_back(AudienceNumber(1), BigNumber()); });
    Start();
    ASSERT_EQ(rolling.size(), 2u);
    for (const auto& [players, operators] : rolling) {
        EXPECT_EQ(players, operators) << "rolls in step with the operator's display";
        EXPECT_NE(players, "  ");
    }
    const std::string first = BigNumber();
    EXPECT_EQ(AudienceNumber(1), first);
    const auto firstNumber = static_cast<std::int16_t>(std::stoi(first));
    EXPECT_EQ(AudienceCell(1, firstNumber, kNewestCellDigit), first.substr(1));

    // Closed by the players' window's own button: the game goes on, and opening again catches up.
    audience.UserCloses();
    Start();
    EXPECT_EQ(view().ListCount(Control::lstHistory), 2);
    display.Toggle();
    ASSERT_TRUE(audience.IsOpen());
    const std::string second = BigNumber();
    EXPECT_EQ(AudienceNumber(1), second);
    EXPECT_EQ(AudienceCell(1, firstNumber, kDigitPixel), first.substr(1)) << "called earlier: lit";

    // A number taken back goes dark again; the one before it is the newest once more.
    const auto secondNumber = static_cast<std::int16_t>(std::stoi(second));
    ASSERT_EQ(window().TakeBackNewest(), CallOutcome::Done);
    EXPECT_EQ(AudienceNumber(1), first);
    EXPECT_EQ(AudienceCell(1, secondNumber, kUncalledCellDigit), second.substr(1));
    EXPECT_EQ(AudienceCell(1, firstNumber, kNewestCellDigit), first.substr(1));
    ASSERT_EQ(window().EnterNumber(secondNumber, Rolling::No), CallOutcome::Done);
    EXPECT_EQ(AudienceNumber(1), second);

    // The largest window a system makes: the frame stays within its bound, enlarged by a whole
    // factor that covers the window, and still shows the game.
    audience.UserResizes(32767, 32767);
    const std::int32_t scale = audience.Scale();
    const PixelBuffer& huge = audience.Shown();
    EXPECT_LE(static_cast<std::int64_t>(huge.Width()) * huge.Height(), kMostAudienceFramePixels);
    EXPECT_GE(huge.Width() * scale, 32767);
    EXPECT_LT((huge.Width() - 1) * scale, 32767) << "no more frame than the window shows";
    EXPECT_GE(huge.Height() * scale, 32767);
    const AudienceLayout hugeLayout = LayOutAudience(huge.Width(), huge.Height(), 1);
    EXPECT_EQ(
        ReadDigit(huge, hugeLayout.oneX, hugeLayout.digitY,
                  DigitGeometry{hugeLayout.digit.length, hugeLayout.digit.thickness, hugeLayout.digit.space}),
        second.substr(1));

    audience.UserResizes(1280, 720);
    EXPECT_EQ(audience.Shown().Width(), 1280);
    EXPECT_EQ(audience.Scale(), 1);
    EXPECT_EQ(AudienceNumber(1), BigNumber());

    // A new colour shows at once; a new highest number at the next Reset.
    dialog().SetEdit([](CConfig& config) {
        config.SetNumColor(0x000000FF);
        config.SetNumMax(25);
    });
    view().ClickWithMouse(Control::cmdSetting);
    const Pixel red = AsPixel(AudiencePalette::For(ColorTriple{0, 0, 0xFF}).lit);
    EXPECT_EQ(AudienceNumber(1, red), second) << "the players keep the newest number over the idle display";
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    EXPECT_EQ(AudienceNumber(3, red), "  ");
    EXPECT_EQ(AudienceCell(3, firstNumber, kUncalledCellDigit), first.substr(1))
        << "a new game: nothing called";
    const AudienceLayout layout = LayOutAudience(1280, 720, 3);
    EXPECT_NE(audience.Shown().At(layout.Cell(25).x + 1, layout.Cell(25).y + 1),
              audience.Shown().At(layout.Cell(25).x + 1, layout.Cell(25).Bottom() + 2))
        << "the board has 25 cells";

    display.Toggle();
    EXPECT_FALSE(audience.IsOpen());
    EXPECT_EQ(view().ListCount(Control::lstHistory), 0);
}

// Plays three draws, a page back, a refused Reset and the close; returns every picture of the
// operator's window after each step and the settings file's bytes.
std::vector<PixelBuffer> PlayAndPhotograph(GameFixture& game, std::string& ini)
{
    std::vector<PixelBuffer> pictures;
    const auto photograph = [&] {
        pictures.push_back(game.BaseShown());
        for (int i = 0; i < 5; ++i) {
            pictures.push_back(game.CellShown(i));
        }
    };
    photograph();
    for (int i = 0; i < 6; ++i) {
        game.time().After(300, [&] { pictures.push_back(game.BaseShown()); });
        game.Start();
        photograph();
    }
    game.view().ClickWithMouse(Control::cmdHistBack);
    photograph();
    game.messages().QueueAnswer(MessageAnswer::No);
    game.view().ClickWithMouse(Control::cmdReset);
    photograph();
    game.view().RequestClose();
    ini = game.IniText();
    return pictures;
}

TEST_F(AudienceDisplayGame, OperatorWindowAndSettingsFileAreTheSameWithThePlayersWindowOpen)
{
    WriteIni({{"NumMax", "12"}, {"RhythmFast", "8"}, {"RhythmSlow", "2"}});
    ASSERT_TRUE(Load());
    std::string iniAlone;
    const std::vector<PixelBuffer> alone = PlayAndPhotograph(*this, iniAlone);

    WriteIni({{"NumMax", "12"}, {"RhythmFast", "8"}, {"RhythmSlow", "2"}});
    window_.reset();
    platform_ = std::make_unique<HeadlessPlatform>(directoryText_);
    RegisterPictures();
    ASSERT_TRUE(Load());
    AudienceDisplay display(audience, window(), time(), std::string());
    window().AddListener(display);
    display.Toggle();
    std::string iniWithAudience;
    const std::vector<PixelBuffer> withAudience = PlayAndPhotograph(*this, iniWithAudience);

    ASSERT_EQ(alone.size(), withAudience.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
        EXPECT_TRUE(alone[i] == withAudience[i]) << "picture " << i;
    }
    EXPECT_EQ(iniAlone, iniWithAudience);
    EXPECT_GT(audience.PresentCount(), 6 * 7) << "the players' window followed every rolling number";
}

// The bounding box of the pixels of `color` right of `fromX` and below `fromY`.
PixelRect BoxOf(const PixelBuffer& frame, const Pixel& color, std::int32_t fromX, std::int32_t fromY = 0)
{
    std::int32_t left = frame.Width(), top = frame.Height(), right = -1, bottom = -1;
    for (std::int32_t y = fromY; y < frame.Height(); ++y) {
        for (std::int32_t x = fromX; x < frame.Width(); ++x) {
            if (frame.At(x, y) == color) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? PixelRect{} : PixelRect{left, top, right - left + 1, bottom - top + 1};
}

TEST_F(AudienceDisplayGame, CardProofStaysTwentySecondsOrUntilTheNextKeyWhichStartsNothing)
{
    WriteIni({{"NumMax", "75"}, {"RhythmFast", "6"}, {"RhythmSlow", "2"}});
    window_ = std::make_unique<MainWindow>(view(), services());
    ASSERT_TRUE(window().FormLoad());
    AudienceDisplay display(audience, window(), time(), std::string());
    CardVerdict verdict;
    verdict.kind = CardVerdict::Kind::NotYet;
    verdict.card = CardMaker(SipKey{}).MakeSet(75, 0, 1).front();
    verdict.marked[2][2] = true;
    EXPECT_FALSE(display.ShowCardProof(verdict)) << "no hall to show it to while the window is closed";
    display.Toggle();
    Start();
    const PixelBuffer board = audience.Shown();
    const auto proofReads = [&] {
        const PixelBuffer& shown = audience.Shown();
        const CardViewGrid grid = CardViewGridIn(shown.Width(), shown.Height());
        const CardReader::IsInk ink = [&](std::int32_t x, std::int32_t y) {
            return x >= 0 && y >= 0 && x < shown.Width() && y < shown.Height() &&
                   shown.At(x, y) == AsPixel(CardViewColours::kUncalled);
        };
        int read = 0;
        for (int row = 0; row < kCardSide; ++row) {
            for (int column = 0; column < kCardSide; ++column) {
                const int number =
                    verdict.card->cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                const std::optional<int> cell = CardReader::ReadCell(ink, grid.left + column * grid.cell,
                                                                     grid.top + row * grid.cell, grid.cell);
                read += number != 0 && cell == number ? 1 : 0;
            }
        }
        return read;
    };

    for (const AudienceKey key : {AudienceKey::Start, AudienceKey::Other, AudienceKey::Layout}) {
        SCOPED_TRACE(static_cast<int>(key));
        time().Advance(1000);
        ASSERT_TRUE(display.ShowCardProof(verdict));
        EXPECT_EQ(proofReads(), 24) << "every number of the card, large enough to read";
        time().Advance(19000);
        audience.Wake();
        EXPECT_EQ(proofReads(), 24) << "still up just before twenty seconds";
        audience.UserPresses(key);
        EXPECT_TRUE(audience.Shown() == board) << "the board is back as it was";
        EXPECT_FALSE(display.InColumns()) << "the key only ended the proof";
        EXPECT_EQ(view().ListCount(Control::lstHistory), 1) << "and drew nothing";
    }
    ASSERT_TRUE(display.ShowCardProof(verdict));
    time().Advance(CardProof::kShownMilliseconds - 1);
    audience.Wake();
    EXPECT_EQ(proofReads(), 24);
    ASSERT_TRUE(audience.WakeAsked()) << "the window keeps looking at the clock";
    time().Advance(1);
    audience.Wake();
    EXPECT_TRUE(audience.Shown() == board) << "back after twenty seconds on the clock";
    audience.UserPresses(AudienceKey::Start);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 2) << "with the proof gone Start draws again";
}

TEST_F(AudienceDisplayGame, F8LaysTheBoardOutInTheCardsColumnsAndTheFileRemembersIt)
{
    WriteIni({{"NumMax", "75"}});
    window_ = std::make_unique<MainWindow>(view(), services());
    ASSERT_TRUE(window().FormLoad());
    ASSERT_EQ(window().EnterNumber(16, Rolling::No), CallOutcome::Done);
    ASSERT_EQ(window().EnterNumber(31, Rolling::No), CallOutcome::Done);
    audience.UserResizes(1280, 720);
    const PixelBuffer rowsOfTen = [&] {
        AudienceDisplay display(audience, window(), time(), directoryText_);
        display.Toggle();
        PixelBuffer shown = audience.Shown();
        audience.UserPresses(AudienceKey::Layout);
        EXPECT_TRUE(display.InColumns());
        display.Toggle();
        return shown;
    }();
    EXPECT_EQ(FileBytes(directory_ / std::string(AudienceDisplay::kFileName)), "[Audience]\r\nColumns=1\r\n");

    AudienceDisplay display(audience, window(), time(), directoryText_);
    EXPECT_TRUE(display.InColumns()) << "read back at the next start";
    std::vector<bool> told;  // what the phones would follow
    display.SetColumnsObserver([&told](bool inColumns) { told.push_back(inColumns); });
    display.Toggle();
    // 16 and 31 head the I and N rows: one above the other, 31 (the newest, lit below 16's lit
    // digits) a row lower. In rows of ten they stand five columns apart.
    const std::int32_t boardX = audience.Shown().Width() * 9 / 20;
    const PixelRect called = BoxOf(audience.Shown(), AsPixel(kPalette.calledFill), boardX);
    const PixelRect newest = BoxOf(audience.Shown(), AsPixel(kPalette.lit), boardX, called.Bottom());
    EXPECT_EQ(called.x, newest.x);
    EXPECT_EQ(called.width, newest.width);
    EXPECT_GT(newest.height, 0);
    EXPECT_LT(newest.y - called.y, 2 * called.height);
    const PixelRect calledInRows = BoxOf(rowsOfTen, AsPixel(kPalette.calledFill), boardX);
    const PixelRect newestInRows = BoxOf(rowsOfTen, AsPixel(kPalette.lit), boardX, calledInRows.Bottom());
    EXPECT_GT(calledInRows.x, newestInRows.x + 4 * calledInRows.width);

    audience.UserPresses(AudienceKey::Layout);
    EXPECT_TRUE(audience.Shown() == rowsOfTen) << "F8 again: the rows of ten as they were";
    EXPECT_EQ(told, std::vector<bool>{false});

    // A highest number without cards keeps the rows of ten.
    dialog().SetEdit([](CConfig& config) { config.SetNumMax(24); });
    view().ClickWithMouse(Control::cmdSetting);
    messages().QueueAnswer(MessageAnswer::Yes);
    view().ClickWithMouse(Control::cmdReset);
    const PixelBuffer rows24 = audience.Shown();
    audience.UserPresses(AudienceKey::Layout);
    EXPECT_FALSE(display.InColumns());
    EXPECT_TRUE(audience.Shown() == rows24);
    EXPECT_EQ(told, std::vector<bool>{false}) << "a refused switch is no switch";
}

}  // namespace
}  // namespace palvo::testing
