// SPDX-License-Identifier: MIT
// Between the binding's UTF-16 and the worksheet's texts on one side and Qt's strings on the
// other. QString is UTF-16 too, so the binding's texts pass unit for unit.
#pragma once

#include "window/utf16.hpp"

#include <QString>

#include <string>
#include <string_view>

namespace cipher {

inline QString toQString(std::u16string_view units) {
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

inline QString toQString(std::u32string_view text) {
    return toQString(utf16::fromText(text));
}

inline std::u16string_view unitsOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline std::u32string toText(const QString& text) {
    return utf16::toText(unitsOf(text));
}

// Qt's own normaliser, for the binding.
inline std::u16string normalizedC(std::u16string_view text) {
    return std::u16string(unitsOf(toQString(text).normalized(QString::NormalizationForm_C)));
}

} // namespace cipher
