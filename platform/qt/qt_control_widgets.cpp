#include "platform/qt/qt_control_widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "platform/qt/qt_conversions.h"

namespace palvo {

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (icon().isNull() || !hasFocus()) {
        return;
    }
    // Where Windows draws it: every other pixel of a rectangle 4 pixels inside the edge. Windows
    // inverts those pixels, which leaves a mid-grey face (the paging buttons') almost as it was;
    // black or white dots stand out from it.
    QPainter painter(this);
    const QColor dots = face_.lightness() >= 96 ? QColor(Qt::black) : QColor(Qt::white);
    const QRect frame = rect().adjusted(4, 4, -4, -4);
    for (int x = frame.left(); x <= frame.right(); ++x) {
        for (const int y : {frame.top(), frame.bottom()}) {
            if ((x + y) % 2 == 0) {
                painter.fillRect(x, y, 1, 1, dots);
            }
        }
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        for (const int x : {frame.left(), frame.right()}) {
            if ((x + y) % 2 == 0) {
                painter.fillRect(x, y, 1, 1, dots);
            }
        }
    }
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::SetColors(LayoutColor border, LayoutColor fill)
{
    border_ = border;
    filled_ = fill.has_value();
    if (filled_) {
        // The filling is the palette's window colour, where the other controls keep theirs.
        QPalette colors = palette();
        colors.setColor(QPalette::Window, ToQColor(*fill));
        setPalette(colors);
    }
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (filled_) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
    }
    const QColor border = border_ ? ToQColor(*border_) : QColor(Qt::black);
    painter.setPen(QPen(border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
}

void FitLabel(QLabel* label)
{
    if (label->autoFillBackground()) {
        return;
    }
    const int needed = label->sizeHint().width();
    if (needed > label->width()) {
        label->resize(needed, label->height());
    }
}

}  // namespace palvo
