// SPDX-License-Identifier: MIT
// Text pasted at the end of an input field, and what the field and the worksheet keep of it: the
// same in every front end, whatever its toolkit does with UTF-16 on the way.
#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string_view>

namespace cipher::expected {

struct FieldCase {
    const char* name;
    std::size_t field; // Text2(field)
    std::u32string_view start;
    std::u16string_view pasted; // UTF-16, so that it can hold a lone surrogate
    std::u32string_view kept;

    friend void PrintTo(const FieldCase& row, std::ostream* out) { *out << row.name; }
};

inline constexpr std::array<FieldCase, 5> kFieldCases{{
    {"lone_surrogate_becomes_replacement", 1, U"аб", u"в\xD800г", U"абв\uFFFDг"},
    {"line_breaks_and_tabs_become_spaces", 0, U"", u"първи ред\r\nвтори\tред\n",
     U"първи ред втори ред "},
    {"paste_over_the_limit_keeps_what_fits", 1, U"абв", u"гдежзийклмн", U"абвгдежзий"},
    {"emoji_with_skin_tone_left_out_whole_at_the_limit", 1, U"абвгдежзи", u"👍🏽",
     U"абвгдежзи"},
    {"emoji_with_skin_tone_fills_the_limit", 1, U"абвгдежз", u"👍🏽",
     U"абвгдежз👍🏽"},
}};

} // namespace cipher::expected
