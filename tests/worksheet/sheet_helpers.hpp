// SPDX-License-Identifier: MIT
// Small helpers shared by the worksheet tests.
#pragma once

#include "worksheet/worksheet.hpp"

#include <array>
#include <string_view>
#include <vector>

namespace cipher::testing {

using Items = std::vector<Text>;

inline Worksheet SheetWith(std::u32string_view plaintext, std::u32string_view key) {
    Worksheet sheet;
    sheet.Text2[0].setText(Text{plaintext});
    sheet.Text2[1].setText(Text{key});
    return sheet;
}

// The rows of an expected matrix, as a list holds them.
template <std::size_t N> Items RowsOf(const std::array<std::u32string_view, N>& rows) {
    return {rows.begin(), rows.end()};
}

// One item per character, as the letter lists hold them.
inline Items LettersOf(std::u32string_view text) {
    Items letters;
    for (char32_t c : text) {
        letters.emplace_back(1, c);
    }
    return letters;
}

} // namespace cipher::testing
