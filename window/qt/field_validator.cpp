// SPDX-License-Identifier: MIT
#include "window/qt/field_validator.hpp"

#include "window/field_rules.hpp"
#include "window/qt/qt_text.hpp"

namespace cipher {
namespace {

Text Cleaned(const QString& text) {
    return ToText(
        ToQString(field_rules::SingleLine(ToText(text))).normalized(QString::NormalizationForm_C));
}

} // namespace

FieldValidator::FieldValidator(std::size_t maxLength, QObject* parent)
    : QValidator(parent), maxLength_(maxLength) {}

QValidator::State FieldValidator::validate(QString& input, int& pos) const {
    const Text after = Cleaned(input);
    const std::size_t cursor = Cleaned(input.left(pos)).size();
    const field_rules::Edit edit = field_rules::WithinLimit(accepted_, after, cursor, maxLength_);
    const QString kept = ToQString(edit.text);
    if (kept != input) {
        input = kept;
        pos = static_cast<int>(
            ToQString(std::u32string_view(edit.text).substr(0, edit.cursor)).size());
    }
    return Acceptable;
}

void FieldValidator::remember(const QString& text) {
    accepted_ = ToText(text);
}

} // namespace cipher
