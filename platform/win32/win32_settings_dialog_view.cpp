#include "platform/win32/win32_settings_dialog_view.h"

#include <utility>

namespace palvo::win32 {

Win32SettingsDialogView::Win32SettingsDialogView(HINSTANCE instance, HWND owner,
                                                 std::string applicationDirectory)
    : form_(instance, std::move(applicationDirectory))
{
    form_.SetOwner(owner);
    form_.SetEvents(this);
}

Win32SettingsDialogView::~Win32SettingsDialogView()
{
    form_.SetEvents(nullptr);
    form_.Close();
}

bool Win32SettingsDialogView::ShowPreview(const std::string& path)
{
    Win32PictureBox* preview = form_.Picture(Control::imgBgCap);
    if (preview == nullptr) {
        return false;
    }
    if (preview->LoadPicture(path)) {
        return true;
    }
    preview->RemovePicture();
    return false;
}

void Win32SettingsDialogView::SetImagePathCaption(std::string_view path)
{
    form_.SetText(Control::lbBgImgFile, path);
}

void Win32SettingsDialogView::SetColorSwatch(std::int32_t color)
{
    form_.SetBackColor(Control::spNumColor, color);
}

void Win32SettingsDialogView::SelectOption(Control group, int index)
{
    for (int option = 0; option < ElementCount(group); ++option) {
        form_.SetChecked(ControlId(group, option), option == index);
    }
}

void Win32SettingsDialogView::SelectSizeOption(int index)
{
    SelectOption(Control::opNumSize, index);
}

void Win32SettingsDialogView::SelectPositionOption(int index)
{
    SelectOption(Control::opNumPos, index);
}

void Win32SettingsDialogView::SetNumMaxText(std::string_view text)
{
    form_.SetText(Control::txtNumMax, text);
}

std::string Win32SettingsDialogView::NumMaxText() const
{
    return form_.Text(Control::txtNumMax);
}

void Win32SettingsDialogView::ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth)
{
    const bool fast = count == RhythmCount::Fast;
    form_.SetText(fast ? Control::lbRhythmFast : Control::lbRhythmSlow, digits);
    const Control bar = fast ? Control::spRhythmFast : Control::spRhythmSlow;
    if (const std::optional<RECT> bounds = form_.Bounds(bar)) {
        form_.SetBounds(bar, bounds->left, bounds->top, barWidth, bounds->bottom - bounds->top);
    }
}

void Win32SettingsDialogView::OnClick(ControlId button)
{
    if (events_ != nullptr) {
        events_->OnClick(button);
    }
}

bool Win32SettingsDialogView::OnCloseRequest()
{
    if (events_ != nullptr) {
        events_->OnCloseBox();
    }
    return true;
}

}  // namespace palvo::win32
