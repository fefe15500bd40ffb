// SPDX-License-Identifier: MIT
// Clicks on the two buttons, through BM_CLICK as a mouse click would come: the window hands
// them to the worksheet and shows the worksheet again.
#include "main_window_fixture.hpp"

#include "expected/rejections.hpp"
#include "expected/sample.hpp"
#include "row_name.hpp"
#include "worksheet/constants.hpp"

namespace cipher::win32::testing {
namespace {

using Rows = std::vector<std::wstring>;

template <std::size_t N> Rows WideRows(const std::array<std::u32string_view, N>& rows) {
    Rows wide;
    for (std::u32string_view row : rows) {
        wide.push_back(ToWide(row));
    }
    return wide;
}

TEST_F(MainWindowTest, KodiraiEncryptsTheSampleAndShowsEveryResult) {
    Click("Command1(0)");
    EXPECT_EQ(Items("List1(0)"), WideRows(expected::kSampleInitialMatrix));
    EXPECT_EQ(Items("List1(1)"), WideRows(expected::kSampleFinalMatrix));
    EXPECT_EQ(Text("Label1(3)"), ToWide(kSampleKey));
    EXPECT_EQ(Text("Label1(4)"), ToWide(expected::kSortedSampleKey));
    EXPECT_EQ(Text("Text2(2)"), ToWide(expected::kSampleCiphertext));
    EXPECT_EQ(Text("Text1(0)"), ToWide(kMessageEncryptionComplete));
    EXPECT_EQ(Text("Text2(0)"), ToWide(kSamplePlaintext)); // inputs stay
    EXPECT_EQ(Text("Text2(1)"), ToWide(kSampleKey));
}

using RejectionTest = MainWindowTableTest<expected::RejectionCase>;

TEST_P(RejectionTest, ShowsItsMessageAndKeepsTheSampleResult) {
    Click("Command1(0)");
    SetText("Text2(0)", ToWide(GetParam().plaintext));
    SetText("Text2(1)", ToWide(GetParam().key));
    Click("Command1(0)");
    EXPECT_EQ(Text("Text1(0)"), ToWide(GetParam().message));
    EXPECT_TRUE(Items("List1(0)").empty());
    EXPECT_TRUE(Items("List1(1)").empty());
    EXPECT_EQ(Text("Text2(2)"), ToWide(expected::kSampleCiphertext));
    EXPECT_EQ(Text("Label1(3)"), ToWide(kSampleKey));
    EXPECT_EQ(Text("Label1(4)"), ToWide(expected::kSortedSampleKey));
}

INSTANTIATE_TEST_SUITE_P(Rejected, RejectionTest, ::testing::ValuesIn(expected::kRejections),
                         cipher::testing::RowName{});

TEST_F(MainWindowTest, ChistiEmptiesFieldsAndMatricesButKeepsMessageAndHeaders) {
    Click("Command1(0)");
    Click("Command1(1)");
    for (const char* field : {"Text2(0)", "Text2(1)", "Text2(2)"}) {
        EXPECT_EQ(Text(field), L"") << field;
    }
    EXPECT_TRUE(Items("List1(0)").empty());
    EXPECT_TRUE(Items("List1(1)").empty());
    EXPECT_EQ(Text("Text1(0)"), ToWide(kMessageEncryptionComplete));
    EXPECT_EQ(Text("Label1(3)"), ToWide(kSampleKey));
    EXPECT_EQ(Text("Label1(4)"), ToWide(expected::kSortedSampleKey));

    Click("Command1(0)"); // both lengths are 0 now
    EXPECT_EQ(Text("Text1(0)"), ToWide(kMessageTooShort));
}

TEST_F(MainWindowTest, EnterOnAFocusedButtonPressesIt) {
    ShowWindow(Window(), SW_SHOW);
    SetForegroundWindow(Window());
    SetFocus(Child("Command1(0)"));
    MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    IsDialogMessageW(Window(), &enter);
    EXPECT_EQ(Text("Text1(0)"), ToWide(kMessageEncryptionComplete));
}

// A key whose letters are already in alphabetical order leaves every row as it is, so the
// ciphertext is the plaintext and its fillers: 100 characters and a key of 9 give 12 rows,
// 8 fillers and 108 characters, all of which the ciphertext field keeps.
TEST_F(MainWindowTest, CiphertextFieldKeepsMoreThan100Characters) {
    const std::wstring plaintext = Repeated(L"тест ", 20);
    SetText("Text2(0)", plaintext);
    SetText("Text2(1)", L"абвгдежзи");
    Click("Command1(0)");
    EXPECT_EQ(Text("Text2(2)"), plaintext + L"ABCDEFGH");
    EXPECT_EQ(Items("List1(0)").size(), 12u);
}

// The worksheet receives the fields in normalisation form C: "й" typed as "и" and a combining
// breve is one key letter, so the key has three letters and six characters fill two rows.
TEST_F(MainWindowTest, FieldsReachTheWorksheetInNormalFormC) {
    SetText("Text2(0)", L"абвгде");
    SetText("Text2(1)", L"и\u0306кл");
    EXPECT_EQ(Text("Text2(1)"), L"йкл");
    Click("Command1(0)");
    EXPECT_EQ(Text("Label1(3)"), L"йкл");
    EXPECT_EQ(Items("List1(0)"), (Rows{L"абв", L"где"}));
    EXPECT_EQ(Text("Text1(0)"), ToWide(kMessageEncryptionComplete));
}

} // namespace
} // namespace cipher::win32::testing
