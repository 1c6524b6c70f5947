#include "display/main_window_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/twips.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

constexpr std::int32_t kBlack = 0x00000000;
constexpr std::int32_t kWhite = 0x00FFFFFF;
constexpr std::int32_t kNewestCellColor = 0x00C00000;
constexpr std::int32_t kPagingButtonColor = 0x00787878;
constexpr std::int32_t kCellFrameColor = 0x00202020;

// The window's measures in twips.
constexpr double kWindowWidth = 12000;
constexpr double kWindowHeight = 9450;
constexpr double kStartWidth = 2055;
constexpr double kStartHeight = 1875;
constexpr double kBoardButtonHeight = 1125;
constexpr double kBoardWidth = 9315;
constexpr double kBoardLeft = 240;
constexpr double kBottomMargin = 210;
constexpr double kStartRightMargin = 300;
constexpr double kPagingButtonWidth = 735;
constexpr double kCellLeft = 720;
constexpr double kCellPitch = 1140;
constexpr double kCellWidth = 1155;
constexpr double kCellHeight = 915;
constexpr double kForwardLeft = 6420;
constexpr double kResetLeft = 7140;
constexpr double kResetWidth = 1275;
constexpr double kSettingLeft = 8400;
constexpr double kSettingWidth = 855;
constexpr double kLabelLefts[] = {900, 2040, 3180, 4260, 5340};
constexpr double kLabelTop = 930;
constexpr double kLabelWidth = 495;
constexpr double kLabelHeight = 180;

class LayoutBuilder {
public:
    LayoutBuilder(double twipsPerPixelX, double twipsPerPixelY) : tppX_(twipsPerPixelX), tppY_(twipsPerPixelY)
    {
    }

    // A control placed in twips.
    ControlLayout& Twips(ControlId id, ControlKind kind, std::optional<ControlId> parent, double left,
                         double top, double width, double height)
    {
        return Add(id, kind, parent, TwipsToPixels(left, tppX_), TwipsToPixels(top, tppY_),
                   TwipsToPixels(width, tppX_), TwipsToPixels(height, tppY_));
    }

    ControlLayout& Add(ControlId id, ControlKind kind, std::optional<ControlId> parent, std::int32_t x,
                       std::int32_t y, std::int32_t width, std::int32_t height)
    {
        layout.controls.push_back(MakeControl(id, kind, parent, x, y, width, height));
        return layout.controls.back();
    }

    WindowLayout layout;

private:
    double tppX_;
    double tppY_;
};

ControlLayout& WhiteButton(ControlLayout& button, std::string_view caption, const char* fontFamily,
                           double pointSize)
{
    button.caption = caption;
    button.backColor = kWhite;
    button.graphicalStyle = true;
    button.font = FontChoice{fontFamily, pointSize, true};
    return button;
}

}  // namespace

WindowLayout MainWindowLayout(double twipsPerPixelX, double twipsPerPixelY)
{
    LayoutBuilder builder(twipsPerPixelX, twipsPerPixelY);
    WindowLayout& layout = builder.layout;
    layout.caption = texts::kMainWindowCaption;
    layout.outerWidth = TwipsToPixels(kWindowWidth, twipsPerPixelX);
    layout.outerHeight = TwipsToPixels(kWindowHeight, twipsPerPixelY);
    layout.backColor = kWindowBackColor;

    // The display keeps 800 x 600 pixels whatever the resolution; what is placed below it
    // follows its height in twips.
    const double baseWidth = kDisplayWidthPixels * twipsPerPixelX;
    const double baseHeight = kDisplayHeightPixels * twipsPerPixelY;
    builder
        .Add(Control::picBase, ControlKind::PictureBox, std::nullopt, 0, 0, kDisplayWidthPixels,
             kDisplayHeightPixels)
        .backColor = kBlack;

    ControlLayout& start =
        builder.Twips(Control::cmdStart, ControlKind::CommandButton, std::nullopt,
                      baseWidth - kStartWidth - kStartRightMargin, baseHeight - kStartHeight - kBottomMargin,
                      kStartWidth, kStartHeight);
    WhiteButton(start, texts::kStartButton, "MS UI Gothic", 24);

    const double boardHeight = kBoardButtonHeight + 60;
    builder
        .Twips(Control::picHist, ControlKind::PictureBox, std::nullopt, kBoardLeft,
               baseHeight - boardHeight - kBottomMargin, kBoardWidth, boardHeight)
        .backColor = kBlack;

    ControlLayout& back = builder.Twips(Control::cmdHistBack, ControlKind::CommandButton, Control::picHist, 0,
                                        0, kPagingButtonWidth, kBoardButtonHeight);
    back.backColor = kPagingButtonColor;
    back.graphicalStyle = true;
    back.picture = "buttons/back.bmp";

    for (int i = 0; i < 5; ++i) {
        const ControlId cell(Control::picHistNum, i);
        ControlLayout& cellPlacement = builder.Twips(cell, ControlKind::PictureBox, Control::picHist,
                                                     kCellLeft + kCellPitch * i, 0, kCellWidth, kCellHeight);
        cellPlacement.backColor = i == 0 ? kNewestCellColor : kBlack;
        // The frame works in the cell's pixels; its top line lies just above the cell.
        ControlLayout& frame = builder.Add(ControlId(Control::spHistNum, i), ControlKind::Shape, cell, 0, -1,
                                           TwipsToPixels(kCellWidth, twipsPerPixelX),
                                           TwipsToPixels(kCellHeight, twipsPerPixelY) + 1);
        frame.borderColor = kCellFrameColor;
    }

    ControlLayout& forward =
        builder.Twips(Control::cmdHistForward, ControlKind::CommandButton, Control::picHist, kForwardLeft, 0,
                      kPagingButtonWidth, kBoardButtonHeight);
    forward.backColor = kPagingButtonColor;
    forward.graphicalStyle = true;
    forward.picture = "buttons/forward.bmp";

    WhiteButton(builder.Twips(Control::cmdReset, ControlKind::CommandButton, Control::picHist, kResetLeft, 0,
                              kResetWidth, kBoardButtonHeight),
                texts::kResetButton, "MS UI Gothic", 12);
    WhiteButton(builder.Twips(Control::cmdSetting, ControlKind::CommandButton, Control::picHist, kSettingLeft,
                              0, kSettingWidth, kBoardButtonHeight),
                texts::kSettings, "ＭＳ ゴシック", 9.75);

    for (int i = 0; i < 5; ++i) {
        ControlLayout& label =
            builder.Twips(ControlId(Control::lblistNum, i), ControlKind::Label, Control::picHist,
                          kLabelLefts[i], kLabelTop, kLabelWidth, kLabelHeight);
        label.backColor = kWindowBackColor;
        label.foreColor = kWhite;
    }

    builder.Twips(Control::lstHistory, ControlKind::ListBox, std::nullopt, 420, 4200, 915, 2940).visible =
        false;

    for (int i = 0; i < 4; ++i) {
        // Sized by their pictures alone, so that a missing picture leaves nothing to read.
        ControlLayout& horizontal = builder.Add(ControlId(Control::picHorizontal, i), ControlKind::PictureBox,
                                                std::nullopt, 0, 0, 0, 0);
        horizontal.visible = false;
        horizontal.backColor = kBlack;
        horizontal.picture = std::string("bars/horizontal") + std::to_string(i) + ".bmp";
        ControlLayout& vertical = builder.Add(ControlId(Control::picVertical, i), ControlKind::PictureBox,
                                              std::nullopt, 0, 0, 0, 0);
        vertical.visible = false;
        vertical.backColor = kBlack;
        vertical.picture = std::string("bars/vertical") + std::to_string(i) + ".bmp";
    }

    // Test controls, below the client area where the operator cannot reach them.
    builder.Twips(Control::txtNum, ControlKind::TextBox, std::nullopt, 240, 9660, 735, 375);
    builder.Twips(Control::Command1, ControlKind::CommandButton, std::nullopt, 1200, 9660, 1215, 495)
        .caption = texts::kTimerOnButton;
    builder.Twips(Control::Command2, ControlKind::CommandButton, std::nullopt, 2520, 9660, 1215, 495)
        .caption = texts::kBareBackgroundButton;
    builder.Twips(Control::Command3, ControlKind::CommandButton, std::nullopt, 1200, 10440, 1215, 495)
        .caption = texts::kTimerOffButton;
    builder.Twips(Control::lbTime, ControlKind::Label, std::nullopt, 2520, 10200, 1935, 255);
    ControlLayout& probe =
        builder.Twips(Control::Command4, ControlKind::CommandButton, std::nullopt, 10440, 240, 1215, 495);
    probe.caption = texts::kProbeButton;
    probe.visible = false;

    ControlLayout& timer = builder.Add(Control::Timer1, ControlKind::Timer, std::nullopt, 0, 0, 0, 0);
    timer.timerInterval = 100;
    timer.enabled = false;

    return layout;
}

WindowLayout SetControlLayout(MainWindowView& view, const Environment& environment)
{
    WindowLayout layout = MainWindowLayout(environment.TwipsPerPixelX(), environment.TwipsPerPixelY());
    view.ApplyLayout(layout);
    return layout;
}

}  // namespace palvo
