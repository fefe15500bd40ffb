// SPDX-License-Identifier: MIT
// The cipher steps on worked examples: the sample, the rejections, fillers and special keys.
#include "expected/rejections.hpp"
#include "expected/sample.hpp"
#include "sheet_helpers.hpp"
#include "worksheet/commands.hpp"
#include "worksheet/transposition.hpp"

#include "row_name.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace cipher {
namespace {

using testing::Items;
using testing::LettersOf;
using testing::RowsOf;
using testing::SheetWith;

TEST(SampleInput, BuildsTheMatricesAndTheCiphertext) {
    Worksheet sheet;
    Encrypt(sheet);

    Items letters = LettersOf(U"матричен транспозиционен шифър1ABCD");
    EXPECT_EQ(sheet.List1[4].items(), letters);
    EXPECT_EQ(sheet.List1[4].count(), 35u);
    EXPECT_EQ(sheet.List1[2].items(), LettersOf(U"пчела"));
    EXPECT_EQ(sheet.List1[3].items(), LettersOf(expected::kSortedSampleKey));
    EXPECT_EQ(sheet.Label1[3].caption(), U"пчела");
    EXPECT_EQ(sheet.Label1[4].caption(), expected::kSortedSampleKey);
    EXPECT_EQ(sheet.List1[0].items(), RowsOf(expected::kSampleInitialMatrix));
    EXPECT_EQ(sheet.List1[1].items(), RowsOf(expected::kSampleFinalMatrix));
    EXPECT_EQ(sheet.Text2[2].text(), expected::kSampleCiphertext);
    EXPECT_EQ(sheet.Text1[0].text(), kMessageEncryptionComplete);
}

using Rejection = expected::RejectionCase;

class RejectedInput : public ::testing::TestWithParam<Rejection> {};

// A rejection shows its message, leaves every list empty and keeps the last good result.
TEST_P(RejectedInput, ShowsItsMessageAndKeepsThePreviousResult) {
    const Rejection& rejection = GetParam();
    Worksheet sheet;
    Encrypt(sheet);
    const Text previousCiphertext = sheet.Text2[2].text();

    sheet.Text2[0].setText(Text{rejection.plaintext});
    sheet.Text2[1].setText(Text{rejection.key});
    Encrypt(sheet);

    EXPECT_EQ(sheet.Text1[0].text(), rejection.message);
    for (std::size_t i = 0; i <= 4; ++i) {
        EXPECT_EQ(sheet.List1[i].count(), 0u) << "List1(" << i << ")";
    }
    EXPECT_EQ(sheet.Text2[2].text(), previousCiphertext);
    EXPECT_EQ(sheet.Label1[3].caption(), U"пчела");
    EXPECT_EQ(sheet.Label1[4].caption(), expected::kSortedSampleKey);
}

constexpr std::u32string_view kShorter = kMessagePlaintextShorterThanKey;
constexpr std::u32string_view kTooShort = kMessageTooShort;
constexpr std::u32string_view kRepeated = kMessageRepeatedKeyLetters;

INSTANTIATE_TEST_SUITE_P(
    Lengths, RejectedInput,
    ::testing::Values(Rejection{"plaintext_2_key_3_is_shorter_first", U"аб", U"абв", kShorter},
                      Rejection{"plaintext_5_key_6", U"абвгд", U"абвгде", kShorter},
                      Rejection{"plaintext_4_key_3_too_short", U"абвг", U"абв", kTooShort},
                      Rejection{"key_2_long_plaintext", U"дълъг открит текст", U"аб", kTooShort},
                      Rejection{"both_empty", U"", U"", kTooShort},
                      Rejection{"empty_key", U"открит текст", U"", kTooShort}),
    testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    RepeatedKeyLetters, RejectedInput,
    ::testing::Values(Rejection{"letter_twice", U"открит текст", U"пчелп", kRepeated},
                      Rejection{"repeat_with_capital_between", U"открит текст", U"аАа", kRepeated},
                      Rejection{"capital_twice_small_between", U"открит текст", U"АаА", kRepeated},
                      Rejection{"latin_repeat", U"open text", U"keyk", kRepeated},
                      Rejection{"space_twice", U"открит текст", U"а б в", kRepeated},
                      Rejection{"emoji_twice", U"открит текст", U"😀а😀", kRepeated}),
    testing::RowName{});

// Every key over a small alphabet with both cases of letters: rejected exactly when some
// character stands twice, whatever the arrangement of cases around the pair.
TEST(RepeatedKeyLetters, EveryKeyWithARepeatIsRejectedAndNoOtherKey) {
    const std::u32string symbols = U"аАбБ1";
    int rejected = 0;
    for (std::size_t length = 3; length <= 4; ++length) {
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < length; ++i) {
            combinations *= symbols.size();
        }
        for (std::size_t number = 0; number < combinations; ++number) {
            Text key;
            for (std::size_t rest = number, i = 0; i < length; ++i, rest /= symbols.size()) {
                key += symbols[rest % symbols.size()];
            }
            const bool repeats = std::set<char32_t>(key.begin(), key.end()).size() < key.size();
            Worksheet sheet = SheetWith(U"открит текст", key);
            Encrypt(sheet);
            EXPECT_EQ(sheet.Text1[0].text() == kRepeated, repeats);
            EXPECT_EQ(sheet.List1[0].count() == 0, repeats);
            rejected += repeats ? 1 : 0;
        }
    }
    EXPECT_EQ(rejected, 125 - 60 + 625 - 120); // all keys minus those of distinct symbols
}

struct Accepted {
    const char* name;
    std::u32string_view plaintext;
    std::u32string_view key;
    std::u32string_view sortedKey;
    Items initial;
    Items final;

    friend void PrintTo(const Accepted& row, std::ostream* out) { *out << row.name; }
};

class AcceptedInput : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedInput, BuildsTheExpectedMatrices) {
    const Accepted& example = GetParam();
    Worksheet sheet = SheetWith(example.plaintext, example.key);
    Encrypt(sheet);
    ASSERT_EQ(sheet.Text1[0].text(), kMessageEncryptionComplete);
    EXPECT_EQ(sheet.Label1[3].caption(), example.key);
    EXPECT_EQ(sheet.Label1[4].caption(), example.sortedKey);
    EXPECT_EQ(sheet.List1[0].items(), example.initial);
    EXPECT_EQ(sheet.List1[1].items(), example.final);
    Text joined;
    for (const Text& row : example.final) {
        joined += row;
    }
    EXPECT_EQ(sheet.Text2[2].text(), joined);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AcceptedInput,
    ::testing::Values(
        Accepted{"shortest_key_and_plaintext",
                 U"абвгд",
                 U"вба",
                 U"абв",
                 {U"абв", U"гдA"},
                 {U"вба", U"Aдг"}},
        Accepted{"plaintext_as_long_as_key", U"текст", U"ключа", U"аклчю", {U"текст"}, {U"ттеск"}},
        Accepted{"multiple_of_key_needs_no_filler",
                 U"абвгде",
                 U"бав",
                 U"абв",
                 {U"абв", U"где"},
                 {U"бав", U"дге"}},
        Accepted{"alphabetical_key_keeps_rows",
                 U"шифър",
                 U"абвг",
                 U"абвг",
                 {U"шифъ", U"рABC"},
                 {U"шифъ", U"рABC"}},
        Accepted{"reverse_key_reverses_rows",
                 U"шифъра",
                 U"гвба",
                 U"абвг",
                 {U"шифъ", U"раAB"},
                 {U"ъфиш", U"BAар"}},
        Accepted{"cases_differ_only_both_accepted",
                 U"абвгде",
                 U"Ааб",
                 U"аАб",
                 {U"абв", U"где"},
                 {U"бав", U"дге"}},
        Accepted{"space_in_key_comes_first",
                 U"абвгде",
                 U"аб ",
                 U" аб",
                 {U"абв", U"где"},
                 {U"ваб", U"егд"}},
        Accepted{"spaces_move_like_letters",
                 U" а б ",
                 U"вба",
                 U"абв",
                 {U" а ", U"б A"},
                 {U" а ", U"A б"}},
        Accepted{"emoji_and_marks_move_whole",
                 U"😀😁😂😃😄",
                 U"вба",
                 U"абв",
                 {U"😀😁😂", U"😃😄A"},
                 {U"😂😁😀", U"A😄😃"}},
        Accepted{"combining_mark_is_a_character",
                 U"е\u0301бвгд",
                 U"бав",
                 U"абв",
                 {U"е\u0301б", U"вгд"},
                 {U"\u0301еб", U"гвд"}},
        Accepted{"latin_key_with_cyrillic_text",
                 U"шифър",
                 U"cab",
                 U"abc",
                 {U"шиф", U"ърA"},
                 {U"ифш", U"рAъ"}}),
    testing::RowName{});

TEST(Fillers, RunFromAUpToTheKeyLength) {
    Worksheet sheet = SheetWith(U"абвгдежзийк", U"абвгдежзий"); // 11 letters, key of 10
    Encrypt(sheet);
    EXPECT_EQ(sheet.List1[4].count(), 20u);
    EXPECT_EQ(sheet.List1[0].items(), (Items{U"абвгдежзий", U"кABCDEFGHI"}));
}

// The last row of a 100-character plaintext under a 7-letter key takes 5 fillers; the
// ciphertext keeps all 105 characters and its end, not only its first 100.
TEST(Fillers, LongestPlaintextKeepsItsWholeCiphertext) {
    Text plaintext;
    for (int i = 0; i < 100; ++i) {
        plaintext += static_cast<char32_t>(U'а' + (i % 30));
    }
    Worksheet sheet = SheetWith(plaintext, U"абвгдеж");
    Encrypt(sheet);
    EXPECT_EQ(sheet.List1[0].count(), 15u);
    EXPECT_EQ(sheet.List1[0].item(14), U"ийABCDE"); // characters 99 and 100, then fillers
    EXPECT_EQ(sheet.Text2[2].text().size(), 105u);
    EXPECT_TRUE(sheet.Text2[2].text().ends_with(U"ийABCDE"));
}

TEST(MatrixSteps, DoNothingHarmfulWithoutAnAcceptedKey) {
    Worksheet sheet = SheetWith(U"открит текст", U"");
    sheet.List1[4].addItem(U"о");
    BuildInitialMatrix(sheet);
    EXPECT_EQ(sheet.List1[0].count(), 0u);
}

} // namespace
} // namespace cipher
