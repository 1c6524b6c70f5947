#include "platform/headless/scripted_message_boxes.h"

namespace palvo {

MessageAnswer ScriptedMessageBoxes::Show(std::string_view text, MessageStyle style)
{
    shown_.push_back(Shown{std::string(text), style});
    if (whileOpen_) {
        whileOpen_(shown_.back());
    }
    if (answers_.empty()) {
        return IsQuestion(style) ? MessageAnswer::No : MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace palvo
