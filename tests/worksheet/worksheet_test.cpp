// SPDX-License-Identifier: MIT
// The worksheet's initial state and the behaviour of its fields and lists.
#include "sheet_helpers.hpp"

#include "row_name.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>

namespace cipher {
namespace {

using testing::Items;
using testing::LettersOf;

TEST(WorksheetStart, HoldsTheSampleInputAndTheHeaderWords) {
    const Worksheet sheet;
    EXPECT_EQ(sheet.Text2[0].text(), U"матричен транспозиционен шифър1");
    EXPECT_EQ(sheet.Text2[0].text().size(), 31u);
    EXPECT_EQ(sheet.Text2[1].text(), U"пчела");
    EXPECT_TRUE(sheet.Text2[2].text().empty());
    EXPECT_EQ(sheet.Label1[3].caption(), U"Открит");
    EXPECT_EQ(sheet.Label1[4].caption(), U"Криптиран");
    for (std::size_t i = 0; i <= 4; ++i) {
        EXPECT_EQ(sheet.List1[i].count(), 0u) << "List1(" << i << ")";
    }
    EXPECT_TRUE(sheet.List1[3].isSorted());
}

TEST(WorksheetStart, MessagePaneHoldsTheDescriptionInFiveLines) {
    const Worksheet sheet;
    const Text& pane = sheet.Text1[0].text();
    EXPECT_TRUE(
        pane.starts_with(U"Чрез матричния транспозиционен шифър (matrix transpose cipher)"));
    EXPECT_TRUE(pane.ends_with(U"по алгоритъма на транспозиционния шифър\r\n"));
    EXPECT_EQ(std::count(pane.begin(), pane.end(), U'\n'), 5);
    EXPECT_EQ(std::count(pane.begin(), pane.end(), U'\r'), 5);
    EXPECT_NE(pane.find(U"\r\nТема на проекта: Информатика - матричен транспозиционен шифър.\r\n"),
              Text::npos);
}

// The one place where the tests spell the messages out: everywhere else they are the program's
// own constants, so that a change of wording is one change of code and one of this test.
TEST(Messages, AreTheProgramsBulgarianSentences) {
    EXPECT_EQ(kMessagePlaintextShorterThanKey,
              U"Въведеният открит текст е с по-малка дължина от ключа!");
    EXPECT_EQ(kMessageTooShort, U"Въведеният открит текст/криптографски ключ е с малка дължина!");
    EXPECT_EQ(kMessageRepeatedKeyLetters, U"В криптографксия ключ има повтарящи се символи!");
    EXPECT_EQ(kMessageEncryptionComplete, U"Криптирането е завършено!");
}

struct FieldLimitCase {
    const char* name;
    std::size_t field;
    std::size_t typed;
    std::size_t kept;

    friend void PrintTo(const FieldLimitCase& row, std::ostream* out) { *out << row.name; }
};

class FieldLimit : public ::testing::TestWithParam<FieldLimitCase> {};

TEST_P(FieldLimit, KeepsTheFirstCharactersUpToTheLimit) {
    const FieldLimitCase& limit = GetParam();
    Worksheet sheet;
    Text typed;
    for (std::size_t i = 0; i < limit.typed; ++i) {
        typed += (i % 2 == 0) ? U'ж' : U'😀'; // one character each, whatever their UTF-8/16 size
    }
    sheet.Text2[limit.field].setText(typed);
    EXPECT_EQ(sheet.Text2[limit.field].text(), typed.substr(0, limit.kept));
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldLimit,
                         ::testing::Values(FieldLimitCase{"plaintext_at_limit", 0, 100, 100},
                                           FieldLimitCase{"plaintext_one_over", 0, 101, 100},
                                           FieldLimitCase{"key_at_limit", 1, 10, 10},
                                           FieldLimitCase{"key_one_over", 1, 11, 10},
                                           FieldLimitCase{"ciphertext_keeps_102", 2, 102, 102},
                                           FieldLimitCase{"ciphertext_keeps_a_whole_result", 2, 109,
                                                          109}),
                         testing::RowName{});

TEST(WorksheetList, SortedListKeepsAlphabetOrderWhateverTheOrderOfAdding) {
    std::array<char32_t, 5> key = {U'а', U'е', U'л', U'п', U'ч'};
    int arrangement = 0;
    do {
        List sorted{List::Order::Sorted};
        for (char32_t c : key) {
            sorted.addItem(Text(1, c));
        }
        EXPECT_EQ(sorted.items(), LettersOf(U"аелпч")) << "arrangement " << arrangement;
        ++arrangement;
    } while (std::next_permutation(key.begin(), key.end()));
    EXPECT_EQ(arrangement, 120);
}

TEST(WorksheetList, PlainListKeepsTheOrderOfAddingAndReplacesInPlace) {
    List list;
    for (char32_t c : std::u32string_view{U"пчела"}) {
        list.addItem(Text(1, c));
    }
    list.setItem(1, U"ж");
    EXPECT_EQ(list.items(), LettersOf(U"пжела"));
    list.clear();
    EXPECT_EQ(list.count(), 0u);
}

TEST(WorksheetList, IndexOutsideTheListOrArrayIsRefused) {
    Worksheet sheet;
    EXPECT_THROW((void)sheet.List1[0].item(0), std::out_of_range);
    EXPECT_THROW(sheet.List1[0].setItem(0, U"x"), std::out_of_range);
    EXPECT_THROW((void)sheet.List1[5], std::out_of_range);
    EXPECT_THROW((void)sheet.Label1[2], std::out_of_range);
    EXPECT_THROW((void)sheet.Text2[3], std::out_of_range);
    EXPECT_NO_THROW((void)sheet.Label1[3]);
}

} // namespace
} // namespace cipher
