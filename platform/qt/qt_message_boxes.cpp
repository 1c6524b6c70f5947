#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_conversions.h"

namespace palvo {

MessageAnswer QtMessageBoxes::Show(std::string_view text, MessageStyle style)
{
    QMessageBox box(owner_.data());
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
            // Escape or the title bar's close button answers No, never a silent Yes.
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
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

}  // namespace palvo
