#include "platform/headless/headless_settings_dialog_view.h"

#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/paths.h"

namespace palvo {

namespace {

// "opNumSize(2)" gives ("opNumSize", 2); a name without an index gives (name, -1).
std::pair<std::string, int> SplitArrayName(const std::string& name)
{
    const std::size_t open = name.find('(');
    if (open == std::string::npos || name.back() != ')') {
        return {name, -1};
    }
    int index = -1;
    std::from_chars(name.data() + open + 1, name.data() + name.size() - 1, index);
    return {name.substr(0, open), index};
}

}  // namespace

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

void HeadlessSettingsDialogView::Click(const std::string& name)
{
    if (IsClosed() || events_ == nullptr) {
        return;
    }
    const ControlLayout* control = layout_.Find(name);
    if (control == nullptr || !control->enabled) {
        return;
    }
    if (control->kind == ControlKind::OptionButton) {
        const auto [group, index] = SplitArrayName(name);
        if (group == "opNumSize") {
            sizeOption_ = index;
        } else if (group == "opNumPos") {
            positionOption_ = index;
        }
    }
    events_->OnClick(name);
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
