#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_conversions.h"

namespace palvo {
namespace {

// A box that tells a button pressed from a box shut without a choice (Escape, its close box, a
// close from outside), which QMessageBox reports as a press of its escape button.
class AnswerBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    bool ClosedWithoutChoice() const { return closedWithoutChoice_; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            closedWithoutChoice_ = true;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (clickedButton() == nullptr) {
            closedWithoutChoice_ = true;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool closedWithoutChoice_ = false;
};

}  // namespace

MessageAnswer QtMessageBoxes::Show(std::string_view text, MessageStyle style)
{
    AnswerBox box(owner_.data());
    box.setWindowTitle(QStringLiteral("Palvo"));
    box.setText(ToQString(text));
    switch (style) {
        case MessageStyle::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::Notice:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::Question:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            // Escape and the title bar's close button work (through the No button, which they do
            // not press: they answer Closed), never a silent Yes.
            box.setEscapeButton(QMessageBox::No);
            break;
    }
    // The buttons read as on Japanese Windows, whichever translations the system has.
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } captions[] = {{QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "はい(&Y)"}, {QMessageBox::No, "いいえ(&N)"}};
    for (const auto& caption : captions) {
        if (QAbstractButton* button = box.button(caption.button)) {
            button->setText(QString::fromUtf8(caption.text));
        }
    }
    const int pressed = box.exec();
    if (style == MessageStyle::Question) {
        if (box.ClosedWithoutChoice()) {
            return MessageAnswer::Closed;
        }
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

}  // namespace palvo
