#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace palvo {

// Message boxes that record every text and style shown and answer from a queue of scripted
// answers (Ok, or No for a question, once the queue is empty; Closed is queued like a button).
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        MessageStyle style;
    };

    MessageAnswer Show(std::string_view text, MessageStyle style) override;

    // The answer to give to the next box shown.
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // Runs while a box is open, as the user would act while it waits (e.g. a close request).
    void SetWhileOpen(std::function<void(const Shown&)> action) { whileOpen_ = std::move(action); }

    const std::vector<Shown>& Messages() const { return shown_; }
    void ClearMessages() { shown_.clear(); }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<Shown> shown_;
    std::function<void(const Shown&)> whileOpen_;
};

}  // namespace palvo
