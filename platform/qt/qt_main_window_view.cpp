#include "platform/qt/qt_main_window_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <utility>

#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_form_widget.h"

namespace palvo {

QtMainWindowView::QtMainWindowView(const Environment& environment)
    : environment_(environment),
      window_(std::make_unique<QtFormWidget>()),
      controls_(*window_, QtFormLook::MainWindow, PointFont)
{
    window_->setObjectName(QStringLiteral("frmMain"));
    window_->setAutoFillBackground(true);
    window_->setFont(PointFont(FontChoice{}));
    controls_.SetHandlers(
        [this](ControlId button) {
            if (events_ != nullptr) {
                events_->OnClick(button);
            }
        },
        [this](ControlId timer) {
            if (events_ != nullptr) {
                events_->OnTimer(timer);
            }
        });
    window_->allowClose = [this] { return events_ == nullptr || events_->OnCloseRequest(); };
    window_->closed = [this] {
        if (events_ != nullptr) {
            events_->OnClosed();
        }
    };
    window_->activated = [this] {
        if (events_ != nullptr) {
            events_->OnActivate();
        }
    };
    auto* clicker = new QShortcut(QKeySequence(Qt::Key_PageDown), window_.get());
    clicker->setContext(Qt::WindowShortcut);
    clicker->setAutoRepeat(false);
    QObject::connect(clicker, &QShortcut::activated, window_.get(), [this] { PressStartFromKeyboard(); });
}

QtMainWindowView::~QtMainWindowView()
{
    // Timers stop before the widgets and the events they would reach go away.
    controls_.ReleaseTimers();
    events_ = nullptr;
}

QWidget& QtMainWindowView::Window()
{
    return *window_;
}

QWidget* QtMainWindowView::Widget(ControlId id) const
{
    return controls_.Widget(id);
}

void QtMainWindowView::SetEvents(MainWindowEvents* events)
{
    events_ = events;
}

void QtMainWindowView::ApplyLayout(const WindowLayout& layout)
{
    QtFormWidget& window = *window_;
    window.setWindowTitle(QString::fromStdString(layout.caption));
    if (layout.backColor.has_value()) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, ToQColor(*layout.backColor));
        window.setPalette(palette);
    }
    // The window keeps its size: no maximise button that would do nothing.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    if (layout.clientWidth > 0 && layout.clientHeight > 0) {
        window.outerSize = QSize();
        window.setFixedSize(layout.clientWidth, layout.clientHeight);
    } else {
        // Until the window manager reports its frame, the outer size is all client area.
        window.outerSize = QSize(layout.outerWidth, layout.outerHeight);
        window.setFixedSize(window.outerSize);
        window.KeepOuterSize();
    }
    controls_.Apply(layout.controls, environment_.DataDirectory());
}

PictureSurface& QtMainWindowView::Picture(ControlId id)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control != nullptr && control->picture != nullptr) {
        return *control->picture;
    }
    // Outside the contract (a control this window lacks); an empty detached box keeps it harmless.
    if (!missingPicture_) {
        missingPicture_ = std::make_unique<QtPictureSurface>();
    }
    return *missingPicture_;
}

void QtMainWindowView::SetEnabled(ControlId id, bool enabled)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control == nullptr) {
        return;
    }
    if (control->timer) {
        SetTimerEnabled(id, enabled);
        return;
    }
    QWidget* widget = control->widget.data();
    if (widget == nullptr) {
        return;
    }
    // The window's own focus, which it keeps while the players' window is the active one.
    QWidget* focus = window_->focusWidget();
    if (!enabled && focus != nullptr && focus != window_.get() &&
        (focus == widget || widget->isAncestorOf(focus))) {
        WaitWithFocus(focus);
    }
    widget->setEnabled(enabled);
    if (enabled && waitingFocus_ && waitingFocus_->isEnabled() && waitingFocus_->isVisible() &&
        (waitingFocus_ == widget || widget->isAncestorOf(waitingFocus_))) {
        QWidget* waiting = std::exchange(waitingFocus_, nullptr);
        // Unless the operator has put the focus somewhere meanwhile.
        if (window_->focusWidget() == nullptr || window_->focusWidget() == window_.get()) {
            waiting->setFocus(Qt::OtherFocusReason);
        }
    }
}

void QtMainWindowView::WaitWithFocus(QWidget* control)
{
    // The window itself holds the focus meanwhile: Qt would hand it to the next button (after the
    // last number, Space would page the board back), and a window without a focus widget gives
    // its first button the focus when it becomes active again.
    waitingFocus_ = control;
    window_->setFocus(Qt::OtherFocusReason);
}

bool QtMainWindowView::IsEnabled(ControlId id) const
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control == nullptr) {
        return false;
    }
    if (control->timer) {
        return control->timer->isActive();
    }
    return control->widget && control->widget->isEnabled();
}

void QtMainWindowView::SetText(ControlId id, std::string_view text)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control == nullptr || !control->widget) {
        return;
    }
    const QString value = ToQString(text);
    QWidget* widget = control->widget.data();
    switch (control->kind) {
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
            static_cast<QAbstractButton*>(widget)->setText(value);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(widget)->setText(value);
            break;
        case ControlKind::TextBox:
            static_cast<QLineEdit*>(widget)->setText(value);
            break;
        case ControlKind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(value);
            break;
        default:
            break;
    }
}

std::string QtMainWindowView::Text(ControlId id) const
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control == nullptr || !control->widget) {
        return {};
    }
    const QWidget* widget = control->widget.data();
    switch (control->kind) {
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
            return static_cast<const QAbstractButton*>(widget)->text().toStdString();
        case ControlKind::Label:
            return static_cast<const QLabel*>(widget)->text().toStdString();
        case ControlKind::TextBox:
            return static_cast<const QLineEdit*>(widget)->text().toStdString();
        case ControlKind::Frame:
            return static_cast<const QGroupBox*>(widget)->title().toStdString();
        default:
            return {};
    }
}

void QtMainWindowView::ListAddItem(ControlId id, std::string_view item)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        static_cast<QListWidget*>(control->widget.data())->addItem(ToQString(item));
    }
}

void QtMainWindowView::ListClear(ControlId id)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        static_cast<QListWidget*>(control->widget.data())->clear();
    }
}

int QtMainWindowView::ListCount(ControlId id) const
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        return static_cast<int>(static_cast<const QListWidget*>(control->widget.data())->count());
    }
    return 0;
}

void QtMainWindowView::ListSelect(ControlId id, int index)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control != nullptr && control->kind == ControlKind::ListBox && control->widget) {
        static_cast<QListWidget*>(control->widget.data())->setCurrentRow(index);
    }
}

void QtMainWindowView::SetTimerEnabled(ControlId id, bool enabled)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control == nullptr || !control->timer) {
        return;
    }
    if (enabled && control->timer->interval() > 0) {
        control->timer->start();
    } else {
        control->timer->stop();
    }
}

void QtMainWindowView::SetFocus(ControlId id)
{
    const QtControlFactory::Entry* control = controls_.Find(id);
    if (control == nullptr || !control->widget) {
        return;
    }
    if (!window_->isVisible()) {
        pendingFocus_ = id;
        return;
    }
    if (!control->widget->isEnabled()) {
        WaitWithFocus(control->widget.data());
        return;
    }
    waitingFocus_ = nullptr;
    control->widget->setFocus(Qt::OtherFocusReason);
}

void QtMainWindowView::FocusFirstButton()
{
    // The start button is what the operator works with; otherwise the first button that can take focus.
    const QtControlFactory::Entry* start = controls_.Find(Control::cmdStart);
    if (start != nullptr && start->widget && start->widget->isEnabled() && start->widget->isVisible()) {
        start->widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    window_->FocusFirstChild();
}

void QtMainWindowView::Show()
{
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (pendingFocus_) {
        const ControlId id = *std::exchange(pendingFocus_, std::nullopt);
        SetFocus(id);
    } else {
        FocusFirstButton();
    }
}

void QtMainWindowView::Close()
{
    window_->closeGranted = true;
    window_->close();
}

void QtMainWindowView::PressStartFromKeyboard()
{
    const QtControlFactory::Entry* start = controls_.Find(Control::cmdStart);
    if (start == nullptr || !start->widget || !start->widget->isEnabled() || !start->widget->isVisible() ||
        events_ == nullptr) {
        return;
    }
    events_->OnClick(Control::cmdStart);
}

}  // namespace palvo
