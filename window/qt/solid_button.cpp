// SPDX-License-Identifier: MIT
#include "window/qt/solid_button.hpp"

#include <QPainter>

namespace cipher {

SolidButton::SolidButton(QColor colour, QWidget* parent) : QPushButton(parent), colour_(colour) {}

void SolidButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool pressed = isDown();
    painter.fillRect(rect(), pressed ? colour_.darker(125) : colour_);

    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect textArea = pressed ? rect().translated(1, 1) : rect();
    painter.drawText(textArea, Qt::AlignCenter, text());

    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

} // namespace cipher
