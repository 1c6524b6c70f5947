#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>

namespace palvo {

// What the operator reads in `window`: every shown caption of a label, button, option button
// or frame fits its control in the font it is drawn with, so no text is cut off.
inline void ExpectEveryCaptionShowsWhole(const QWidget& window)
{
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        SCOPED_TRACE(widget->objectName().toStdString());
        const QFontMetrics metrics(widget->font());
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label != nullptr && !label->text().isEmpty()) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width());
            EXPECT_LE(metrics.ascent(), label->contentsRect().height());
        } else if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            const QRect text =
                option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
            EXPECT_LE(metrics.horizontalAdvance(option->text()), text.width());
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget);
                   button != nullptr && !button->text().isEmpty()) {
            // Graphical buttons draw a 2-pixel bevel; the others the style's frame.
            const int border = button->styleSheet().isEmpty() ? 4 : 2;
            const QRect ink = metrics.tightBoundingRect(button->text());
            EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width() - 2 * border);
            EXPECT_LE(ink.height(), button->height() - 2 * border);
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(frame->title()), frame->width());
        }
    }
}

}  // namespace palvo
