// SPDX-License-Identifier: MIT
// How the input fields take typed and pasted text, whatever the toolkit.
#include "window/field_rules.hpp"

#include "row_name.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cipher::field_rules {
namespace {

using namespace std::string_view_literals;

struct LineCase {
    const char* name;
    std::u16string_view pasted;
    std::u16string_view kept;

    friend void PrintTo(const LineCase& row, std::ostream* out) { *out << row.name; }
};

class SingleLineField : public ::testing::TestWithParam<LineCase> {};

TEST_P(SingleLineField, HoldsOneLineWithoutControlCharacters) {
    EXPECT_EQ(singleLine(GetParam().pasted), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Pasted, SingleLineField,
    ::testing::Values(LineCase{"plain_text_unchanged", u"пчела 1", u"пчела 1"},
                      LineCase{"windows_line_break_one_space", u"ред\r\nред", u"ред ред"},
                      LineCase{"unix_line_breaks", u"а\nб\nв\n", u"а б в "},
                      LineCase{"old_mac_line_break", u"а\rб", u"а б"},
                      LineCase{"two_breaks_two_spaces", u"а\r\n\r\nб", u"а  б"},
                      LineCase{"tab_becomes_space", u"а\tб", u"а б"},
                      LineCase{"unicode_separators", u"а\u2028б\u2029в\u0085г", u"а б в г"},
                      LineCase{"other_controls_dropped", u"а\u0000б\u0007в\u001Bг\u007F\u009F"sv,
                               u"абвг"},
                      LineCase{"joiners_and_marks_stay", u"е\u0301👩\u200D💻", u"е\u0301👩\u200D💻"}),
    testing::RowName{});

struct EditCase {
    const char* name;
    std::u32string_view before;
    std::u32string_view after;
    std::size_t cursor;
    std::size_t maxLength;
    std::u32string_view kept;
    std::size_t keptCursor;

    friend void PrintTo(const EditCase& row, std::ostream* out) { *out << row.name; }
};

class LimitedField : public ::testing::TestWithParam<EditCase> {};

TEST_P(LimitedField, KeepsWholeCharactersUpToItsLimit) {
    const EditCase& edit = GetParam();
    const Edit result = withinLimit(edit.before, edit.after, edit.cursor, edit.maxLength);
    EXPECT_EQ(result.text, edit.kept);
    EXPECT_EQ(result.cursor, edit.keptCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, LimitedField,
    ::testing::Values(
        EditCase{"tenth_key_letter_taken", U"абвгдежзи", U"абвгдежзий", 10, 10, U"абвгдежзий", 10},
        EditCase{"eleventh_key_letter_refused", U"абвгдежзий", U"абвгдежзийк", 11, 10,
                 U"абвгдежзий", 10},
        EditCase{"eleventh_typed_in_the_middle_refused", U"абвгдежзий", U"абвXгдежзий", 4, 10,
                 U"абвгдежзий", 3},
        EditCase{"emoji_counts_one", U"абвгдежзи", U"абвгдежзи😀", 10, 10, U"абвгдежзи😀", 10},
        EditCase{"deleting_always_allowed", U"абвгд", U"абгд", 2, 10, U"абгд", 2}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Pasted, LimitedField,
    ::testing::Values(
        EditCase{"paste_cut_to_fit", U"абв", U"абвгдежзийклм", 13, 10, U"абвгдежзий", 10},
        EditCase{"paste_in_middle_keeps_both_ends", U"абвг", U"абXYZWVUTSвг", 10, 6, U"абXYвг", 4},
        EditCase{"paste_over_selection", U"абвгд", U"а12345678д", 9, 8, U"а123456д", 7},
        EditCase{"emoji_never_split", U"абвгдежз", U"абвгдежз😀😁😂", 11, 10, U"абвгдежз😀😁", 10},
        EditCase{"flag_kept_whole", U"абвгдежз", U"абвгдежз🇧🇬🇧🇬", 12, 10, U"абвгдежз🇧🇬", 10},
        EditCase{"flag_left_out_whole", U"абвгдежзи", U"абвгдежзи🇧🇬", 11, 10, U"абвгдежзи", 9},
        EditCase{"accent_stays_with_its_letter", U"абвгдежзи", U"абвгдежзие\u0301", 11, 10,
                 U"абвгдежзи", 9},
        EditCase{"joined_emoji_left_out_whole", U"абвгдежз", U"абвгдежз👩\u200D💻", 11, 10,
                 U"абвгдежз", 8},
        EditCase{"skin_tone_stays_with_its_hand", U"абвгдежзи", U"абвгдежзи👍🏽", 11,
                 10, U"абвгдежзи", 9}),
    testing::RowName{});

} // namespace
} // namespace cipher::field_rules
