#include "app/auxiliary_controls.h"

#include <gtest/gtest.h>

#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

class AuxiliaryControlsTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
        ASSERT_TRUE(Load());
    }
};

TEST_F(AuxiliaryControlsTest, TimerCountsToNinetyNineAndStartsAgainAtOne)
{
    EXPECT_FALSE(view().FireTimer(Control::Timer1)) << "off after start-up";
    view().Click(Control::Command1);
    std::vector<std::string> shown;
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(view().FireTimer(Control::Timer1));
        shown.push_back(view().Text(Control::txtNum));
    }
    EXPECT_EQ(shown[0], "01");
    EXPECT_EQ(shown[8], "09");
    EXPECT_EQ(shown[9], "10");
    EXPECT_EQ(shown[98], "99");
    EXPECT_EQ(shown[99], "01");
    view().Click(Control::Command3);
    EXPECT_FALSE(view().FireTimer(Control::Timer1));
}

TEST_F(AuxiliaryControlsTest, TimerTicksDuringASequence)
{
    view().Click(Control::Command1);
    for (std::uint32_t at = 100; at < 600; at += 100) {
        time().After(at, [this] { view().FireTimer(Control::Timer1); });
    }
    Start();
    EXPECT_EQ(view().Text(Control::txtNum), "05");
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1);
}

TEST_F(AuxiliaryControlsTest, BlankingAndProbeLeaveTheGameAlone)
{
    Start();
    const std::string drawn = BigNumber();
    const std::string cell = CellNumber(0);
    view().Click(Control::Command2);
    EXPECT_EQ(BigNumber(), "  ");
    EXPECT_EQ(CellNumber(0), cell);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1);

    view().SetText(Control::lbTime, "");
    view().Click(Control::Command4);
    EXPECT_EQ(BigNumber(), "88");
    EXPECT_EQ(CellNumber(0), "66");
    EXPECT_EQ(Label(0), "1");
    EXPECT_EQ(view().Text(Control::lbTime), "0 msec");
    EXPECT_EQ(view().ListCount(Control::lstHistory), 1);
}

TEST_F(AuxiliaryControlsTest, PictureSmallerThanTheDisplayStillTakesEveryBar)
{
    // A picture this small once left no room for the bars; the display image is never smaller
    // than 800 x 600 now, so every bar is placed and the draw is timed.
    dialog().SetEdit([&](CConfig& config) { config.SetBackGroundImageFile(AppPath("bg/tiny.bmp")); });
    view().RegisterPicture(AppPath("bg/tiny.bmp"), Background(300, 100));
    view().SetText(Control::lbTime, "kept");
    const int paints = view().Surface(Control::picBase)->RefreshCount();
    view().ClickWithMouse(Control::cmdSetting);
    EXPECT_EQ(view().Text(Control::lbTime), "0 msec");
    EXPECT_GT(view().Surface(Control::picBase)->RefreshCount(), paints);
    EXPECT_EQ(BigNumber(), "88");
}

TEST(AuxiliaryControlsFormat, TwoDigits)
{
    EXPECT_EQ(AuxiliaryControls::TwoDigits(0), "00");
    EXPECT_EQ(AuxiliaryControls::TwoDigits(7), "07");
    EXPECT_EQ(AuxiliaryControls::TwoDigits(42), "42");
    EXPECT_EQ(AuxiliaryControls::TwoDigits(100), "100");
}

}  // namespace
}  // namespace palvo::testing
