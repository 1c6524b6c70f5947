#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "platform/qt/qt_control_factory.h"
#include "platform/settings_dialog_view.h"

namespace palvo {

// The settings dialog's window on Qt Widgets, built from the dialog's layout table by the same
// control factory as the main window, in the dialog's look (see QtFormLook): frames as group
// boxes, option buttons grouped per frame, picture boxes as sunken panels, the preview stretched.
// Its close box, the system menu and Escape close it without saving (OnCloseBox).
class QtSettingsDialog : public QDialog, public SettingsDialogView {
    Q_OBJECT

public:
    // A dialog owned by `owner` (modal over it); `twipsPerPixelY` sizes the layout's fonts.
    QtSettingsDialog(QWidget* owner, double twipsPerPixelY);
    ~QtSettingsDialog() override;

    void SetEvents(SettingsDialogEvents* events) override { events_ = events; }
    void ApplyLayout(const WindowLayout& layout) override;
    bool ShowPreview(const std::string& path) override;
    void SetImagePathCaption(std::string_view path) override;
    void SetColorSwatch(std::int32_t color) override;
    void SelectSizeOption(int index) override;
    void SelectPositionOption(int index) override;
    void SetNumMaxText(std::string_view text) override;
    std::string NumMaxText() const override;
    void ShowRhythm(RhythmCount count, std::string_view digits, std::int32_t barWidth) override;
    void Close() override;

    // The widget of a layout control, or nullptr; for tests and screenshots.
    QWidget* Widget(ControlId id) const;

    // Whether the preview currently shows a picture.
    bool HasPreview() const;

protected:
    void reject() override;

private:
    void SelectOption(Control group, int index);

    double twipsPerPixelY_;
    SettingsDialogEvents* events_ = nullptr;
    QtControlFactory controls_;
};

}  // namespace palvo
