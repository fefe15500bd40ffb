// SPDX-License-Identifier: MIT
// Clicks on the two buttons, through BM_CLICK as a mouse click would come: the window hands
// them to the worksheet and shows the worksheet again.
#include "main_form_fixture.hpp"
#include "window/win32/controls.hpp"

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
        wide.push_back(toWide(row));
    }
    return wide;
}

TEST_F(MainFormTest, KodiraiEncryptsTheSampleAndShowsEveryResult) {
    Click("Command1(0)");
    EXPECT_EQ(Items("List1(0)"), WideRows(expected::kSampleInitialMatrix));
    EXPECT_EQ(Items("List1(1)"), WideRows(expected::kSampleFinalMatrix));
    EXPECT_EQ(Text("Label1(3)"), toWide(kSampleKey));
    EXPECT_EQ(Text("Label1(4)"), toWide(expected::kSortedSampleKey));
    EXPECT_EQ(Text("Text2(2)"), toWide(expected::kSampleCiphertext));
    EXPECT_EQ(Text("Text1(0)"), toWide(kMessageEncryptionComplete));
    EXPECT_EQ(Text("Text2(0)"), toWide(kSamplePlaintext)); // inputs stay
    EXPECT_EQ(Text("Text2(1)"), toWide(kSampleKey));
}

using RejectionTest = MainFormTableTest<expected::RejectionCase>;

TEST_P(RejectionTest, ShowsItsMessageAndKeepsTheSampleResult) {
    Click("Command1(0)");
    SetText("Text2(0)", toWide(GetParam().plaintext));
    SetText("Text2(1)", toWide(GetParam().key));
    Click("Command1(0)");
    EXPECT_EQ(Text("Text1(0)"), toWide(GetParam().message));
    EXPECT_TRUE(Items("List1(0)").empty());
    EXPECT_TRUE(Items("List1(1)").empty());
    EXPECT_EQ(Text("Text2(2)"), toWide(expected::kSampleCiphertext));
    EXPECT_EQ(Text("Label1(3)"), toWide(kSampleKey));
    EXPECT_EQ(Text("Label1(4)"), toWide(expected::kSortedSampleKey));
}

INSTANTIATE_TEST_SUITE_P(Rejected, RejectionTest, ::testing::ValuesIn(expected::kRejections),
                         cipher::testing::RowName{});

TEST_F(MainFormTest, ChistiEmptiesFieldsAndMatricesButKeepsMessageAndHeaders) {
    Click("Command1(0)");
    Click("Command1(1)");
    for (const char* field : {"Text2(0)", "Text2(1)", "Text2(2)"}) {
        EXPECT_EQ(Text(field), L"") << field;
    }
    EXPECT_TRUE(Items("List1(0)").empty());
    EXPECT_TRUE(Items("List1(1)").empty());
    EXPECT_EQ(Text("Text1(0)"), toWide(kMessageEncryptionComplete));
    EXPECT_EQ(Text("Label1(3)"), toWide(kSampleKey));
    EXPECT_EQ(Text("Label1(4)"), toWide(expected::kSortedSampleKey));

    Click("Command1(0)"); // both lengths are 0 now
    EXPECT_EQ(Text("Text1(0)"), toWide(kMessageTooShort));
}

Rows told; // what the live regions that changed told a screen reader
void CALLBACK Tell(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND region, LONG /*object*/,
                   LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    told.push_back(windowText(region));
}

// Кодирай tells its message each time, the same message too; Чисти tells none.
TEST_F(MainFormTest, EachMessageIsToldToAScreenReader) {
    const HWINEVENTHOOK hook =
        SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, Tell,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    for (const char* button : {"Command1(0)", "Command1(0)", "Command1(1)"}) {
        Click(button);
    }
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        DispatchMessageW(&message); // which calls the hook
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(told, Rows(2, toWide(kMessageEncryptionComplete)));
}

TEST_F(MainFormTest, EnterOnAFocusedButtonPressesIt) {
    ShowWindow(Window(), SW_SHOW);
    SetForegroundWindow(Window());
    SetFocus(Child("Command1(0)"));
    MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    IsDialogMessageW(Window(), &enter);
    EXPECT_EQ(Text("Text1(0)"), toWide(kMessageEncryptionComplete));
}

// A key whose letters are already in alphabetical order leaves every row as it is, so the
// ciphertext is the plaintext and its fillers: 100 characters and a key of 9 give 12 rows,
// 8 fillers and 108 characters, all of which the ciphertext field keeps.
TEST_F(MainFormTest, CiphertextFieldKeepsMoreThan100Characters) {
    const std::wstring plaintext = Repeated(L"тест ", 20);
    SetText("Text2(0)", plaintext);
    SetText("Text2(1)", L"абвгдежзи");
    Click("Command1(0)");
    EXPECT_EQ(Text("Text2(2)"), plaintext + L"ABCDEFGH");
    EXPECT_EQ(Items("List1(0)").size(), 12u);
}

// The worksheet receives the fields in normalisation form C: "й" typed as "и" and a combining
// breve is one key letter, so the key has three letters and six characters fill two rows.
TEST_F(MainFormTest, FieldsReachTheWorksheetInNormalFormC) {
    SetText("Text2(0)", L"абвгде");
    SetText("Text2(1)", L"и\u0306кл");
    EXPECT_EQ(Text("Text2(1)"), L"йкл");
    Click("Command1(0)");
    EXPECT_EQ(Text("Label1(3)"), L"йкл");
    EXPECT_EQ(Items("List1(0)"), (Rows{L"абв", L"где"}));
    EXPECT_EQ(Text("Text1(0)"), toWide(kMessageEncryptionComplete));
}

} // namespace
} // namespace cipher::win32::testing
