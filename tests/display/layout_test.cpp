#include "display/layout.h"

#include <gtest/gtest.h>

#include <string>

namespace palvo {
namespace {

struct Placement {
    const char* name;
    const char* parent;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
};

void ExpectPlacements(const WindowLayout& layout, std::initializer_list<Placement> placements)
{
    for (const Placement& p : placements) {
        const ControlLayout* control = layout.Find(p.name);
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->parent, p.parent) << p.name;
        EXPECT_EQ(control->x, p.x) << p.name;
        EXPECT_EQ(control->y, p.y) << p.name;
        EXPECT_EQ(control->width, p.width) << p.name;
        EXPECT_EQ(control->height, p.height) << p.name;
    }
}

TEST(Layout, PixelPlacesAtNinetySixDpi)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    EXPECT_EQ(layout.outerWidth, 800);
    EXPECT_EQ(layout.outerHeight, 630);
    EXPECT_EQ(layout.backColor, 0x00404040);
    EXPECT_EQ(layout.caption, "PALVO  ~パルボ~");
    ExpectPlacements(layout, {
                                 {"picBase", "", 0, 0, 800, 600},
                                 {"cmdStart", "", 643, 461, 137, 125},
                                 {"picHist", "", 16, 507, 621, 79},
                                 {"cmdHistBack", "picHist", 0, 0, 49, 75},
                                 {"picHistNum(0)", "picHist", 48, 0, 77, 61},
                                 {"picHistNum(1)", "picHist", 124, 0, 77, 61},
                                 {"picHistNum(2)", "picHist", 200, 0, 77, 61},
                                 {"picHistNum(3)", "picHist", 276, 0, 77, 61},
                                 {"picHistNum(4)", "picHist", 352, 0, 77, 61},
                                 {"spHistNum(3)", "picHistNum(3)", 0, -1, 77, 62},
                                 {"cmdHistForward", "picHist", 428, 0, 49, 75},
                                 {"cmdReset", "picHist", 476, 0, 85, 75},
                                 {"cmdSetting", "picHist", 560, 0, 57, 75},
                                 {"lblistNum(0)", "picHist", 60, 62, 33, 12},
                                 {"lblistNum(1)", "picHist", 136, 62, 33, 12},
                                 {"lblistNum(2)", "picHist", 212, 62, 33, 12},
                                 {"lblistNum(3)", "picHist", 284, 62, 33, 12},
                                 {"lblistNum(4)", "picHist", 356, 62, 33, 12},
                                 {"lstHistory", "", 28, 280, 61, 196},
                             });
}

TEST(Layout, TwelveTwipsPerPixelKeepsTheDisplayAndFollowsItsHeight)
{
    const WindowLayout layout = MainWindowLayout(12, 12);
    EXPECT_EQ(layout.outerWidth, 1000);
    EXPECT_EQ(layout.outerHeight, 788);  // 787.5, the half going to the even neighbour
    // picBase is 7200 twips high: Start ends 210 twips above its bottom, 300 twips left of its right.
    ExpectPlacements(layout, {
                                 {"picBase", "", 0, 0, 800, 600},
                                 {"cmdStart", "", 604, 426, 171, 156},
                                 {"picHist", "", 20, 484, 776, 99},
                                 {"picHistNum(1)", "picHist", 155, 0, 96, 76},
                                 {"spHistNum(1)", "picHistNum(1)", 0, -1, 96, 77},
                             });
}

TEST(Layout, EveryControlOfTheWindowIsThereWithItsParentFirst)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    std::vector<std::string> names = {"picBase",  "cmdStart",   "picHist",    "cmdHistBack", "cmdHistForward",
                                      "cmdReset", "cmdSetting", "lstHistory", "txtNum",      "Command1",
                                      "Command2", "Command3",   "Command4",   "lbTime",      "Timer1"};
    for (int i = 0; i < 5; ++i) {
        for (const char* array : {"picHistNum", "spHistNum", "lblistNum"}) {
            names.push_back(ArrayName(array, i));
        }
    }
    for (int i = 0; i < 4; ++i) {
        names.push_back(ArrayName("picHorizontal", i));
        names.push_back(ArrayName("picVertical", i));
    }
    EXPECT_EQ(layout.controls.size(), names.size());
    for (const std::string& name : names) {
        EXPECT_NE(layout.Find(name), nullptr) << name;
    }
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const std::string& parent = layout.controls[i].parent;
        if (parent.empty()) {
            continue;
        }
        bool before = false;
        for (std::size_t j = 0; j < i; ++j) {
            before = before || layout.controls[j].name == parent;
        }
        EXPECT_TRUE(before) << layout.controls[i].name;
    }
}

TEST(Layout, CaptionsColoursFontsAndStates)
{
    const WindowLayout layout = MainWindowLayout(15, 15);
    auto control = [&](const char* name) { return *layout.Find(name); };

    EXPECT_EQ(control("cmdStart").caption, "スタート");
    EXPECT_EQ(control("cmdStart").backColor, 0x00FFFFFF);
    EXPECT_TRUE(control("cmdStart").graphicalStyle);
    EXPECT_EQ(control("cmdStart").font.family, "MS UI Gothic");
    EXPECT_EQ(control("cmdStart").font.pointSize, 24);
    EXPECT_TRUE(control("cmdStart").font.bold);
    EXPECT_EQ(control("cmdReset").caption, "リセット");
    EXPECT_EQ(control("cmdReset").font.pointSize, 12);
    EXPECT_EQ(control("cmdSetting").caption, "設定");
    EXPECT_EQ(control("cmdSetting").font.family, "ＭＳ ゴシック");
    EXPECT_EQ(control("cmdSetting").font.pointSize, 9.75);
    EXPECT_EQ(control("cmdHistBack").picture, "buttons/back.bmp");
    EXPECT_EQ(control("cmdHistForward").picture, "buttons/forward.bmp");
    EXPECT_EQ(control("cmdHistForward").backColor, 0x00787878);

    EXPECT_EQ(control("picHistNum(0)").backColor, 0x00C00000);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(layout.Find(ArrayName("picHistNum", i))->backColor, 0) << i;
    }
    EXPECT_EQ(control("spHistNum(0)").borderColor, 0x00202020);
    EXPECT_EQ(control("spHistNum(0)").kind, ControlKind::Shape);
    EXPECT_EQ(control("lblistNum(2)").caption, "");
    EXPECT_EQ(control("lblistNum(2)").backColor, 0x00404040);
    EXPECT_EQ(control("txtNum").caption, "");
    EXPECT_EQ(control("lbTime").caption, "");
    EXPECT_EQ(control("Command1").caption, "セット");
    EXPECT_EQ(control("Command2").caption, "初期化");
    EXPECT_EQ(control("Command3").caption, "停止");
    EXPECT_EQ(control("Command4").caption, "Command4");
    EXPECT_FALSE(control("Command4").visible);
    EXPECT_FALSE(control("lstHistory").visible);
    EXPECT_EQ(control("Timer1").kind, ControlKind::Timer);
    EXPECT_EQ(control("Timer1").timerInterval, 100);
    EXPECT_FALSE(control("Timer1").enabled);

    // The test controls lie below the client area.
    for (const char* name : {"txtNum", "Command1", "Command2", "Command3", "lbTime"}) {
        EXPECT_GE(control(name).y, 600) << name;
    }
    for (int i = 0; i < 4; ++i) {
        const ControlLayout& horizontal = *layout.Find(ArrayName("picHorizontal", i));
        const ControlLayout& vertical = *layout.Find(ArrayName("picVertical", i));
        EXPECT_FALSE(horizontal.visible);
        EXPECT_FALSE(vertical.visible);
        EXPECT_EQ(horizontal.picture, std::string("bars/horizontal") + std::to_string(i) + ".bmp");
        EXPECT_EQ(vertical.picture, std::string("bars/vertical") + std::to_string(i) + ".bmp");
    }
}

}  // namespace
}  // namespace palvo
