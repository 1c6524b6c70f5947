#include "platform/qt/qt_form_widget.h"

#include <QCloseEvent>

namespace palvo {

void QtFormWidget::KeepOuterSize()
{
    if (outerSize.isEmpty() || !isVisible()) {
        return;
    }
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = outerSize - frame;
    if (client != size() && client.isValid()) {
        setFixedSize(client);
    }
}

void QtFormWidget::closeEvent(QCloseEvent* event)
{
    if (!closeGranted && allowClose && !allowClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (closed) {
        closed();
    }
}

bool QtFormWidget::event(QEvent* event)
{
    switch (event->type()) {
        case QEvent::WindowActivate:
            KeepOuterSize();
            if (activated) {
                activated();
            }
            break;
        case QEvent::Move:
        case QEvent::Show:
            KeepOuterSize();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

}  // namespace palvo
