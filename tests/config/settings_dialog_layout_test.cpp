#include "config/settings_dialog_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace palvo {
namespace {

TEST(SettingsDialogLayoutTest, PlacesTheTableInPixels)
{
    const struct {
        double twipsPerPixel;
        ControlId id;
        std::optional<ControlId> parent;
        ControlKind kind;
        const char* caption;
        std::int32_t x, y, width, height;
    } cases[] = {
        {15, Control::picBgCap, std::nullopt, ControlKind::PictureBox, "", 12, 20, 360, 270},
        {15, Control::imgBgCap, Control::picBgCap, ControlKind::Image, "", 0, 0, 360, 270},
        {15, Control::Frame3, std::nullopt, ControlKind::Frame, "背景イメージ", 12, 320, 469, 65},
        {15, Control::cmdSelBgImage, Control::Frame3, ControlKind::CommandButton, "イメージ画像を選択", 336,
         0, 113, 29},
        {15, ControlId(Control::lbtitle, 0), Control::Frame3, ControlKind::Label,
         "* 800 x 600   bmp, jpg, gif", 92, 12, 162, 12},
        {15, Control::Frame4, std::nullopt, ControlKind::Frame, "数字", 392, 12, 405, 229},
        {15, Control::txtNumMax, Control::Frame4, ControlKind::TextBox, "", 76, 20, 53, 24},
        {15, Control::Frame2, Control::Frame4, ControlKind::Frame, "", 76, 148, 297, 73},
        {15, ControlId(Control::opNumPos, 4), Control::Frame2, ControlKind::OptionButton, "真ん中", 124, 32,
         57, 13},
        {15, ControlId(Control::opNumSize, 2), Control::Frame1, ControlKind::OptionButton, "大", 208, 20, 45,
         13},
        {15, Control::Frame5, std::nullopt, ControlKind::Frame, "リズム回数", 392, 248, 405, 65},
        {15, Control::picRhythmSlow, Control::Frame5, ControlKind::PictureBox, "", 264, 28, 105, 13},
        {15, Control::cmdSaveSetting, std::nullopt, ControlKind::CommandButton, "設定を保存する", 504, 328,
         137, 57},
        {15, Control::cmdClose, std::nullopt, ControlKind::CommandButton, "閉じる", 672, 336, 125, 49},
        {12, Control::picBgCap, std::nullopt, ControlKind::PictureBox, "", 15, 25, 450,
         338},  // 337.5 to even
        {12, Control::cmdClose, std::nullopt, ControlKind::CommandButton, "閉じる", 840, 420, 156,
         61},  // 156.25, 61.25
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ControlName(c.id) + " at " + std::to_string(c.twipsPerPixel));
        const WindowLayout layout = SettingsDialogLayout(c.twipsPerPixel, c.twipsPerPixel);
        const ControlLayout* control = layout.Find(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parent, c.parent);
        EXPECT_EQ(control->kind, c.kind);
        EXPECT_EQ(control->caption, c.caption);
        EXPECT_EQ(control->x, c.x);
        EXPECT_EQ(control->y, c.y);
        EXPECT_EQ(control->width, c.width);
        EXPECT_EQ(control->height, c.height);
    }
}

TEST(SettingsDialogLayoutTest, WindowCaptionSizeAndOrder)
{
    const WindowLayout layout = SettingsDialogLayout(15, 15);
    EXPECT_EQ(layout.caption, "設定");
    EXPECT_EQ(layout.clientWidth, 818);
    EXPECT_EQ(layout.clientHeight, 399);
    // Every parent is listed before its children.
    std::set<ControlId> seen;
    for (const ControlLayout& control : layout.controls) {
        EXPECT_TRUE(!control.parent || seen.count(*control.parent)) << control.id;
        seen.insert(control.id);
    }
    EXPECT_EQ(layout.Find(Control::cmdRhythmFastUp)->font.family, "ＭＳ Ｐゴシック");
    EXPECT_TRUE(layout.Find(Control::cmdRhythmFastUp)->font.bold);
    EXPECT_EQ(layout.Find(Control::txtNumMax)->font.family, "ＭＳ ゴシック");
    EXPECT_EQ(layout.Find(Control::txtNumMax)->font.pointSize, 12);
    EXPECT_EQ(layout.Find(Control::picBgCap)->backColor, 0x00323232);
    EXPECT_EQ(layout.Find(Control::spRhythmFast)->backColor, 0x00008000);
    EXPECT_EQ(layout.Find(Control::spRhythmSlow)->backColor, 0x0000C000);
}

}  // namespace
}  // namespace palvo
