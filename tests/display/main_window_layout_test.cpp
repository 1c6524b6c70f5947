#include "display/main_window_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace palvo {
namespace {

struct Placement {
    ControlId id;
    std::optional<ControlId> parent;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
};

void ExpectPlacements(const WindowLayout& layout, std::initializer_list<Placement> placements)
{
    for (const Placement& p : placements) {
        const ControlLayout* control = layout.Find(p.id);
        ASSERT_NE(control, nullptr) << p.id;
        EXPECT_EQ(control->parent, p.parent) << p.id;
        EXPECT_EQ(control->x, p.x) << p.id;
        EXPECT_EQ(control->y, p.y) << p.id;
        EXPECT_EQ(control->width, p.width) << p.id;
        EXPECT_EQ(control->height, p.height) << p.id;
    }
}

TEST(Layout, PixelPlacesAtNinetySixDpi)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    EXPECT_EQ(layout.outerWidth, 800);
    EXPECT_EQ(layout.outerHeight, 630);
    EXPECT_EQ(layout.backColor, 0x00404040);
    EXPECT_EQ(layout.caption, "PALVO  ~パルボ~");
    ExpectPlacements(layout,
                     {
                         {Control::picBase, std::nullopt, 0, 0, 800, 600},
                         {Control::cmdStart, std::nullopt, 643, 461, 137, 125},
                         {Control::picHist, std::nullopt, 16, 507, 621, 79},
                         {Control::cmdHistBack, Control::picHist, 0, 0, 49, 75},
                         {ControlId(Control::picHistNum, 0), Control::picHist, 48, 0, 77, 61},
                         {ControlId(Control::picHistNum, 1), Control::picHist, 124, 0, 77, 61},
                         {ControlId(Control::picHistNum, 2), Control::picHist, 200, 0, 77, 61},
                         {ControlId(Control::picHistNum, 3), Control::picHist, 276, 0, 77, 61},
                         {ControlId(Control::picHistNum, 4), Control::picHist, 352, 0, 77, 61},
                         {ControlId(Control::spHistNum, 3), ControlId(Control::picHistNum, 3), 0, -1, 77, 62},
                         {Control::cmdHistForward, Control::picHist, 428, 0, 49, 75},
                         {Control::cmdReset, Control::picHist, 476, 0, 85, 75},
                         {Control::cmdSetting, Control::picHist, 560, 0, 57, 75},
                         {ControlId(Control::lblistNum, 0), Control::picHist, 60, 62, 33, 12},
                         {ControlId(Control::lblistNum, 1), Control::picHist, 136, 62, 33, 12},
                         {ControlId(Control::lblistNum, 2), Control::picHist, 212, 62, 33, 12},
                         {ControlId(Control::lblistNum, 3), Control::picHist, 284, 62, 33, 12},
                         {ControlId(Control::lblistNum, 4), Control::picHist, 356, 62, 33, 12},
                         {Control::lstHistory, std::nullopt, 28, 280, 61, 196},
                     });
}

TEST(Layout, TwelveTwipsPerPixelKeepsTheDisplayAndFollowsItsHeight)
{
    const WindowLayout layout = MainWindowLayout(12, 12);
    EXPECT_EQ(layout.outerWidth, 1000);
    EXPECT_EQ(layout.outerHeight, 788);  // 787.5, the half going to the even neighbour
    // picBase is 7200 twips high: Start ends 210 twips above its bottom, 300 twips left of its right.
    ExpectPlacements(layout,
                     {
                         {Control::picBase, std::nullopt, 0, 0, 800, 600},
                         {Control::cmdStart, std::nullopt, 604, 426, 171, 156},
                         {Control::picHist, std::nullopt, 20, 484, 776, 99},
                         {ControlId(Control::picHistNum, 1), Control::picHist, 155, 0, 96, 76},
                         {ControlId(Control::spHistNum, 1), ControlId(Control::picHistNum, 1), 0, -1, 96, 77},
                     });
}

TEST(Layout, ExactHalvesOfAPixelGoToTheEvenNeighbour)
{
    // At 144 dpi the board's top and height fall on exact halves (460.5, 118.5), where rounding
    // half up would give 461 and 119.
    ExpectPlacements(MainWindowLayout(10, 10), {{Control::picHist, std::nullopt, 24, 460, 932, 118}});
}

TEST(Layout, EveryControlOfTheWindowIsThereWithItsParentFirst)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    std::vector<ControlId> names = {Control::picBase,     Control::cmdStart,       Control::picHist,
                                    Control::cmdHistBack, Control::cmdHistForward, Control::cmdReset,
                                    Control::cmdSetting,  Control::lstHistory,     Control::txtNum,
                                    Control::Command1,    Control::Command2,       Control::Command3,
                                    Control::Command4,    Control::lbTime,         Control::Timer1};
    for (int i = 0; i < 5; ++i) {
        for (const Control array : {Control::picHistNum, Control::spHistNum, Control::lblistNum}) {
            names.push_back(ControlId(array, i));
        }
    }
    for (int i = 0; i < 4; ++i) {
        names.push_back(ControlId(Control::picHorizontal, i));
        names.push_back(ControlId(Control::picVertical, i));
    }
    EXPECT_EQ(layout.controls.size(), names.size());
    for (const ControlId id : names) {
        EXPECT_NE(layout.Find(id), nullptr) << id;
    }
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const std::optional<ControlId> parent = layout.controls[i].parent;
        if (!parent) {
            continue;
        }
        bool before = false;
        for (std::size_t j = 0; j < i; ++j) {
            before = before || layout.controls[j].id == *parent;
        }
        EXPECT_TRUE(before) << layout.controls[i].id;
    }
}

TEST(Layout, CaptionsColoursFontsAndStates)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    auto control = [&](ControlId id) { return *layout.Find(id); };

    EXPECT_EQ(control(Control::cmdStart).caption, "スタート");
    EXPECT_EQ(control(Control::cmdStart).backColor, 0x00FFFFFF);
    EXPECT_TRUE(control(Control::cmdStart).graphicalStyle);
    EXPECT_EQ(control(Control::cmdStart).font.family, "MS UI Gothic");
    EXPECT_EQ(control(Control::cmdStart).font.pointSize, 24);
    EXPECT_TRUE(control(Control::cmdStart).font.bold);
    EXPECT_EQ(control(Control::cmdReset).caption, "リセット");
    EXPECT_EQ(control(Control::cmdReset).font.pointSize, 12);
    EXPECT_EQ(control(Control::cmdSetting).caption, "設定");
    EXPECT_EQ(control(Control::cmdSetting).font.family, "ＭＳ ゴシック");
    EXPECT_EQ(control(Control::cmdSetting).font.pointSize, 9.75);
    EXPECT_EQ(control(Control::cmdHistBack).picture, "buttons/back.bmp");
    EXPECT_EQ(control(Control::cmdHistForward).picture, "buttons/forward.bmp");
    EXPECT_EQ(control(Control::cmdHistForward).backColor, 0x00787878);

    EXPECT_EQ(control(ControlId(Control::picHistNum, 0)).backColor, 0x00C00000);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(layout.Find(ControlId(Control::picHistNum, i))->backColor, 0) << i;
    }
    EXPECT_EQ(control(ControlId(Control::spHistNum, 0)).borderColor, 0x00202020);
    EXPECT_EQ(control(ControlId(Control::spHistNum, 0)).kind, ControlKind::Shape);
    EXPECT_EQ(control(ControlId(Control::lblistNum, 2)).caption, "");
    EXPECT_EQ(control(ControlId(Control::lblistNum, 2)).backColor, 0x00404040);
    EXPECT_EQ(control(Control::txtNum).caption, "");
    EXPECT_EQ(control(Control::lbTime).caption, "");
    EXPECT_EQ(control(Control::Command1).caption, "セット");
    EXPECT_EQ(control(Control::Command2).caption, "初期化");
    EXPECT_EQ(control(Control::Command3).caption, "停止");
    EXPECT_EQ(control(Control::Command4).caption, "Command4");
    EXPECT_FALSE(control(Control::Command4).visible);
    EXPECT_FALSE(control(Control::lstHistory).visible);
    EXPECT_EQ(control(Control::Timer1).kind, ControlKind::Timer);
    EXPECT_EQ(control(Control::Timer1).timerInterval, 100);
    EXPECT_FALSE(control(Control::Timer1).enabled);

    // The test controls lie below the client area.
    for (const ControlId name :
         {Control::txtNum, Control::Command1, Control::Command2, Control::Command3, Control::lbTime}) {
        EXPECT_GE(control(name).y, 600) << name;
    }
    for (int i = 0; i < 4; ++i) {
        const ControlLayout& horizontal = *layout.Find(ControlId(Control::picHorizontal, i));
        const ControlLayout& vertical = *layout.Find(ControlId(Control::picVertical, i));
        EXPECT_FALSE(horizontal.visible);
        EXPECT_FALSE(vertical.visible);
        EXPECT_EQ(horizontal.picture, std::string("bars/horizontal") + std::to_string(i) + ".bmp");
        EXPECT_EQ(vertical.picture, std::string("bars/vertical") + std::to_string(i) + ".bmp");
    }
}

}  // namespace
}  // namespace palvo
