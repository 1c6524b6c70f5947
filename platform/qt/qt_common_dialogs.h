#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/common_dialogs.h"

namespace palvo {

// Qt's own file-open and colour dialogs, modal over an owner window when one is set.
class QtCommonDialogs : public CommonDialogs {
public:
    // Needs the QApplication. Makes Qt's standard dialogs (these, message box buttons) speak
    // Japanese, once per process, where Qt's Japanese translation is installed.
    QtCommonDialogs();

    // The window the dialogs are modal to; nullptr makes them application-modal.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    // Offers the one entry "画像ファイル (*.bmp;*.gif;*.jpg)", matching the suffixes in any case,
    // in the folder of `current` with it selected; returns the chosen file's absolute path, or
    // nullopt when cancelled.
    std::optional<std::string> SelectImageFile(const std::string& current) override;
    // Returns the chosen colour as 0x00BBGGRR, or nullopt when cancelled.
    std::optional<std::int32_t> SelectColor() override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace palvo
