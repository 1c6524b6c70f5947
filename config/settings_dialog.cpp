#include "config/settings_dialog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "config/ini_routines.h"
#include "config/input_validation.h"
#include "config/settings_dialog_layout.h"
#include "platform/twips.h"
#include "texts/fill_in.h"
#include "texts/japanese.h"

namespace palvo {

namespace {

constexpr std::int16_t kDefaultSizeIndex = 2;  // large
constexpr std::int16_t kDefaultPosIndex = 4;   // centre
constexpr int kSizeOptionCount = 3;
constexpr int kPosOptionCount = 5;

std::string WriteFailureMessage(const std::string& iniFilePath)
{
    return texts::FillIn(texts::kSaveWriteFailure, {iniFilePath});
}

// Why palvo.ini cannot keep `path` as it is, and what to do; nullopt when it can.
std::optional<std::string> UnstorablePathMessage(const std::string& path)
{
    if (FitsIniText(path)) {
        return std::nullopt;
    }
    const std::string outside = CharactersOutsideCp932(path);
    if (!outside.empty()) {
        return texts::FillIn(texts::kPictureNameUnstorable, {outside, path});
    }
    return texts::FillIn(texts::kPicturePathTooLong, {path});
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

void SettingsDialog::FormLoad()
{
    view_.ApplyLayout(SettingsDialogLayout(environment_.TwipsPerPixelX(), environment_.TwipsPerPixelY()));
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
    selNumPosIndex_ = (position >= 0 && position < kPosOptionCount && position != CConfig::kUnusablePosIndex)
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
    return dialogs_.SelectImageFile(selBackGroundImageFile_);
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
    // Stored, it would come back as another path; the previous choice stays.
    if (const std::optional<std::string> refusal = UnstorablePathMessage(*path)) {
        messages_.Show(*refusal, MessageStyle::Warning);
        return;
    }
    // A picture the display could not show is refused at once; the previous choice stays.
    if (!view_.ShowPreview(*path)) {
        messages_.Show(texts::kBackgroundWarning, MessageStyle::Warning);
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
    if (index >= 0 && index < kPosOptionCount && index != CConfig::kUnusablePosIndex) {
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
    if (const std::optional<std::string> refusal = CheckInputValue(
            numMaxText, ValueType::Integer, texts::kNumMaxLabel, kNumMaxLower, kNumMaxUpper)) {
        messages_.Show(*refusal, MessageStyle::Notice);
        return;
    }
    if (selRhythmFast_ <= selRhythmSlow_) {
        messages_.Show(texts::kRhythmOrder, MessageStyle::Notice);
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

void SettingsDialog::OnClick(ControlId button)
{
    if (outcome_ != Outcome::Open) {
        return;
    }
    switch (button.control()) {
        case Control::cmdSelBgImage:
            cmdSelBgImage_Click();
            break;
        case Control::cmdSelNumColor:
            cmdSelNumColor_Click();
            break;
        case Control::cmdRhythmFastDown:
            cmdRhythmFastDown_Click();
            break;
        case Control::cmdRhythmFastUp:
            cmdRhythmFastUp_Click();
            break;
        case Control::cmdRhythmSlowDown:
            cmdRhythmSlowDown_Click();
            break;
        case Control::cmdRhythmSlowUp:
            cmdRhythmSlowUp_Click();
            break;
        case Control::cmdSaveSetting:
            cmdSaveSetting_Click();
            break;
        case Control::cmdClose:
            cmdClose_Click();
            break;
        case Control::opNumSize:
            opNumSize_Click(button.index());
            break;
        case Control::opNumPos:
            opNumPos_Click(button.index());
            break;
        default:
            break;  // labels, frames and the main window's controls have no click here
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
    return TwipsToPixels(twips, environment_.TwipsPerPixelX());
}

}  // namespace palvo
