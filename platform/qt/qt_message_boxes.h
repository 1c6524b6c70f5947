#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/message_boxes.h"

namespace palvo {

// Modal QMessageBox dialogs titled "Palvo", centred over an owner window when one is set.
class QtMessageBoxes : public MessageBoxes {
public:
    // The window the boxes are modal to; nullptr (the default) makes them application-modal.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer Show(std::string_view text, MessageStyle style) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace palvo
