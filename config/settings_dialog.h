#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/config_store.h"
#include "platform/common_dialogs.h"
#include "platform/environment.h"
#include "platform/message_boxes.h"
#include "platform/settings_dialog_view.h"
#include "platform/window_layout.h"

namespace palvo {

// The settings dialog (frmSetting): edits copies of the seven settings and, on a valid save,
// stores them all into the configuration and writes its INI file. Closing without saving
// stores nothing.
//
// Use: construct over the view, call FormLoad(), then run the view modally; the view reports
// clicks through SettingsDialogEvents. The dialog object must outlive the modal run.
class SettingsDialog : public SettingsDialogEvents {
public:
    // How the dialog ended, as far as it has.
    enum class Outcome {
        Open,             // still open
        Saved,            // values stored and the INI file written
        SavedNotWritten,  // values stored, but the INI file could not be written (warning shown)
        Closed,           // closed without storing anything
    };

    // The ranges the dialog lets the user choose; the highest number has two digit places.
    static constexpr std::int16_t kRhythmFastMin = 5;
    static constexpr std::int16_t kRhythmFastMax = 30;
    static constexpr std::int16_t kRhythmSlowMin = 1;
    static constexpr std::int16_t kRhythmSlowMax = 10;
    static constexpr double kNumMaxLower = 1;
    static constexpr double kNumMaxUpper = CConfig::kHighestNumMax;

    SettingsDialog(CConfig& config, SettingsDialogView& view, CommonDialogs& dialogs, MessageBoxes& messages,
                   const Environment& environment);
    ~SettingsDialog() override;

    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    // The dialog's load: lays out the view, connects its events and runs LoadSettingValues.
    void FormLoad();

    // Fills the view and the working values from the configuration. A size or position index
    // with no usable option falls back to the default (large, centre); rhythm counts outside
    // the dialog's ranges are clamped into them. A picture that cannot be loaded leaves the
    // preview empty; its path is shown all the same.
    void LoadSettingValues();

    // Shows a rhythm count as digits and as a bar of track width / 30 (or / 10) per step.
    void ShowRhythmFast();
    void ShowRhythmSlow();

    // The chosen picture's full path, or nullopt when the user cancelled.
    [[nodiscard]] std::optional<std::string> SelectImageFile();
    // The chosen colour (0x00BBGGRR), or nullopt when the user cancelled.
    [[nodiscard]] std::optional<std::int32_t> SelectColor();

    // A chosen picture that cannot be shown is refused with a warning; the previous one stays.
    void cmdSelBgImage_Click();
    void cmdSelNumColor_Click();
    // Indexes with no selectable option (size outside 0 to 2, position outside 0 to 4 or the
    // unavailable lower right, 3) are ignored.
    void opNumSize_Click(int index);
    void opNumPos_Click(int index);
    // Each arrow stops at its range's end: 5 and 30 for the fast count, 1 and 10 for the slow.
    void cmdRhythmFastDown_Click();
    void cmdRhythmFastUp_Click();
    void cmdRhythmSlowDown_Click();
    void cmdRhythmSlowUp_Click();

    // Validates the highest number (1 to 99) and the rhythm counts (fast above slow), showing a
    // notice and staying open on the first failure. Otherwise stores every value (the picture
    // path only when a file exists there), writes the INI file and closes; when the file cannot
    // be written a warning says so, the stored values stay in force and the dialog still closes.
    void cmdSaveSetting_Click();
    // Closes without storing anything.
    void cmdClose_Click();

    void OnClick(ControlId button) override;
    void OnCloseBox() override;

    Outcome Result() const { return outcome_; }

    // The working values.
    const std::string& SelBackGroundImageFile() const { return selBackGroundImageFile_; }
    std::int32_t SelNumColor() const { return selNumColor_; }
    std::int16_t SelNumSizeIndex() const { return selNumSizeIndex_; }
    std::int16_t SelNumPosIndex() const { return selNumPosIndex_; }
    std::int16_t SelRhythmFast() const { return selRhythmFast_; }
    std::int16_t SelRhythmSlow() const { return selRhythmSlow_; }

    // The bars' widths in twips (single precision, as computed for display).
    float RhythmFastBarTwips() const { return rhythmFastBarTwips_; }
    float RhythmSlowBarTwips() const { return rhythmSlowBarTwips_; }

private:
    void ShowPicture(const std::string& path);
    void Close(Outcome outcome);
    std::int32_t TwipsToPixelsX(float twips) const;

    CConfig& config_;
    SettingsDialogView& view_;
    CommonDialogs& dialogs_;
    MessageBoxes& messages_;
    const Environment& environment_;

    std::string selBackGroundImageFile_;
    std::int32_t selNumColor_ = 0;
    std::int16_t selNumSizeIndex_ = 0;
    std::int16_t selNumPosIndex_ = 0;
    std::int16_t selRhythmFast_ = 0;
    std::int16_t selRhythmSlow_ = 0;
    float rhythmFastBarTwips_ = 0;
    float rhythmSlowBarTwips_ = 0;
    Outcome outcome_ = Outcome::Open;
};

}  // namespace palvo
