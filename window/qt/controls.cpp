// SPDX-License-Identifier: MIT
#include "window/qt/controls.hpp"

#include "window/qt/text.hpp"

#include <QPainter>
#include <QValidator>

namespace cipher {

class InputField::Edits : public QValidator {
public:
    Edits(WorksheetBinding& binding, std::size_t field, QObject* parent)
        : QValidator(parent), binding_(binding), field_(field) {}

    State validate(QString& input, int& pos) const override {
        if (windowWrites) {
            return Acceptable;
        }
        const WorksheetBinding::FieldText kept =
            binding_.keepEdit(field_, unitsOf(input), static_cast<std::size_t>(pos));
        if (kept.text != unitsOf(input)) {
            input = toQString(kept.text);
            pos = static_cast<int>(kept.cursor);
        }
        return Acceptable;
    }

    bool windowWrites = false;

private:
    WorksheetBinding& binding_;
    std::size_t field_;
};

InputField::InputField(WorksheetBinding& binding, std::size_t field, QWidget* parent)
    : QLineEdit(parent), edits_(new Edits(binding, field, this)) {
    setValidator(edits_);
}

void InputField::showText(const QString& text) {
    edits_->windowWrites = true;
    setText(text);
    edits_->windowWrites = false;
}

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
