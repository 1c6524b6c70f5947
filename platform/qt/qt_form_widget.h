#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

namespace palvo {

// The main window's top-level widget: forwards close requests and activation to the view, and
// keeps a layout's outer size once the window manager has framed it.
class QtFormWidget : public QWidget {
public:
    std::function<bool()> allowClose;  // true: the window may close now
    std::function<void()> closed;
    std::function<void()> activated;
    QSize outerSize;  // 0 x 0: the client size is fixed instead
    bool closeGranted = false;

    void FocusFirstChild() { focusNextChild(); }

    void KeepOuterSize();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace palvo
