#pragma once

#include <string_view>

namespace palvo {

// The three kinds of message box the program shows; the values are the Windows flags.
enum class MessageStyle : int {
    Warning = 48,   // OK button, exclamation icon
    Notice = 64,    // OK button, information icon
    Question = 36,  // Yes and No buttons, question icon
    // As Question with No the default button: for a question whose Yes undoes something.
    QuestionNoDefault = 36 | 256,
};

// True for the styles that ask Yes or No.
constexpr bool IsQuestion(MessageStyle style)
{
    return style == MessageStyle::Question || style == MessageStyle::QuestionNoDefault;
}

enum class MessageAnswer {
    Ok,
    Yes,
    No,
    Closed,  // a question shut without a choice: its close box, Escape, or the end of the program
};

// Modal message boxes titled with the program title "Palvo".
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows `text` and returns when the user has closed the box, with the button pressed (a box
    // closed without a choice answers Ok, or Closed for a question: never taken for a No).
    virtual MessageAnswer Show(std::string_view text, MessageStyle style) = 0;
};

}  // namespace palvo
