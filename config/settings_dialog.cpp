#include "config/settings_dialog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "config/input_validation.h"

namespace palvo {

namespace {

// The tracks of both rhythm bars, in twips.
constexpr float kRhythmTrackTwips = 1575;
// The bars' height in twips; taller than the track, which cuts them.
constexpr std::int32_t kRhythmBarHeightTwips = 255;

constexpr std::int16_t kDefaultSizeIndex = 2;  // large
constexpr std::int16_t kDefaultPosIndex = 4;   // centre
constexpr int kSizeOptionCount = 3;
constexpr int kPosOptionCount = 5;
constexpr int kUnavailablePosIndex = 3;  // lower right: the drawing has no place for it

std::int32_t ToPixels(double twips, double twipsPerPixel)
{
    // Rounded to the nearest pixel, an exact half to the even neighbour.
    return static_cast<std::int32_t>(std::nearbyint(twips / twipsPerPixel));
}

// "opNumSize(2)" with prefix "opNumSize" gives 2; anything else gives nullopt.
std::optional<int> IndexOf(std::string_view name, std::string_view prefix)
{
    if (name.size() < prefix.size() + 3 || name.substr(0, prefix.size()) != prefix ||
        name[prefix.size()] != '(' || name.back() != ')') {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(prefix.size() + 1, name.size() - prefix.size() - 2);
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return index;
}

std::string WriteFailureMessage(const std::string& iniFilePath)
{
    return "設定ファイルに書き込めませんでした。\n" + iniFilePath +
           "\n\n変更した設定はこのまま使われますが、ファイルには保存されていません。";
}

}  // namespace

SettingsDialog::SettingsDialog(CConfig& config, SettingsDialogView& view, CommonDialogs& dialogs,
                               MessageBoxes& messages, const Environment& environment)
    : config_(config), view_(view), dialogs_(dialogs), messages_(messages), environment_(environment)
{
}

SettingsDialog::~SettingsDialog()
{
    view_.SetEvents(nullptr);
}

WindowLayout SettingsDialog::Layout(double twipsPerPixelX, double twipsPerPixelY)
{
    const FontChoice dialogFont{"MS UI Gothic", 9, false};
    const FontChoice fixedFont{"ＭＳ ゴシック", 9, false};
    const FontChoice numberFont{"ＭＳ ゴシック", 12, false};
    const FontChoice arrowFont{"ＭＳ Ｐゴシック", 9, true};
    constexpr std::int32_t kGrey = 0x00808080;

    WindowLayout layout;
    layout.caption = "設定";
    layout.clientWidth = ToPixels(12270, twipsPerPixelX);
    layout.clientHeight = ToPixels(5985, twipsPerPixelY);

    auto add = [&](std::string name, ControlKind kind, std::string parent, double x, double y, double width,
                   double height, std::string caption = {}) -> ControlLayout& {
        ControlLayout control;
        control.name = std::move(name);
        control.kind = kind;
        control.parent = std::move(parent);
        control.x = ToPixels(x, twipsPerPixelX);
        control.y = ToPixels(y, twipsPerPixelY);
        control.width = ToPixels(width, twipsPerPixelX);
        control.height = ToPixels(height, twipsPerPixelY);
        control.caption = std::move(caption);
        control.font = dialogFont;
        layout.controls.push_back(std::move(control));
        return layout.controls.back();
    };
    using Kind = ControlKind;

    // Background picture: the preview and its group.
    add("picBgCap", Kind::PictureBox, "", 180, 300, 5400, 4050).backColor = 0x00323232;
    add("imgBgCap", Kind::Image, "picBgCap", 0, 0, 5400, 4050);
    add("Frame3", Kind::Frame, "", 180, 4800, 7035, 975, "背景イメージ");
    add("cmdSelBgImage", Kind::CommandButton, "Frame3", 5040, 0, 1695, 435, "イメージ画像を選択");
    {
        ControlLayout& hint =
            add("lbtitle(0)", Kind::Label, "Frame3", 1380, 180, 2430, 180, "* 800 x 600   bmp, jpg, gif");
        hint.foreColor = 0x00404040;
        hint.font = fixedFont;
    }
    add("lbBgImgFile", Kind::Label, "Frame3", 480, 540, 6255, 195).backColor = 0x00FFFFFF;

    // The digits: highest number, colour, size, position.
    add("Frame4", Kind::Frame, "", 5880, 180, 6075, 3435, "数字");
    add("lbtitle(1)", Kind::Label, "Frame4", 420, 360, 540, 180, "最大値");
    add("txtNumMax", Kind::TextBox, "Frame4", 1140, 300, 795, 360).font = numberFont;
    add("lbtitle(2)", Kind::Label, "Frame4", 420, 1020, 180, 180, "色");
    add("spNumColor", Kind::Shape, "Frame4", 1140, 840, 675, 495).backColor = 0;
    add("cmdSelNumColor", Kind::CommandButton, "Frame4", 2040, 840, 1095, 495, "色を選択");
    add("lbtitle(3)", Kind::Label, "Frame4", 420, 1560, 465, 180, "大きさ");
    add("Frame1", Kind::Frame, "Frame4", 1140, 1440, 4455, 675);
    add(ArrayName("opNumSize", 0), Kind::OptionButton, "Frame1", 540, 300, 675, 195, "小");
    add(ArrayName("opNumSize", 1), Kind::OptionButton, "Frame1", 1860, 300, 675, 195, "中");
    add(ArrayName("opNumSize", 2), Kind::OptionButton, "Frame1", 3120, 300, 675, 195, "大");
    add("lbtitle(4)", Kind::Label, "Frame4", 420, 2340, 360, 180, "位置");
    add("Frame2", Kind::Frame, "Frame4", 1140, 2220, 4455, 1095);
    add(ArrayName("opNumPos", 0), Kind::OptionButton, "Frame2", 540, 300, 675, 195, "左上");
    add(ArrayName("opNumPos", 1), Kind::OptionButton, "Frame2", 3120, 300, 675, 195, "右上");
    add(ArrayName("opNumPos", 2), Kind::OptionButton, "Frame2", 540, 660, 675, 195, "左下");
    add(ArrayName("opNumPos", 3), Kind::OptionButton, "Frame2", 3120, 660, 675, 195, "右下").enabled = false;
    add(ArrayName("opNumPos", 4), Kind::OptionButton, "Frame2", 1860, 480, 855, 195, "真ん中");

    // Rhythm counts: each an arrow pair around a track holding a bar, with the scale's ends below.
    add("Frame5", Kind::Frame, "", 5880, 3720, 6075, 975, "リズム回数");
    add("lbtitle(5)", Kind::Label, "Frame5", 180, 350, 540, 180, "開始後");
    add("lbRhythmFast", Kind::Label, "Frame5", 2400, 180, 180, 180);
    add("cmdRhythmFastDown", Kind::CommandButton, "Frame5", 780, 360, 315, 255, "<").font = arrowFont;
    add("picRhythmFast", Kind::PictureBox, "Frame5", 1080, 420, kRhythmTrackTwips, 195).backColor =
        0x00C0C0C0;
    add("spRhythmFast", Kind::Shape, "picRhythmFast", 0, 0, 0, kRhythmBarHeightTwips).backColor = 0x00008000;
    add("cmdRhythmFastUp", Kind::CommandButton, "Frame5", 2640, 360, 315, 255, ">").font = arrowFont;
    add("lbtitle(6)", Kind::Label, "Frame5", 780, 660, 315, 180, "5").foreColor = kGrey;
    add("lbtitle(10)", Kind::Label, "Frame5", 2640, 660, 315, 180, "30").foreColor = kGrey;
    add("lbtitle(7)", Kind::Label, "Frame5", 3100, 350, 540, 180, "停止前");
    // Two digits need the fast count's width; a single digit's width would cut "10".
    add("lbRhythmSlow", Kind::Label, "Frame5", 5400, 180, 180, 180);
    add("cmdRhythmSlowDown", Kind::CommandButton, "Frame5", 3660, 360, 315, 255, "<").font = arrowFont;
    add("picRhythmSlow", Kind::PictureBox, "Frame5", 3960, 420, kRhythmTrackTwips, 195).backColor =
        0x00C0C0C0;
    add("spRhythmSlow", Kind::Shape, "picRhythmSlow", 0, 0, 0, kRhythmBarHeightTwips).backColor = 0x0000C000;
    add("cmdRhythmSlowUp", Kind::CommandButton, "Frame5", 5520, 360, 315, 255, ">").font = arrowFont;
    add("lbtitle(9)", Kind::Label, "Frame5", 3660, 660, 315, 180, "1").foreColor = kGrey;
    add("lbtitle(11)", Kind::Label, "Frame5", 5520, 660, 315, 180, "10").foreColor = kGrey;

    add("cmdSaveSetting", Kind::CommandButton, "", 7560, 4920, 2055, 855, "設定を保存する");
    add("cmdClose", Kind::CommandButton, "", 10080, 5040, 1875, 735, "閉じる");
    return layout;
}

void SettingsDialog::FormLoad()
{
    view_.ApplyLayout(Layout(environment_.TwipsPerPixelX(), environment_.TwipsPerPixelY()));
    view_.SetEvents(this);
    LoadSettingValues();
}

void SettingsDialog::LoadSettingValues()
{
    selBackGroundImageFile_ = config_.BackGroundImageFile();
    ShowPicture(selBackGroundImageFile_);

    selNumColor_ = config_.NumColor();
    view_.SetColorSwatch(selNumColor_);

    const std::int16_t size = config_.NumSizeIndex();
    selNumSizeIndex_ = (size >= 0 && size < kSizeOptionCount) ? size : kDefaultSizeIndex;
    view_.SelectSizeOption(selNumSizeIndex_);

    const std::int16_t position = config_.NumPosIndex();
    selNumPosIndex_ = (position >= 0 && position < kPosOptionCount && position != kUnavailablePosIndex)
                          ? position
                          : kDefaultPosIndex;
    view_.SelectPositionOption(selNumPosIndex_);

    view_.SetNumMaxText(std::to_string(config_.NumMax()));

    selRhythmFast_ = std::clamp(config_.RhythmFast(), kRhythmFastMin, kRhythmFastMax);
    selRhythmSlow_ = std::clamp(config_.RhythmSlow(), kRhythmSlowMin, kRhythmSlowMax);
    ShowRhythmFast();
    ShowRhythmSlow();
}

void SettingsDialog::ShowRhythmFast()
{
    rhythmFastBarTwips_ = kRhythmTrackTwips / 30.0F * static_cast<float>(selRhythmFast_);
    view_.ShowRhythm(RhythmCount::Fast, std::to_string(selRhythmFast_), TwipsToPixelsX(rhythmFastBarTwips_));
}

void SettingsDialog::ShowRhythmSlow()
{
    rhythmSlowBarTwips_ = kRhythmTrackTwips / 10.0F * static_cast<float>(selRhythmSlow_);
    view_.ShowRhythm(RhythmCount::Slow, std::to_string(selRhythmSlow_), TwipsToPixelsX(rhythmSlowBarTwips_));
}

std::optional<std::string> SettingsDialog::SelectImageFile()
{
    return dialogs_.SelectImageFile();
}

std::optional<std::int32_t> SettingsDialog::SelectColor()
{
    return dialogs_.SelectColor();
}

void SettingsDialog::cmdSelBgImage_Click()
{
    std::optional<std::string> path = SelectImageFile();
    if (!path) {
        return;
    }
    // A picture the display could not show is refused at once; the previous choice stays.
    if (!view_.ShowPreview(*path)) {
        messages_.Show(kPictureRefusedMessage, MessageStyle::Warning);
        view_.ShowPreview(selBackGroundImageFile_);
        return;
    }
    selBackGroundImageFile_ = std::move(*path);
    view_.SetImagePathCaption(selBackGroundImageFile_);
}

void SettingsDialog::cmdSelNumColor_Click()
{
    const std::optional<std::int32_t> color = SelectColor();
    if (!color) {
        return;
    }
    selNumColor_ = *color;
    view_.SetColorSwatch(selNumColor_);
}

void SettingsDialog::opNumSize_Click(int index)
{
    if (index >= 0 && index < kSizeOptionCount) {
        selNumSizeIndex_ = static_cast<std::int16_t>(index);
    }
}

void SettingsDialog::opNumPos_Click(int index)
{
    if (index >= 0 && index < kPosOptionCount && index != kUnavailablePosIndex) {
        selNumPosIndex_ = static_cast<std::int16_t>(index);
    }
}

void SettingsDialog::cmdRhythmFastDown_Click()
{
    if (selRhythmFast_ <= kRhythmFastMin) {
        return;
    }
    --selRhythmFast_;
    ShowRhythmFast();
}

void SettingsDialog::cmdRhythmFastUp_Click()
{
    if (selRhythmFast_ >= kRhythmFastMax) {
        return;
    }
    ++selRhythmFast_;
    ShowRhythmFast();
}

void SettingsDialog::cmdRhythmSlowDown_Click()
{
    if (selRhythmSlow_ <= kRhythmSlowMin) {
        return;
    }
    --selRhythmSlow_;
    ShowRhythmSlow();
}

void SettingsDialog::cmdRhythmSlowUp_Click()
{
    if (selRhythmSlow_ >= kRhythmSlowMax) {
        return;
    }
    ++selRhythmSlow_;
    ShowRhythmSlow();
}

void SettingsDialog::cmdSaveSetting_Click()
{
    const std::string numMaxText = view_.NumMaxText();
    if (const std::optional<std::string> refusal =
            CheckInputValue(numMaxText, ValueType::Integer, kNumMaxLabel, kNumMaxLower, kNumMaxUpper)) {
        messages_.Show(*refusal, MessageStyle::Notice);
        return;
    }
    if (selRhythmFast_ <= selRhythmSlow_) {
        messages_.Show(kRhythmOrderMessage, MessageStyle::Notice);
        return;
    }

    // A picture that has gone since it was chosen is not stored; the previous one stays in force.
    if (environment_.FileExists(selBackGroundImageFile_)) {
        config_.SetBackGroundImageFile(selBackGroundImageFile_);
    }
    config_.SetNumColor(selNumColor_);
    config_.SetNumSizeIndex(selNumSizeIndex_);
    config_.SetNumPosIndex(selNumPosIndex_);
    // The check above accepted the text as a 16-bit integer, so the conversion cannot fail here.
    config_.SetNumMax(InputTextToInt16(numMaxText).value_or(config_.NumMax()));
    config_.SetRhythmFast(selRhythmFast_);
    config_.SetRhythmSlow(selRhythmSlow_);

    // The values stay in force for this run even when the file cannot be written: the operator
    // asked for them, and the program writes the file again when it ends.
    if (!config_.WriteConfig()) {
        messages_.Show(WriteFailureMessage(config_.IniFilePath()), MessageStyle::Warning);
        Close(Outcome::SavedNotWritten);
        return;
    }
    Close(Outcome::Saved);
}

void SettingsDialog::cmdClose_Click()
{
    Close(Outcome::Closed);
}

void SettingsDialog::OnClick(std::string_view name)
{
    if (outcome_ != Outcome::Open) {
        return;
    }
    if (name == "cmdSelBgImage") {
        cmdSelBgImage_Click();
    } else if (name == "cmdSelNumColor") {
        cmdSelNumColor_Click();
    } else if (name == "cmdRhythmFastDown") {
        cmdRhythmFastDown_Click();
    } else if (name == "cmdRhythmFastUp") {
        cmdRhythmFastUp_Click();
    } else if (name == "cmdRhythmSlowDown") {
        cmdRhythmSlowDown_Click();
    } else if (name == "cmdRhythmSlowUp") {
        cmdRhythmSlowUp_Click();
    } else if (name == "cmdSaveSetting") {
        cmdSaveSetting_Click();
    } else if (name == "cmdClose") {
        cmdClose_Click();
    } else if (const std::optional<int> size = IndexOf(name, "opNumSize")) {
        opNumSize_Click(*size);
    } else if (const std::optional<int> position = IndexOf(name, "opNumPos")) {
        opNumPos_Click(*position);
    }
}

void SettingsDialog::OnCloseBox()
{
    if (outcome_ == Outcome::Open) {
        outcome_ = Outcome::Closed;
    }
}

void SettingsDialog::ShowPicture(const std::string& path)
{
    // A picture that cannot be loaded leaves the preview empty; the path still shows what was chosen.
    view_.ShowPreview(path);
    view_.SetImagePathCaption(path);
}

void SettingsDialog::Close(Outcome outcome)
{
    outcome_ = outcome;
    view_.Close();
}

std::int32_t SettingsDialog::TwipsToPixelsX(float twips) const
{
    return ToPixels(twips, environment_.TwipsPerPixelX());
}

}  // namespace palvo
