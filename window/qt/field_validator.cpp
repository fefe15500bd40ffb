// SPDX-License-Identifier: MIT
#include "window/qt/field_validator.hpp"

#include "window/qt/qt_text.hpp"

namespace cipher {

FieldValidator::FieldValidator(const WorksheetBinding& binding, std::size_t field, QObject* parent)
    : QValidator(parent), binding_(binding), field_(field) {}

QValidator::State FieldValidator::validate(QString& input, int& pos) const {
    const WorksheetBinding::FieldText kept =
        binding_.Kept(field_, UnitsOf(input), static_cast<std::size_t>(pos));
    if (kept.text != UnitsOf(input)) {
        input = ToQString(kept.text);
        pos = static_cast<int>(kept.cursor);
    }
    return Acceptable;
}

} // namespace cipher
