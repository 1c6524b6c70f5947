#include "platform/headless/scripted_common_dialogs.h"

namespace palvo {

std::optional<std::string> ScriptedCommonDialogs::SelectImageFile(const std::string& current)
{
    ++imageFileRequests_;
    imageFileStart_ = current;
    if (imageFiles_.empty()) {
        return std::nullopt;
    }
    std::string path = std::move(imageFiles_.front());
    imageFiles_.pop_front();
    return path;
}

std::optional<std::int32_t> ScriptedCommonDialogs::SelectColor()
{
    ++colorRequests_;
    if (colors_.empty()) {
        return std::nullopt;
    }
    const std::int32_t color = colors_.front();
    colors_.pop_front();
    return color;
}

}  // namespace palvo
