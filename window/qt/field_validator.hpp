// SPDX-License-Identifier: MIT
// Keeps a single-line input field to the rules of the program's fields while the user types,
// pastes or drops text into it.
#pragma once

#include <QValidator>

#include <cstddef>
#include <string>

namespace cipher {

// Every edit is normalised to form C (so "и" + combining breve is the one letter "й"), kept on one
// line, and limited to maxLength characters (code points, not UTF-16 units) by leaving out what
// does not fit of the inserted text. QLineEdit's own maxLength counts UTF-16 units and would
// cut an emoji in half, so the field leaves it at its default and relies on this instead.
class FieldValidator : public QValidator {
    Q_OBJECT

public:
    FieldValidator(std::size_t maxLength, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // The field's text as it stands after each change: the edit that follows is measured from it.
    void remember(const QString& text);

private:
    std::size_t maxLength_;
    std::u32string accepted_;
};

} // namespace cipher
