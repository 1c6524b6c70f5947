#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/common_dialogs.h"

namespace palvo {

// File and colour dialogs that answer from a script, in order; an empty script answers as a
// cancelled dialog.
class ScriptedCommonDialogs : public CommonDialogs {
public:
    void QueueImageFile(std::string path) { imageFiles_.push_back(std::move(path)); }
    void QueueColor(std::int32_t color) { colors_.push_back(color); }

    std::optional<std::string> SelectImageFile(const std::string& current) override;
    std::optional<std::int32_t> SelectColor() override;

    int ImageFileRequests() const { return imageFileRequests_; }
    // The picture the last file dialog was to open beside.
    const std::string& ImageFileStart() const { return imageFileStart_; }
    int ColorRequests() const { return colorRequests_; }

private:
    std::deque<std::string> imageFiles_;
    std::deque<std::int32_t> colors_;
    int imageFileRequests_ = 0;
    std::string imageFileStart_;
    int colorRequests_ = 0;
};

}  // namespace palvo
