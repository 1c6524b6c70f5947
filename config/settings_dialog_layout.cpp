#include "config/settings_dialog_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/twips.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

// The bars' height in twips; taller than the track, which cuts them.
constexpr std::int32_t kRhythmBarHeightTwips = 255;

}  // namespace

WindowLayout SettingsDialogLayout(double twipsPerPixelX, double twipsPerPixelY)
{
    const FontChoice dialogFont{"MS UI Gothic", 9, false};
    const FontChoice fixedFont{"ＭＳ ゴシック", 9, false};
    const FontChoice numberFont{"ＭＳ ゴシック", 12, false};
    const FontChoice arrowFont{"ＭＳ Ｐゴシック", 9, true};
    constexpr std::int32_t kGrey = 0x00808080;

    WindowLayout layout;
    layout.caption = texts::kSettings;
    layout.clientWidth = TwipsToPixels(12270, twipsPerPixelX);
    layout.clientHeight = TwipsToPixels(5985, twipsPerPixelY);

    auto add = [&](ControlId id, ControlKind kind, std::optional<ControlId> parent, double x, double y,
                   double width, double height, std::string_view caption = {}) -> ControlLayout& {
        ControlLayout control;
        control.id = id;
        control.kind = kind;
        control.parent = parent;
        control.x = TwipsToPixels(x, twipsPerPixelX);
        control.y = TwipsToPixels(y, twipsPerPixelY);
        control.width = TwipsToPixels(width, twipsPerPixelX);
        control.height = TwipsToPixels(height, twipsPerPixelY);
        control.caption = caption;
        control.font = dialogFont;
        layout.controls.push_back(std::move(control));
        return layout.controls.back();
    };
    using Kind = ControlKind;

    // Background picture: the preview and its group.
    add(Control::picBgCap, Kind::PictureBox, std::nullopt, 180, 300, 5400, 4050).backColor = 0x00323232;
    add(Control::imgBgCap, Kind::Image, Control::picBgCap, 0, 0, 5400, 4050);
    add(Control::Frame3, Kind::Frame, std::nullopt, 180, 4800, 7035, 975, texts::kBackgroundGroup);
    add(Control::cmdSelBgImage, Kind::CommandButton, Control::Frame3, 5040, 0, 1695, 435,
        texts::kSelectPictureButton);
    {
        ControlLayout& hint = add(ControlId(Control::lbtitle, 0), Kind::Label, Control::Frame3, 1380, 180,
                                  2430, 180, texts::kPictureHint);
        hint.foreColor = 0x00404040;
        hint.font = fixedFont;
    }
    add(Control::lbBgImgFile, Kind::Label, Control::Frame3, 480, 540, 6255, 195).backColor = 0x00FFFFFF;

    // The digits: highest number, colour, size, position.
    add(Control::Frame4, Kind::Frame, std::nullopt, 5880, 180, 6075, 3435, texts::kDigitGroup);
    add(ControlId(Control::lbtitle, 1), Kind::Label, Control::Frame4, 420, 360, 540, 180,
        texts::kNumMaxCaption);
    add(Control::txtNumMax, Kind::TextBox, Control::Frame4, 1140, 300, 795, 360).font = numberFont;
    add(ControlId(Control::lbtitle, 2), Kind::Label, Control::Frame4, 420, 1020, 180, 180,
        texts::kColorCaption);
    add(Control::spNumColor, Kind::Shape, Control::Frame4, 1140, 840, 675, 495).backColor = 0;
    add(Control::cmdSelNumColor, Kind::CommandButton, Control::Frame4, 2040, 840, 1095, 495,
        texts::kSelectColorButton);
    add(ControlId(Control::lbtitle, 3), Kind::Label, Control::Frame4, 420, 1560, 465, 180,
        texts::kSizeCaption);
    add(Control::Frame1, Kind::Frame, Control::Frame4, 1140, 1440, 4455, 675);
    add(ControlId(Control::opNumSize, 0), Kind::OptionButton, Control::Frame1, 540, 300, 675, 195,
        texts::kSizeSmall);
    add(ControlId(Control::opNumSize, 1), Kind::OptionButton, Control::Frame1, 1860, 300, 675, 195,
        texts::kSizeMedium);
    add(ControlId(Control::opNumSize, 2), Kind::OptionButton, Control::Frame1, 3120, 300, 675, 195,
        texts::kSizeLarge);
    add(ControlId(Control::lbtitle, 4), Kind::Label, Control::Frame4, 420, 2340, 360, 180,
        texts::kPositionCaption);
    add(Control::Frame2, Kind::Frame, Control::Frame4, 1140, 2220, 4455, 1095);
    add(ControlId(Control::opNumPos, 0), Kind::OptionButton, Control::Frame2, 540, 300, 675, 195,
        texts::kPositionUpperLeft);
    add(ControlId(Control::opNumPos, 1), Kind::OptionButton, Control::Frame2, 3120, 300, 675, 195,
        texts::kPositionUpperRight);
    add(ControlId(Control::opNumPos, 2), Kind::OptionButton, Control::Frame2, 540, 660, 675, 195,
        texts::kPositionLowerLeft);
    add(ControlId(Control::opNumPos, 3), Kind::OptionButton, Control::Frame2, 3120, 660, 675, 195,
        texts::kPositionLowerRight)
        .enabled = false;
    add(ControlId(Control::opNumPos, 4), Kind::OptionButton, Control::Frame2, 1860, 480, 855, 195,
        texts::kPositionCentre);

    // Rhythm counts: each an arrow pair around a track holding a bar, with the scale's ends below.
    add(Control::Frame5, Kind::Frame, std::nullopt, 5880, 3720, 6075, 975, texts::kRhythmGroup);
    add(ControlId(Control::lbtitle, 5), Kind::Label, Control::Frame5, 180, 350, 540, 180,
        texts::kRhythmFastCaption);
    add(Control::lbRhythmFast, Kind::Label, Control::Frame5, 2400, 180, 180, 180);
    add(Control::cmdRhythmFastDown, Kind::CommandButton, Control::Frame5, 780, 360, 315, 255,
        texts::kCountDownButton)
        .font = arrowFont;
    add(Control::picRhythmFast, Kind::PictureBox, Control::Frame5, 1080, 420, kRhythmTrackTwips, 195)
        .backColor = 0x00C0C0C0;
    add(Control::spRhythmFast, Kind::Shape, Control::picRhythmFast, 0, 0, 0, kRhythmBarHeightTwips)
        .backColor = 0x00008000;
    add(Control::cmdRhythmFastUp, Kind::CommandButton, Control::Frame5, 2640, 360, 315, 255,
        texts::kCountUpButton)
        .font = arrowFont;
    add(ControlId(Control::lbtitle, 6), Kind::Label, Control::Frame5, 780, 660, 315, 180, "5").foreColor =
        kGrey;
    add(ControlId(Control::lbtitle, 10), Kind::Label, Control::Frame5, 2640, 660, 315, 180, "30").foreColor =
        kGrey;
    add(ControlId(Control::lbtitle, 7), Kind::Label, Control::Frame5, 3100, 350, 540, 180,
        texts::kRhythmSlowCaption);
    // Two digits need the fast count's width; a single digit's width would cut "10".
    add(Control::lbRhythmSlow, Kind::Label, Control::Frame5, 5400, 180, 180, 180);
    add(Control::cmdRhythmSlowDown, Kind::CommandButton, Control::Frame5, 3660, 360, 315, 255,
        texts::kCountDownButton)
        .font = arrowFont;
    add(Control::picRhythmSlow, Kind::PictureBox, Control::Frame5, 3960, 420, kRhythmTrackTwips, 195)
        .backColor = 0x00C0C0C0;
    add(Control::spRhythmSlow, Kind::Shape, Control::picRhythmSlow, 0, 0, 0, kRhythmBarHeightTwips)
        .backColor = 0x0000C000;
    add(Control::cmdRhythmSlowUp, Kind::CommandButton, Control::Frame5, 5520, 360, 315, 255,
        texts::kCountUpButton)
        .font = arrowFont;
    add(ControlId(Control::lbtitle, 9), Kind::Label, Control::Frame5, 3660, 660, 315, 180, "1").foreColor =
        kGrey;
    add(ControlId(Control::lbtitle, 11), Kind::Label, Control::Frame5, 5520, 660, 315, 180, "10").foreColor =
        kGrey;

    add(Control::cmdSaveSetting, Kind::CommandButton, std::nullopt, 7560, 4920, 2055, 855,
        texts::kSaveSettingsButton);
    add(Control::cmdClose, Kind::CommandButton, std::nullopt, 10080, 5040, 1875, 735, texts::kCloseButton);
    return layout;
}

}  // namespace palvo
