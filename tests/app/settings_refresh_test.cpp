#include "app/settings_refresh.h"

#include <gtest/gtest.h>

#include "tests/support/game_fixture.h"

namespace palvo::testing {
namespace {

using Strings = std::vector<std::string>;

class SettingsRefreshTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        WriteIni({{"RhythmFast", "5"}, {"RhythmSlow", "1"}});
        ASSERT_TRUE(Load());
    }

    void Draw(int count)
    {
        for (int i = 0; i < count; ++i) {
            Start();
        }
    }

    void OpenSettings() { ASSERT_TRUE(view().ClickWithMouse(Control::cmdSetting)); }
};

TEST_F(SettingsRefreshTest, NothingDrawnLeavesTheCellsAlone)
{
    std::vector<int> paints;
    for (int i = 0; i < 5; ++i) {
        paints.push_back(view().Surface(ControlId(Control::picHistNum, i))->RefreshCount());
    }
    view().ClickWithMouse(Control::Command2);
    EXPECT_EQ(BigNumber(), "  ");
    OpenSettings();
    EXPECT_EQ(dialog().Runs(), 1);
    EXPECT_EQ(BigNumber(), "88");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(view().Surface(ControlId(Control::picHistNum, i))->RefreshCount(),
                  paints[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(Labels(), Strings(5, ""));
    EXPECT_TRUE(messages().Messages().empty());
}

TEST_F(SettingsRefreshTest, ThreeDrawnRepaintsThemAndTheIdleDisplay)
{
    Draw(3);
    const Strings cells = Cells();
    OpenSettings();
    EXPECT_EQ(BigNumber(), "88");
    EXPECT_EQ(Cells(), cells);
    EXPECT_EQ(Labels(), (Strings{"3", "2", "1", "", ""}));
    EXPECT_EQ(view().ListCount(Control::lstHistory), 3) << "the record is untouched";
}

TEST_F(SettingsRefreshTest, APagedBoardReturnsToTheNewestWithItsLabels)
{
    Draw(8);
    const Strings newest = Cells();
    view().ClickWithMouse(Control::cmdHistBack);
    view().ClickWithMouse(Control::cmdHistBack);
    ASSERT_EQ(Labels(), (Strings{"6", "5", "4", "3", "2"}));
    OpenSettings();
    EXPECT_EQ(Cells(), newest);
    EXPECT_EQ(Labels(), (Strings{"8", "7", "6", "5", "4"}));
    const Strings labels = Labels();
    view().ClickWithMouse(Control::cmdHistForward);
    EXPECT_EQ(Labels(), labels) << "the view is the newest one";
    view().ClickWithMouse(Control::cmdHistBack);
    EXPECT_EQ(Labels(), (Strings{"7", "6", "5", "4", "3"}));
}

TEST_F(SettingsRefreshTest, NewColourSizeAndBackgroundApply)
{
    Draw(2);
    const Pixel red{0, 0, 0xFF, 0};
    dialog().SetEdit([&](CConfig& config) {
        config.SetNumColor(0x000000FF);
        config.SetBackGroundImageFile(AppPath("bg/other.bmp"));
    });
    view().RegisterPicture(AppPath("bg/other.bmp"), Background(800, 600, 0x90));
    const Strings cells = Cells();
    OpenSettings();
    EXPECT_EQ(ReadBigNumber(BaseShown(), red), "88");
    EXPECT_EQ(BaseShown().At(5, 5).blue, 0x90) << "the new background";
    EXPECT_EQ(ReadCellNumber(CellShown(0), red), cells[0]);
    EXPECT_EQ(ReadCellNumber(CellShown(1), red), cells[1]);

    dialog().SetEdit([](CConfig& config) { config.SetNumSizeIndex(0); });
    OpenSettings();
    const DigitGeometry small{92, 18, 2};
    // Size 0 at the centre: "Ten" at (283, 170), "One" at (403, 170).
    EXPECT_EQ(ReadDigit(BaseShown(), 283, 170, small, red) + ReadDigit(BaseShown(), 403, 170, small, red),
              "88");
}

TEST_F(SettingsRefreshTest, AFailingStepWarnsAndTheOthersStillRun)
{
    Draw(1);
    dialog().SetEdit([&](CConfig& config) {
        config.SetBackGroundImageFile(AppPath("bg/missing.jpg"));
        config.SetNumColor(0x00FF0000);
    });
    OpenSettings();
    ASSERT_EQ(messages().Messages().size(), 1u);
    EXPECT_EQ(messages().Messages()[0].text, "背景画像の取得ができませんでした。");
    EXPECT_EQ(messages().Messages()[0].style, MessageStyle::Warning);
    const Pixel blue{0xFF, 0, 0, 0};
    EXPECT_EQ(ReadBigNumber(BaseShown(), blue), "88") << "the old background with the new colour";
    EXPECT_EQ(BaseShown().At(5, 5).blue, 0x40);
    EXPECT_NE(ReadCellNumber(CellShown(0), blue), "  ");
    Draw(1);
    EXPECT_EQ(view().ListCount(Control::lstHistory), 2) << "the game goes on";
}

}  // namespace
}  // namespace palvo::testing
