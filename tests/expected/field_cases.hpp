// SPDX-License-Identifier: MIT
// Text pasted or typed at the end of an input field, and what the field and the worksheet keep of
// it: the same in every front end, whatever its toolkit does with UTF-16 on the way.
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

namespace detail {
template <std::size_t N> constexpr std::array<char32_t, N> Letters(char32_t letter, char32_t last) {
    std::array<char32_t, N> letters{};
    letters.fill(letter);
    letters.back() = last;
    return letters;
}
inline constexpr auto kNinetyNineLetters = Letters<99>(U'я', U'я');
inline constexpr auto kNinetyNineLettersAndA = Letters<100>(U'я', U'a');
} // namespace detail

struct TypedCase {
    const char* name;
    std::size_t field; // Text2(field)
    std::u32string_view start;
    std::u32string_view typed; // one key press a character
    std::u32string_view kept;

    friend void PrintTo(const TypedCase& row, std::ostream* out) { *out << row.name; }
};

inline constexpr std::array<TypedCase, 6> kTypedCases{{
    {"key_takes_its_tenth_letter", 1, U"абвгдежзи", U"й", U"абвгдежзий"},
    {"key_refuses_an_eleventh", 1, U"абвгдежзий", U"кл", U"абвгдежзий"},
    {"emoji_is_one_character_of_the_limit", 1, U"абвгдежзи", U"😀я", U"абвгдежзи😀"},
    {"combining_mark_joins_its_letter_in_form_c", 1, U"абвгдежзи", U"е\u0300", U"абвгдежзи\u0450"},
    {"mark_beyond_the_limit_stays_out", 1, U"абвгдежзйо", U"\u0301", U"абвгдежзйо"},
    {"plaintext_stops_at_its_limit",
     0,
     {detail::kNinetyNineLetters.data(), detail::kNinetyNineLetters.size()},
     U"ab",
     {detail::kNinetyNineLettersAndA.data(), detail::kNinetyNineLettersAndA.size()}},
}};

} // namespace cipher::expected
