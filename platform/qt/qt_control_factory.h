#pragma once

#include <QFont>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/control_id.h"
#include "platform/window_layout.h"

class QButtonGroup;

namespace palvo {

class QtPictureSurface;

// Where the two windows' controls look different, each keeps the look it has always had.
enum class QtFormLook {
    MainWindow,  // picture boxes the program paints, Enter presses buttons, labels shrink their font
    Dialog,      // picture boxes as sunken panels, labels widen to show their whole text
};

// Builds a window's widgets from its layout table, one widget per control at the layout's exact
// pixel geometry (its QObject::objectName is the control's name), and finds them again by control.
// Applying a layout again updates the controls in place (a control whose kind changed is made
// anew). Option buttons are grouped per containing control.
class QtControlFactory {
public:
    struct Entry {
        ControlKind kind = ControlKind::Label;
        QPointer<QWidget> widget;
        QtPictureSurface* picture = nullptr;  // set for the main window's picture boxes
        std::unique_ptr<QTimer> timer;        // set for timers
    };
    using ControlHandler = std::function<void(ControlId)>;

    // Controls are made inside `window`; `font` turns the layout's font choices into fonts.
    QtControlFactory(QWidget& window, QtFormLook look, std::function<QFont(const FontChoice&)> font);
    ~QtControlFactory();

    QtControlFactory(const QtControlFactory&) = delete;
    QtControlFactory& operator=(const QtControlFactory&) = delete;

    // Clicks of buttons and option buttons, and timer ticks.
    void SetHandlers(ControlHandler clicked, ControlHandler timerFired);

    // Makes or updates every control of `controls`, in order (a parent before its children);
    // picture files named by them are looked up under `dataDirectory`.
    void Apply(const std::vector<ControlLayout>& controls, const std::string& dataDirectory);

    // The control, or nullptr when the applied layouts had none such.
    [[nodiscard]] const Entry* Find(ControlId id) const;
    // The widget of a control, or nullptr (timers have none).
    [[nodiscard]] QWidget* Widget(ControlId id) const;
    [[nodiscard]] const std::map<ControlId, Entry>& Controls() const { return controls_; }

    // Stops and drops the timers, so that none fires while the window goes away.
    void ReleaseTimers();

private:
    Entry& Create(const ControlLayout& placement);
    void Apply(const ControlLayout& placement, Entry& control, const std::string& dataDirectory);
    QWidget* ParentOf(const ControlLayout& placement);

    QWidget& window_;
    QtFormLook look_;
    std::function<QFont(const FontChoice&)> font_;
    ControlHandler clicked_;
    ControlHandler timerFired_;
    std::map<ControlId, Entry> controls_;
    std::map<std::optional<ControlId>, QButtonGroup*> optionGroups_;  // by containing control
};

}  // namespace palvo
