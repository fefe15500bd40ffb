// SPDX-License-Identifier: MIT
// UTF-16 to characters and back, and positions between the two counts.
#include "window/utf16.hpp"

#include "row_name.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace cipher::utf16 {
namespace {

struct Encoding {
    const char* name;
    std::u32string_view characters;
    std::u16string_view units;

    friend void PrintTo(const Encoding& row, std::ostream* out) { *out << row.name; }
};

class BothWays : public ::testing::TestWithParam<Encoding> {};

TEST_P(BothWays, ConvertsToUnitsAndBack) {
    EXPECT_EQ(fromText(GetParam().characters), GetParam().units);
    EXPECT_EQ(toText(GetParam().units), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BothWays,
    ::testing::Values(Encoding{"empty", U"", u""},
                      Encoding{"cyrillic_one_unit_each", U"шифър", u"шифър"},
                      Encoding{"emoji_a_surrogate_pair", U"a\U0001F600b",
                               u"a\xD83D\xDE00"
                               u"b"},
                      Encoding{"last_code_point", U"\U0010FFFF", u"\xDBFF\xDFFF"},
                      Encoding{"first_supplementary", U"\U00010000", u"\xD800\xDC00"}),
    testing::RowName{});

TEST(LoneSurrogate, BecomesTheReplacementCharacter) {
    EXPECT_EQ(toText(u"a\xD83D"), U"a\uFFFD");
    EXPECT_EQ(toText(u"\xDE00"
                     u"b"),
              U"\uFFFDb");
    EXPECT_EQ(toText(u"\xDE00\xD83D"), U"\uFFFD\uFFFD"); // low before high is no pair
    EXPECT_EQ(fromText(std::u32string(1, char32_t{0xD800})), u"\uFFFD");
}

TEST(Positions, CountCharactersBeforeAUnitAndUnitsOfCharacters) {
    constexpr std::u16string_view kEmojiBetweenLetters = u"a\xD83D\xDE00"
                                                         u"b"; // 4 units, 3 characters
    constexpr std::array<std::size_t, 6> kCharactersAfterUnits{0, 1, 1, 2, 3, 3};
    for (std::size_t units = 0; units < kCharactersAfterUnits.size(); ++units) {
        // Between the halves (2 units) the emoji is not reached yet; past the end counts the end.
        EXPECT_EQ(charactersBefore(kEmojiBetweenLetters, units), kCharactersAfterUnits[units])
            << units << " units";
    }
    EXPECT_EQ(charactersBefore(u"\xDE00"
                               u"b",
                               1),
              1u); // a lone half is one character, as U+FFFD
    EXPECT_EQ(unitsOf(U"a\U0001F600b", 0), 0u);
    EXPECT_EQ(unitsOf(U"a\U0001F600b", 2), 3u);
    EXPECT_EQ(unitsOf(U"a\U0001F600b", 7), 4u);
}

} // namespace
} // namespace cipher::utf16
