#include "platform/headless/headless_settings_dialog_view.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/paths.h"

namespace palvo {

HeadlessSettingsDialogView::HeadlessSettingsDialogView(PreviewLoader loader) : loader_(std::move(loader))
{
    if (!loader_) {
        loader_ = [](const std::string& path) {
            std::error_code error;
            return std::filesystem::is_regular_file(PathFromUtf8(path), error);
        };
    }
}

bool HeadlessSettingsDialogView::ShowPreview(const std::string& path)
{
    ++previewLoads_;
    if (!loader_(path)) {
        previewPath_.clear();
        return false;
    }
    previewPath_ = path;
    return true;
}

void HeadlessSettingsDialogView::ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth)
{
    if (count == RhythmCount::Fast) {
        fastDigits_ = digits;
        fastBarWidth_ = barWidth;
    } else {
        slowDigits_ = digits;
        slowBarWidth_ = barWidth;
    }
}

void HeadlessSettingsDialogView::Click(ControlId id)
{
    if (IsClosed() || events_ == nullptr) {
        return;
    }
    const ControlLayout* control = layout_.Find(id);
    if (control == nullptr || !control->enabled) {
        return;
    }
    if (id.control() == Control::opNumSize) {
        sizeOption_ = id.index();
    } else if (id.control() == Control::opNumPos) {
        positionOption_ = id.index();
    }
    events_->OnClick(id);
}

void HeadlessSettingsDialogView::PressCloseBox()
{
    if (IsClosed()) {
        return;
    }
    if (events_ != nullptr) {
        events_->OnCloseBox();
    }
    ++closeCount_;
}

const std::string& HeadlessSettingsDialogView::RhythmDigits(RhythmCount count) const
{
    return count == RhythmCount::Fast ? fastDigits_ : slowDigits_;
}

std::int32_t HeadlessSettingsDialogView::RhythmBarWidth(RhythmCount count) const
{
    return count == RhythmCount::Fast ? fastBarWidth_ : slowBarWidth_;
}

}  // namespace palvo
