#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/window_layout.h"
#include "platform/settings_dialog_view.h"

namespace palvo {

// Decides whether a picture file can be shown; the headless preview decodes nothing.
using PreviewLoader = std::function<bool(const std::string& path)>;

// The settings dialog's window held in memory: records what the logic shows and lets a test
// act as the user (clicks, typing, the close box).
class HeadlessSettingsDialogView : public SettingsDialogView {
public:
    // `loader` decides which picture files load; by default those that exist as files.
    explicit HeadlessSettingsDialogView(PreviewLoader loader = {});

    void SetEvents(SettingsDialogEvents* events) override { events_ = events; }
    void ApplyLayout(const WindowLayout& layout) override { layout_ = layout; }
    bool ShowPreview(const std::string& path) override;
    void SetImagePathCaption(std::string_view path) override { imagePathCaption_ = path; }
    void SetColorSwatch(std::int32_t color) override { colorSwatch_ = color; }
    void SelectSizeOption(int index) override { sizeOption_ = index; }
    void SelectPositionOption(int index) override { positionOption_ = index; }
    void SetNumMaxText(std::string_view text) override { numMaxText_ = text; }
    std::string NumMaxText() const override { return numMaxText_; }
    void ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth) override;
    void Close() override { ++closeCount_; }

    // Acting as the user. A click on a control that the layout has disabled, or after the window
    // closed, does nothing; clicking an option button checks it first, as a real window does.
    void Click(ControlId id);
    void TypeNumMax(std::string_view text) { numMaxText_ = text; }
    void PressCloseBox();

    // What the window shows.
    const WindowLayout& Layout() const { return layout_; }
    const std::string& PreviewPath() const { return previewPath_; }  // "" when the preview is empty
    int PreviewLoads() const { return previewLoads_; }
    const std::string& ImagePathCaption() const { return imagePathCaption_; }
    std::int32_t ColorSwatch() const { return colorSwatch_; }
    int SizeOption() const { return sizeOption_; }
    int PositionOption() const { return positionOption_; }
    const std::string& RhythmDigits(RhythmCount count) const;
    std::int32_t RhythmBarWidth(RhythmCount count) const;
    bool IsClosed() const { return closeCount_ > 0; }
    int CloseCount() const { return closeCount_; }

private:
    PreviewLoader loader_;
    SettingsDialogEvents* events_ = nullptr;
    WindowLayout layout_;
    std::string previewPath_;
    int previewLoads_ = 0;
    std::string imagePathCaption_;
    std::int32_t colorSwatch_ = -1;
    int sizeOption_ = -1;
    int positionOption_ = -1;
    std::string numMaxText_;
    std::string fastDigits_;
    std::string slowDigits_;
    std::int32_t fastBarWidth_ = 0;
    std::int32_t slowBarWidth_ = 0;
    int closeCount_ = 0;
};

}  // namespace palvo
