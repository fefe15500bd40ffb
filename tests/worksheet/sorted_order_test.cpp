// SPDX-License-Identifier: MIT
// The order of the sorted key list: alphabetical, case not distinguished, and total.
#include "sheet_helpers.hpp"
#include "worksheet/sorted_order.hpp"

#include "row_name.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace cipher {
namespace {

using testing::LettersOf;

struct OrderedPair {
    const char* name;
    std::u32string_view before;
    std::u32string_view after;

    friend void PrintTo(const OrderedPair& row, std::ostream* out) { *out << row.name; }
};

class SortedOrder : public ::testing::TestWithParam<OrderedPair> {};

TEST_P(SortedOrder, PutsTheFirstItemBeforeTheSecond) {
    const OrderedPair& pair = GetParam();
    EXPECT_TRUE(SortsBefore(pair.before, pair.after));
    EXPECT_FALSE(SortsBefore(pair.after, pair.before));
}

INSTANTIATE_TEST_SUITE_P(
    NonLettersFirst, SortedOrder,
    ::testing::Values(OrderedPair{"space_before_digit", U" ", U"1"},
                      OrderedPair{"digit_before_latin_letter", U"9", U"a"},
                      OrderedPair{"tilde_before_capital_latin", U"~", U"A"},
                      OrderedPair{"punctuation_before_cyrillic", U"!", U"а"},
                      OrderedPair{"digits_by_code_point_before_emoji", U"1", U"😀"},
                      OrderedPair{"emoji_before_any_letter", U"😀", U"a"},
                      OrderedPair{"combining_mark_before_letters", U"\u0301", U"a"}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(CaseIgnored, SortedOrder,
                         ::testing::Values(OrderedPair{"latin_a_before_b", U"a", U"b"},
                                           OrderedPair{"capital_B_before_small_c", U"B", U"c"},
                                           OrderedPair{"small_a_before_capital_B", U"a", U"B"},
                                           OrderedPair{"capital_A_before_small_b_cyrillic", U"А",
                                                       U"б"},
                                           OrderedPair{"small_yu_before_capital_ya", U"ю", U"Я"},
                                           OrderedPair{"hard_sign_before_soft_sign", U"ъ", U"ь"},
                                           OrderedPair{"soft_sign_before_yu", U"ь", U"ю"},
                                           OrderedPair{"i_before_short_i", U"и", U"й"},
                                           OrderedPair{"short_i_before_k", U"й", U"к"}),
                         testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Scripts, SortedOrder,
    ::testing::Values(OrderedPair{"latin_z_before_cyrillic_a", U"z", U"а"},
                      OrderedPair{"capital_Z_before_small_cyrillic_a", U"Z", U"а"},
                      OrderedPair{"latin_before_greek", U"z", U"α"},
                      OrderedPair{"greek_before_cyrillic", U"ω", U"а"},
                      OrderedPair{"cyrillic_looks_like_latin_but_comes_after", U"x", U"а"},
                      OrderedPair{"last_cyrillic_before_armenian", U"ԯ", U"ա"}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Ties, SortedOrder,
    ::testing::Values(OrderedPair{"small_before_capital_cyrillic", U"а", U"А"},
                      OrderedPair{"small_before_capital_latin", U"a", U"A"},
                      OrderedPair{"small_before_title_case", U"ǆ", U"ǅ"},
                      OrderedPair{"title_before_capital", U"ǅ", U"Ǆ"},
                      OrderedPair{"plain_before_accented", U"e", U"é"},
                      OrderedPair{"accented_before_next_letter", U"é", U"f"},
                      OrderedPair{"capital_plain_before_small_accented", U"E", U"é"},
                      OrderedPair{"small_accented_before_capital_accented", U"é", U"É"},
                      OrderedPair{"i_with_grave_right_after_i", U"и", U"ѝ"},
                      OrderedPair{"i_with_grave_before_short_i", U"ѝ", U"й"},
                      OrderedPair{"sigma_forms_by_code_point", U"ς", U"σ"},
                      OrderedPair{"small_before_capital_armenian", U"ա", U"Ա"},
                      OrderedPair{"small_before_capital_last_cyrillic", U"ԯ", U"Ԯ"}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(LongerItems, SortedOrder,
                         ::testing::Values(OrderedPair{"prefix_first", U"а", U"аа"},
                                           OrderedPair{"letters_decide_before_case", U"Аб", U"ав"},
                                           OrderedPair{"case_decides_last", U"аб", U"Аб"},
                                           OrderedPair{"rows_with_spaces", U"а б", U"аб"}),
                         testing::RowName{});

TEST(SortedList, PutsTheBulgarianAlphabetInOrderFromAnyStart) {
    const std::u32string alphabet = U"абвгдежзийклмнопрстуфхцчшщъьюя";
    std::u32string shuffled = alphabet;
    std::reverse(shuffled.begin(), shuffled.end());
    std::rotate(shuffled.begin(), shuffled.begin() + 11, shuffled.end());
    List sorted{List::Order::Sorted};
    for (char32_t c : shuffled) {
        sorted.addItem(Text(1, c));
    }
    EXPECT_EQ(sorted.items(), LettersOf(alphabet));
}

TEST(SortedList, MixesCasesScriptsAndNonLettersByTheRules) {
    List sorted{List::Order::Sorted};
    for (char32_t c : std::u32string_view{U"Яя b1 АаB"}) {
        sorted.addItem(Text(1, c));
    }
    EXPECT_EQ(sorted.items(), LettersOf(U"  1bBаАяЯ"));
}

// Equivalent only when equal, and transitive: then sorting leaves exactly equal items side by
// side, which the repeated-letter check relies on.
TEST(SortedOrder, IsATotalOrderOverMixedCharacters) {
    const std::u32string pool = U" 1!~😀\u0301aAbBeEéÉfzZßſıİǄǅǆαΑσςΣабАБиИѝЍйЙяЯёЁ中"
                                U"ԮԯԱա"; // the last Cyrillic letters, the first Armenian ones
    for (char32_t a : pool) {
        for (char32_t b : pool) {
            const Text x(1, a);
            const Text y(1, b);
            const int relations = int(SortsBefore(x, y)) + int(SortsBefore(y, x)) + int(x == y);
            ASSERT_EQ(relations, 1) << std::hex << std::uint32_t(a) << " " << std::uint32_t(b);
            for (char32_t c : pool) {
                const Text z(1, c);
                if (SortsBefore(x, y) && SortsBefore(y, z)) {
                    ASSERT_TRUE(SortsBefore(x, z)) << std::hex << std::uint32_t(a) << " "
                                                   << std::uint32_t(b) << " " << std::uint32_t(c);
                }
            }
        }
    }
}

} // namespace
} // namespace cipher
