// SPDX-License-Identifier: MIT
// The two commands and the dispatch of button clicks.
#include "expected/sample.hpp"
#include "sheet_helpers.hpp"
#include "worksheet/commands.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace cipher {
namespace {

// Everything the window shows, to compare whole worksheets.
struct Shown {
    Text plaintext, key, ciphertext, message, plainHeader, cipherHeader;
    std::array<std::vector<Text>, 5> lists;

    explicit Shown(const Worksheet& sheet)
        : plaintext(sheet.Text2[0].text()), key(sheet.Text2[1].text()),
          ciphertext(sheet.Text2[2].text()), message(sheet.Text1[0].text()),
          plainHeader(sheet.Label1[3].caption()), cipherHeader(sheet.Label1[4].caption()) {
        for (std::size_t i = 0; i <= 4; ++i) {
            lists[i] = sheet.List1[i].items();
        }
    }
    bool operator==(const Shown&) const = default;
};

TEST(Dispatch, ButtonZeroEncryptsAndButtonOneClears) {
    Worksheet sheet;
    Command1Click(sheet, 0);
    EXPECT_EQ(sheet.Text1[0].text(), kMessageEncryptionComplete);
    EXPECT_EQ(sheet.List1[0].count(), 7u);

    Command1Click(sheet, 1);
    EXPECT_TRUE(sheet.Text2[0].text().empty());
    EXPECT_TRUE(sheet.Text2[1].text().empty());
}

TEST(Dispatch, OtherIndexesChangeNothing) {
    Worksheet sheet;
    Encrypt(sheet);
    const Shown before(sheet);
    for (std::int16_t index : {std::int16_t{2}, std::int16_t{-1}, std::int16_t{32767}}) {
        Command1Click(sheet, index);
        EXPECT_EQ(Shown(sheet), before) << "index " << index;
    }
}

TEST(ClearAll, EmptiesFieldsAndListsButKeepsMessageAndHeaders) {
    Worksheet sheet;
    Encrypt(sheet);
    ClearAll(sheet);
    for (std::size_t i = 0; i <= 2; ++i) {
        EXPECT_TRUE(sheet.Text2[i].text().empty()) << "Text2(" << i << ")";
    }
    for (std::size_t i = 0; i <= 4; ++i) {
        EXPECT_EQ(sheet.List1[i].count(), 0u) << "List1(" << i << ")";
    }
    EXPECT_EQ(sheet.Text1[0].text(), kMessageEncryptionComplete);
    EXPECT_EQ(sheet.Label1[3].caption(), U"пчела");
    EXPECT_EQ(sheet.Label1[4].caption(), expected::kSortedSampleKey);
}

TEST(ClearAll, ThenEncryptReportsTooShortNotShorterThanKey) {
    Worksheet sheet;
    ClearAll(sheet);
    EXPECT_TRUE(sheet.Text1[0].text().starts_with(U"Чрез матричния")); // description stays
    Encrypt(sheet);
    EXPECT_EQ(sheet.Text1[0].text(), kMessageTooShort);
    EXPECT_EQ(sheet.Label1[3].caption(), U"Открит");
    EXPECT_EQ(sheet.Label1[4].caption(), U"Криптиран");
}

TEST(Encrypt, TwiceInARowGivesTheSameResultFromClearedLists) {
    Worksheet sheet;
    Encrypt(sheet);
    const Shown first(sheet);
    Encrypt(sheet);
    EXPECT_EQ(Shown(sheet), first);
}

TEST(Encrypt, AfterARejectionTheNextGoodInputEncryptsCleanly) {
    Worksheet sheet = testing::SheetWith(U"абвгде", U"ааб");
    Encrypt(sheet);
    sheet.Text2[1].setText(U"бав");
    Encrypt(sheet);
    EXPECT_EQ(sheet.Text1[0].text(), kMessageEncryptionComplete);
    EXPECT_EQ(sheet.List1[1].items(), (testing::Items{U"бав", U"дге"}));
    EXPECT_EQ(sheet.Text2[2].text(), U"бавдге");
}

} // namespace
} // namespace cipher
