#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/environment.h"
#include "platform/main_window_view.h"
#include "platform/qt/qt_control_factory.h"
#include "platform/qt/qt_picture_surface.h"

namespace palvo {

class QtFormWidget;

// The main window as Qt widgets: one widget per control of the layout (its QObject::objectName
// is the control's name), placed at the layout's exact pixel geometry.
//
// Keyboard: Space and Enter press the focused button; Page Down (a presentation clicker)
// presses cmdStart while it is enabled; a held key presses once. Closing the window asks
// MainWindowEvents first.
class QtMainWindowView : public MainWindowView {
public:
    // Picture files named by the layout are looked up under environment.DataDirectory().
    explicit QtMainWindowView(const Environment& environment);
    ~QtMainWindowView() override;

    QtMainWindowView(const QtMainWindowView&) = delete;
    QtMainWindowView& operator=(const QtMainWindowView&) = delete;

    // The top-level window (exists from construction on; owner of the message boxes).
    QWidget& Window();

    // The widget of a control, or nullptr (timers have none).
    QWidget* Widget(ControlId id) const;

    void SetEvents(MainWindowEvents* events) override;
    void ApplyLayout(const WindowLayout& layout) override;
    PictureSurface& Picture(ControlId id) override;
    void SetEnabled(ControlId id, bool enabled) override;
    bool IsEnabled(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    std::string Text(ControlId id) const override;
    void ListAddItem(ControlId id, std::string_view item) override;
    void ListClear(ControlId id) override;
    int ListCount(ControlId id) const override;
    void ListSelect(ControlId id, int index) override;
    void SetTimerEnabled(ControlId id, bool enabled) override;
    void SetFocus(ControlId id) override;
    void Show() override;
    void Close() override;

private:
    void PressStartFromKeyboard();
    void FocusFirstButton();
    // No control has the focus until `control` is enabled and takes it.
    void WaitWithFocus(QWidget* control);

    const Environment& environment_;
    MainWindowEvents* events_ = nullptr;
    std::unique_ptr<QtFormWidget> window_;
    QtControlFactory controls_;  // after window_: its timers stop before the widgets go away
    std::optional<ControlId> pendingFocus_;
    QPointer<QWidget> waitingFocus_;
    std::unique_ptr<QtPictureSurface> missingPicture_;
};

}  // namespace palvo
