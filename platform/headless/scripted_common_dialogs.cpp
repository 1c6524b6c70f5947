#include "platform/headless/scripted_common_dialogs.h"

namespace palvo {

std::string ScriptedCommonDialogs::SelectImageFile()
{
    ++imageFileRequests_;
    if (imageFiles_.empty()) {
        return {};
    }
    std::string path = std::move(imageFiles_.front());
    imageFiles_.pop_front();
    return path;
}

std::int32_t ScriptedCommonDialogs::SelectColor()
{
    ++colorRequests_;
    if (colors_.empty()) {
        return -1;
    }
    const std::int32_t color = colors_.front();
    colors_.pop_front();
    return color;
}

}  // namespace palvo
