// SPDX-License-Identifier: MIT
// Between the worksheet's texts (one char32_t per character) and Qt's UTF-16 strings.
#pragma once

#include "worksheet/worksheet.hpp"

#include <QString>

#include <string_view>

namespace cipher {

inline QString ToQString(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// A lone surrogate, which no real character leaves behind, becomes U+FFFD.
inline Text ToText(const QString& text) {
    return text.toStdU32String();
}

} // namespace cipher
