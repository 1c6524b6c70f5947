#pragma once

#include <QPushButton>
#include <QWidget>
#include <cstdint>

class QLabel;

#include "platform/window_layout.h"

namespace palvo {

// A command button that Enter presses as well as Space; a held key presses it once. A picture
// button with the focus shows the dotted focus rectangle of a Windows button.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    // The colour of the button's face, which the focus rectangle must stand out from.
    void SetFaceColor(const QColor& face) { face_ = face; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_{0xF0, 0xF0, 0xF0};
};

// A rectangle shape: its border and, with a back colour, its filling; never takes input.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);

    void SetColors(LayoutColor border, LayoutColor fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LayoutColor border_;
    bool filled_ = false;
};

// Widens a label, if need be, to show all of its text: the Japanese stand-in fonts are wider
// than the Windows ones. A label with a background of its own (a box) keeps its size.
void FitLabel(QLabel* label);

}  // namespace palvo
