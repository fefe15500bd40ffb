// SPDX-License-Identifier: MIT
#include "window/qt/controls.hpp"

#include "window/qt/colours.hpp"
#include "window/qt/text.hpp"

#include <QPainter>
#include <QValidator>

#include <utility>

namespace cipher {

// Only asks the binding, which Qt may do whenever it likes (hasAcceptableInput() on Enter, say):
// the worksheet takes a text once the field shows it.
class InputField::Edits : public QValidator {
public:
    explicit Edits(InputField& field) : QValidator(&field), field_(field) {}

    State validate(QString& input, int& pos) const override {
        if (field_.windowWrites_) {
            return Acceptable;
        }
        const WorksheetBinding::FieldText kept =
            field_.binding_.kept(field_.field_, unitsOf(input), static_cast<std::size_t>(pos));
        if (kept.text == unitsOf(input)) {
            return Acceptable;
        }
        // Rewriting the text here would clear the field's undo history. An edit that can be
        // undone Qt puts back instead, keeping the history, and keepRefusedEdit() follows.
        if (field_.isUndoAvailable()) {
            return Invalid;
        }
        // A text set from outside comes with no history to keep.
        input = toQString(kept.text);
        pos = static_cast<int>(kept.cursor);
        return Acceptable;
    }

private:
    const InputField& field_;
};

InputField::InputField(WorksheetBinding& binding, std::size_t field, QWidget* parent)
    : QLineEdit(parent), binding_(binding), field_(field) {
    setValidator(new Edits(*this));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!windowWrites_) {
            binding_.keepEdit(field_, unitsOf(text()), static_cast<std::size_t>(cursorPosition()));
        }
    });
    // Qt tells of a refusal before it puts the field back, while the field holds the edit.
    connect(this, &QLineEdit::inputRejected, this, [this] {
        refused_ = Refused{binding_.fieldText(field_), std::u16string(unitsOf(text())),
                           static_cast<std::size_t>(cursorPosition())};
    });
    // An edit made outside the field's own events (its context menu's Paste, a program calling
    // paste()) is kept once Qt is done with it.
    connect(this, &QLineEdit::inputRejected, this, &InputField::keepRefusedEdit,
            Qt::QueuedConnection);
}

void InputField::showText(const QString& text) {
    windowWrites_ = true;
    setText(text);
    windowWrites_ = false;
}

// A key, a click, a drop or an input method's text that made an edit the rules change has it kept
// before the field takes the next event.
bool InputField::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    keepRefusedEdit();
    return handled;
}

void InputField::keepRefusedEdit() {
    const std::optional<Refused> refused = std::exchange(refused_, std::nullopt);
    // Any other text than the one before the edit is a later edit's, which stands.
    if (!refused || unitsOf(text()) != refused->before) {
        return;
    }
    const WorksheetBinding::FieldText kept =
        binding_.keepEdit(field_, refused->edited, refused->cursor);
    if (kept.text != refused->before) {
        setSelection(static_cast<int>(kept.from), static_cast<int>(kept.to - kept.from));
        insert(toQString(kept.replacement));
    }
    setCursorPosition(static_cast<int>(kept.cursor));
}

SolidButton::SolidButton(layout::Rgb described, QWidget* parent)
    : QPushButton(parent), described_(described) {}

void SolidButton::showHighContrast(bool highContrast) {
    highContrast_ = highContrast;
    update();
}

// The desktop's colours are read as the button is painted, so that it follows a palette that
// the desktop changes.
void SolidButton::paintEvent(QPaintEvent* /*event*/) {
    const colours::PartColours painted =
        colours::coloursOf(colours::Part::Button, described_, highContrast_);
    QPainter painter(this);
    const bool pressed = isDown();
    const QColor face = toQColor(painted.face);
    painter.fillRect(rect(), pressed ? face.darker(125) : face);

    const QColor ink = toQColor(painted.text);
    painter.setPen(QPen(painted.frame ? toQColor(*painted.frame) : ink, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect textArea = pressed ? rect().translated(1, 1) : rect();
    painter.setPen(ink);
    painter.drawText(textArea, Qt::AlignCenter, text());

    if (hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

} // namespace cipher
