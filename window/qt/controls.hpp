// SPDX-License-Identifier: MIT
// The controls of the Qt window that do more than Qt's own: the input fields, whose every edit
// goes through the binding, and the buttons drawn in their own colour.
#pragma once

#include "window/layout.hpp"
#include "window/worksheet_binding.hpp"

#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <optional>
#include <string>

namespace cipher {

// Input field Text2(field). Every change of its text that the window does not make itself
// (typing, pasting, dropping, deleting, undoing, an input method, setText from another program)
// is a student's edit: QLineEdit asks its validator about each one before it shows it, and the
// binding decides what the field keeps. QLineEdit's own maxLength counts UTF-16 units and would
// cut an emoji in half, so it stays at its default: the binding counts characters.
class InputField : public QLineEdit {
    Q_OBJECT

public:
    InputField(WorksheetBinding& binding, std::size_t field, QWidget* parent);

    // Shows the worksheet's text: the window's own write, which is no edit.
    void showText(const QString& text);

protected:
    bool event(QEvent* event) override;

private:
    class Edits;
    // An edit of which the rules keep less than it made, refused, and the text before it.
    struct Refused {
        std::u16string before;
        std::u16string edited;
        std::size_t cursor;
    };
    // Makes what the rules keep of a refused edit as one edit of the field's own, which the
    // field's undo takes back as it takes back any other.
    void keepRefusedEdit();

    WorksheetBinding& binding_;
    std::size_t field_;
    bool windowWrites_ = false;
    std::optional<Refused> refused_;
};

// Styles draw buttons in their own colours or with gradients; the window's buttons are plain
// green and red, or in high contrast the desktop's button colours, framed. The button still
// shows that it is pressed (darker, text moved) and that it has the keyboard focus (a dotted
// rectangle in the colour of its text).
class SolidButton : public QPushButton {
    Q_OBJECT

public:
    SolidButton(layout::Rgb described, QWidget* parent);

    void showHighContrast(bool highContrast);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    layout::Rgb described_;
    bool highContrast_ = false;
};

} // namespace cipher
