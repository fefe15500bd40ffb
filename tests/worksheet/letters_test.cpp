// SPDX-License-Identifier: MIT
// Letter facts for the scripts a student types: Latin, Greek, Cyrillic, and what is not a letter.
#include "worksheet/letters.hpp"

#include "row_name.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace cipher {
namespace {

struct Facts {
    const char* name;
    char32_t c;
    bool letter;
    char32_t folded;
    LetterCase letterCase;
    char32_t base;

    friend void PrintTo(const Facts& row, std::ostream* out) { *out << row.name; }
};

using enum LetterCase;

class LetterFacts : public ::testing::TestWithParam<Facts> {};

TEST_P(LetterFacts, MatchTheUnicodeCharacterDatabase) {
    const Facts& facts = GetParam();
    EXPECT_EQ(IsLetter(facts.c), facts.letter);
    EXPECT_EQ(static_cast<std::uint32_t>(FoldCase(facts.c)),
              static_cast<std::uint32_t>(facts.folded));
    EXPECT_EQ(CaseOf(facts.c), facts.letterCase);
    EXPECT_EQ(static_cast<std::uint32_t>(BaseLetter(facts.c)),
              static_cast<std::uint32_t>(facts.base));
}

INSTANTIATE_TEST_SUITE_P(
    Ascii, LetterFacts,
    ::testing::Values(Facts{"capital_A", U'A', true, U'a', Upper, U'A'},
                      Facts{"small_z", U'z', true, U'z', Lower, U'z'},
                      Facts{"digit", U'5', false, U'5', Lower, U'5'},
                      Facts{"space", U' ', false, U' ', Lower, U' '},
                      Facts{"at_sign_before_A", U'@', false, U'@', Lower, U'@'},
                      Facts{"bracket_after_Z", U'[', false, U'[', Lower, U'['}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Latin, LetterFacts,
    ::testing::Values(Facts{"E_acute", U'É', true, U'é', Upper, U'E'},
                      Facts{"sharp_s", U'ß', true, U'ß', Lower, U'ß'},
                      Facts{"y_diaeresis", U'ÿ', true, U'ÿ', Lower, U'y'},
                      Facts{"Y_diaeresis_in_extended_A", U'Ÿ', true, U'ÿ', Upper, U'Y'},
                      Facts{"micro_sign_folds_to_mu", U'µ', true, U'μ', Lower, U'µ'},
                      Facts{"multiplication_sign", U'×', false, U'×', Lower, U'×'},
                      Facts{"L_stroke", U'Ł', true, U'ł', Upper, U'Ł'},
                      Facts{"long_s", U'ſ', true, U's', Lower, U'ſ'},
                      Facts{"dotted_I_has_no_simple_folding", U'İ', true, U'İ', Upper, U'I'},
                      Facts{"dotless_i", U'ı', true, U'ı', Lower, U'ı'},
                      Facts{"title_case_dz", U'ǅ', true, U'ǆ', Title, U'ǅ'}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    GreekAndCyrillic, LetterFacts,
    ::testing::Values(Facts{"capital_sigma", U'Σ', true, U'σ', Upper, U'Σ'},
                      Facts{"final_sigma", U'ς', true, U'σ', Lower, U'ς'},
                      Facts{"alpha_with_tonos", U'Ά', true, U'ά', Upper, U'Α'},
                      Facts{"capital_a", U'А', true, U'а', Upper, U'А'},
                      Facts{"small_ya", U'я', true, U'я', Lower, U'я'},
                      Facts{"short_i_is_a_letter_of_its_own", U'Й', true, U'й', Upper, U'Й'},
                      Facts{"i_with_grave", U'ѝ', true, U'ѝ', Lower, U'и'},
                      Facts{"capital_i_with_grave", U'Ѝ', true, U'ѝ', Upper, U'И'},
                      Facts{"capital_yo", U'Ё', true, U'ё', Upper, U'Е'},
                      Facts{"ghe_with_upturn", U'Ґ', true, U'ґ', Upper, U'Ґ'}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Others, LetterFacts,
    ::testing::Values(
        Facts{"emoji", U'😀', false, U'😀', Lower, U'😀'},
        Facts{"combining_acute", U'\u0301', false, U'\u0301', Lower, U'\u0301'},
        Facts{"arabic_indic_digit", U'١', false, U'١', Lower, U'١'},
        Facts{"han_ideograph", U'中', true, U'中', Lower, U'中'},
        Facts{"hebrew_alef", U'א', true, U'א', Lower, U'א'},
        Facts{"deseret_capital", U'\U00010400', true, U'\U00010428', Upper, U'\U00010400'},
        Facts{"last_code_point", U'\U0010FFFF', false, U'\U0010FFFF', Lower, U'\U0010FFFF'}),
    testing::RowName{});

TEST(LetterFacts, EveryBulgarianCapitalFoldsToItsSmallLetter) {
    const std::u32string capitals = U"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ";
    const std::u32string smalls = U"абвгдежзийклмнопрстуфхцчшщъьюя";
    ASSERT_EQ(capitals.size(), smalls.size());
    for (std::size_t i = 0; i < capitals.size(); ++i) {
        EXPECT_EQ(FoldCase(capitals[i]), smalls[i]) << "letter " << i;
        EXPECT_EQ(FoldCase(smalls[i]), smalls[i]) << "letter " << i;
        EXPECT_EQ(CaseOf(capitals[i]), Upper) << "letter " << i;
        EXPECT_EQ(CaseOf(smalls[i]), Lower) << "letter " << i;
    }
}

TEST(LetterFacts, CombiningMarksAreTheAccentsThatFollowALetter) {
    for (char32_t mark : std::u32string_view{U"\u0300\u0301\u0306\u0308\u0483\u20DD\u0903"}) {
        EXPECT_TRUE(IsCombiningMark(mark)) << std::hex << std::uint32_t(mark);
    }
    for (char32_t other : std::u32string_view{U"аAé1 \u200D😀й"}) {
        EXPECT_FALSE(IsCombiningMark(other)) << std::hex << std::uint32_t(other);
    }
}

} // namespace
} // namespace cipher
