#include "app/audience_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/memory_audience_window.h"
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
    AudienceDisplay display(audience, window());
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
    AudienceDisplay display(audience, window());
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

}  // namespace
}  // namespace palvo::testing
