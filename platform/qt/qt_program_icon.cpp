#include "platform/qt/qt_program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace palvo {

namespace {

// One bar with pointed ends, from `from` to `to` (horizontal or vertical), `thickness` wide.
QPainterPath Bar(QPointF from, QPointF to, double thickness)
{
    const double half = thickness / 2;
    QPainterPath path;
    if (from.y() == to.y()) {
        path.moveTo(from);
        path.lineTo(from.x() + half, from.y() - half);
        path.lineTo(to.x() - half, to.y() - half);
        path.lineTo(to);
        path.lineTo(to.x() - half, to.y() + half);
        path.lineTo(from.x() + half, from.y() + half);
    } else {
        path.moveTo(from);
        path.lineTo(from.x() + half, from.y() + half);
        path.lineTo(to.x() + half, to.y() - half);
        path.lineTo(to);
        path.lineTo(to.x() - half, to.y() - half);
        path.lineTo(from.x() - half, from.y() + half);
    }
    path.closeSubpath();
    return path;
}

QPixmap IconPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0B, 0x24, 0x3C));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    const double left = 19;
    const double right = 45;
    const double top = 11;
    const double middle = 32;
    const double bottom = 53;
    const double thickness = 6;
    const double gap = 1.5;
    painter.setBrush(QColor(0xFF, 0x80, 0x00));
    for (double y : {top, middle, bottom}) {
        painter.drawPath(Bar(QPointF(left + gap, y), QPointF(right - gap, y), thickness));
    }
    for (double x : {left, right}) {
        painter.drawPath(Bar(QPointF(x, top + gap), QPointF(x, middle - gap), thickness));
        painter.drawPath(Bar(QPointF(x, middle + gap), QPointF(x, bottom - gap), thickness));
    }
    return picture;
}

}  // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(IconPicture(size));
    }
    return icon;
}

}  // namespace palvo
