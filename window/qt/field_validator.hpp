// SPDX-License-Identifier: MIT
// Keeps an input field to the binding's rules while the user types, pastes or drops text into it.
#pragma once

#include "window/worksheet_binding.hpp"

#include <QValidator>

#include <cstddef>

namespace cipher {

// QLineEdit's own maxLength counts UTF-16 units and would cut an emoji in half, so the field
// leaves it at its default and relies on the binding instead, which counts characters.
class FieldValidator : public QValidator {
    Q_OBJECT

public:
    FieldValidator(const WorksheetBinding& binding, std::size_t field, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    const WorksheetBinding& binding_;
    std::size_t field_;
};

} // namespace cipher
