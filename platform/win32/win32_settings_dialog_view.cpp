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
    Win32PictureBox* preview = form_.Picture("imgBgCap");
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
    form_.SetText("lbBgImgFile", path);
}

void Win32SettingsDialogView::SetColorSwatch(std::int32_t color)
{
    form_.SetBackColor("spNumColor", color);
}

void Win32SettingsDialogView::SelectOption(const char* group, int count, int index)
{
    for (int option = 0; option < count; ++option) {
        form_.SetChecked(ArrayName(group, option), option == index);
    }
}

void Win32SettingsDialogView::SelectSizeOption(int index)
{
    SelectOption("opNumSize", 3, index);
}

void Win32SettingsDialogView::SelectPositionOption(int index)
{
    SelectOption("opNumPos", 5, index);
}

void Win32SettingsDialogView::SetNumMaxText(std::string_view text)
{
    form_.SetText("txtNumMax", text);
}

std::string Win32SettingsDialogView::NumMaxText() const
{
    return form_.Text("txtNumMax");
}

void Win32SettingsDialogView::ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth)
{
    const bool fast = count == RhythmCount::Fast;
    form_.SetText(fast ? "lbRhythmFast" : "lbRhythmSlow", digits);
    const char* bar = fast ? "spRhythmFast" : "spRhythmSlow";
    if (const std::optional<RECT> bounds = form_.Bounds(bar)) {
        form_.SetBounds(bar, bounds->left, bounds->top, barWidth, bounds->bottom - bounds->top);
    }
}

void Win32SettingsDialogView::OnClick(std::string_view name)
{
    if (events_ != nullptr) {
        events_->OnClick(name);
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
