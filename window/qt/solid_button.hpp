// SPDX-License-Identifier: MIT
// A push button drawn flat in one solid colour, whatever the platform's style.
#pragma once

#include <QColor>
#include <QPushButton>

namespace cipher {

// Styles draw buttons in their own colours or with gradients; the window's buttons are plain
// green and red. The button still shows that it is pressed (darker, text moved) and that it has
// the keyboard focus (a dotted rectangle).
class SolidButton : public QPushButton {
    Q_OBJECT

public:
    SolidButton(QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace cipher
