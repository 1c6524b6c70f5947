#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/qt_conversions.h"
#include "texts/japanese.h"

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
    box.setWindowTitle(ToQString(texts::kMessageBoxTitle));
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
        case MessageStyle::QuestionNoDefault:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(style == MessageStyle::Question ? QMessageBox::Yes : QMessageBox::No);
            // Escape and the title bar's close button work (through the No button, which they do
            // not press: they answer Closed), never a silent Yes.
            box.setEscapeButton(QMessageBox::No);
            break;
    }
    // The buttons read as on Japanese Windows, whichever translations the system has.
    const struct {
        QMessageBox::StandardButton button;
        std::string_view text;
    } captions[] = {{QMessageBox::Ok, texts::kOkButton},
                    {QMessageBox::Yes, texts::kYesButton},
                    {QMessageBox::No, texts::kNoButton}};
    for (const auto& caption : captions) {
        if (QAbstractButton* button = box.button(caption.button)) {
            button->setText(ToQString(caption.text));
        }
    }
    // Centred over the owner, wholly on its screen: left to itself the box can open at the
    // screen's edge when the window manager has not placed the owner yet.
    if (QWidget* owner = owner_.data(); owner != nullptr && owner->isVisible()) {
        box.adjustSize();
        // The box's frame is not known before it is shown; the owner's is the best guess.
        const QSize frame = owner->frameGeometry().size() - owner->size();
        QRect place(QPoint(0, 0), box.size().expandedTo(box.sizeHint()) + frame);
        place.moveCenter(owner->frameGeometry().center());
        if (const QScreen* screen = owner->screen()) {
            const QRect work = screen->availableGeometry();
            place.moveRight(std::min(place.right(), work.right()));
            place.moveBottom(std::min(place.bottom(), work.bottom()));
            place.moveLeft(std::max(place.left(), work.left()));
            place.moveTop(std::max(place.top(), work.top()));
        }
        box.move(place.topLeft());
    }
    const int pressed = box.exec();
    if (IsQuestion(style)) {
        if (box.ClosedWithoutChoice()) {
            return MessageAnswer::Closed;
        }
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

}  // namespace palvo
