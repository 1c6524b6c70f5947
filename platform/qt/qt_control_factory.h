#pragma once

#include <QFont>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_layout.h"

class QButtonGroup;

namespace palvo {

class QtPictureSurface;

// Where the two windows' controls look different, each keeps the look it has always had.
enum class QtFormLook {
    MainWindow,  // picture boxes the program paints, Enter presses buttons, labels shrink their font
    Dialog,      // picture boxes as sunken panels, labels widen to show their whole text
};

// Builds a window's widgets from its layout table, one widget per control named after it
// (QObject::objectName) at the layout's exact pixel geometry, and finds them again by name.
// Applying a layout again updates the controls in place (a control whose kind changed is made
// anew). Option buttons are grouped per containing control.
class QtControlFactory {
public:
    struct Control {
        ControlKind kind = ControlKind::Label;
        QPointer<QWidget> widget;
        QtPictureSurface* picture = nullptr;  // set for the main window's picture boxes
        std::unique_ptr<QTimer> timer;        // set for timers
    };
    using NameHandler = std::function<void(const std::string& name)>;

    // Controls are made inside `window`; `font` turns the layout's font choices into fonts.
    QtControlFactory(QWidget& window, QtFormLook look, std::function<QFont(const FontChoice&)> font);
    ~QtControlFactory();

    QtControlFactory(const QtControlFactory&) = delete;
    QtControlFactory& operator=(const QtControlFactory&) = delete;

    // Clicks of buttons and option buttons, and timer ticks, by control name.
    void SetHandlers(NameHandler clicked, NameHandler timerFired);

    // Makes or updates every control of `controls`, in order (a parent before its children);
    // picture files named by them are looked up under `dataDirectory`.
    void Apply(const std::vector<ControlLayout>& controls, const std::string& dataDirectory);

    [[nodiscard]] const Control* Find(std::string_view name) const;
    // The widget of a control, or nullptr (timers have none).
    [[nodiscard]] QWidget* Widget(std::string_view name) const;
    [[nodiscard]] const std::map<std::string, Control, std::less<>>& Controls() const { return controls_; }

    // Stops and drops the timers, so that none fires while the window goes away.
    void ReleaseTimers();

private:
    Control& Create(const ControlLayout& placement);
    void Apply(const ControlLayout& placement, Control& control, const std::string& dataDirectory);
    QWidget* ParentOf(const ControlLayout& placement);

    QWidget& window_;
    QtFormLook look_;
    std::function<QFont(const FontChoice&)> font_;
    NameHandler clicked_;
    NameHandler timerFired_;
    std::map<std::string, Control, std::less<>> controls_;
    std::map<std::string, QButtonGroup*, std::less<>> optionGroups_;  // by containing control
};

}  // namespace palvo
