// SPDX-License-Identifier: MIT
// What the plaintext and key fields accept when a student types or pastes: limits counted in
// characters (an emoji is one character but two UTF-16 units), no half of a surrogate pair,
// no mark torn from its letter, one line only, form C; the worksheet holds what the field shows.
#include "main_form_fixture.hpp"

#include "expected/field_cases.hpp"
#include "row_name.hpp"

#include <array>
#include <cstring>
#include <ostream>

namespace cipher::win32::testing {
namespace {

constexpr const wchar_t* kGrinning = L"\U0001F600"; // one character, two UTF-16 units

void PutOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

using SharedFieldCaseTest = MainFormTableTest<expected::FieldCase>;

// The same pastes as in every other front end give the same worksheet. They are inserted as the
// field's paste inserts the clipboard, which the tests running side by side would share.
TEST_P(SharedFieldCaseTest, PasteKeepsWhatEveryFrontEndKeeps) {
    const expected::FieldCase& paste = GetParam();
    const std::string field = StartWith(paste.field, paste.start);
    Insert(field, toWide(paste.pasted));
    EXPECT_EQ(Text(field), toWide(paste.kept));
    EXPECT_EQ(Sheet().Text2[paste.field].text(), paste.kept);
    // One undo takes the whole paste back, and the worksheet follows, as after any edit.
    SendMessageW(Child(field), WM_UNDO, 0, 0);
    EXPECT_EQ(Text(field), toWide(paste.start));
    EXPECT_EQ(Sheet().Text2[paste.field].text(), paste.start);
}

// A single-line edit control would paste only the first line; the field pastes all of it.
TEST_F(MainFormTest, PasteFromTheClipboardTakesEveryLine) {
    PutOnClipboard(Window(), L"първи ред\r\nвтори ред\r\n");
    SetText("Text2(0)", L"");
    SendMessageW(Child("Text2(0)"), WM_PASTE, 0, 0);
    EXPECT_EQ(Text("Text2(0)"), L"първи ред втори ред ");
}

INSTANTIATE_TEST_SUITE_P(Pasted, SharedFieldCaseTest, ::testing::ValuesIn(expected::kFieldCases),
                         cipher::testing::RowName{});

// The key field, emptied.
class KeyFieldTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        SetText("Text2(1)", L"");
    }
};

using SharedTypingCaseTest = MainFormTableTest<expected::TypedCase>;

// Typed one WM_CHAR a UTF-16 unit, as the keyboard delivers them: an emoji comes in two halves.
TEST_P(SharedTypingCaseTest, TypingKeepsWhatEveryFrontEndKeeps) {
    const expected::TypedCase& typing = GetParam();
    const std::string field = StartWith(typing.field, typing.start);
    Type(field, toWide(typing.typed));
    EXPECT_EQ(Text(field), toWide(typing.kept));
    EXPECT_EQ(Sheet().Text2[typing.field].text(), typing.kept);
}

INSTANTIATE_TEST_SUITE_P(Typed, SharedTypingCaseTest, ::testing::ValuesIn(expected::kTypedCases),
                         cipher::testing::RowName{});

TEST_F(KeyFieldTest, AFullFieldTakesNoHalfOfASurrogatePair) {
    Type("Text2(1)", L"абвгдежзий");
    Type("Text2(1)", kGrinning);
    EXPECT_EQ(Text("Text2(1)"), L"абвгдежзий");
    Insert("Text2(1)", kGrinning);
    EXPECT_EQ(Text("Text2(1)"), L"абвгдежзий");
}

// A lone half, typed or left behind, becomes U+FFFD in the field and the worksheet alike.
TEST_F(KeyFieldTest, ALoneTypedHalfBecomesTheReplacementCharacter) {
    Type("Text2(1)", L"а\xDE00"
                     L"б");
    EXPECT_EQ(Text("Text2(1)"), L"а\uFFFDб");
    Type("Text2(1)", L"\xD83D"
                     L"в");
    EXPECT_EQ(Text("Text2(1)"), L"а\uFFFDб\uFFFDв");
    EXPECT_EQ(Sheet().Text2[1].text(), U"а\uFFFDб\uFFFDв");
}

TEST_F(KeyFieldTest, ACombiningMarkJoinsItsLetter) {
    Type("Text2(1)", L"и\u0306");
    EXPECT_EQ(Text("Text2(1)"), L"й");
    EXPECT_EQ(Caret("Text2(1)"), 1u);
}

// Backspace and Delete take an emoji whole, leaving no half behind.
TEST_F(KeyFieldTest, DeletingAnEmojiLeavesNoHalf) {
    Type("Text2(1)", std::wstring(L"аб") + kGrinning);
    SendMessageW(Child("Text2(1)"), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(Text("Text2(1)"), L"аб");

    Type("Text2(1)", kGrinning);
    Select("Text2(1)", 2, 2);
    SendMessageW(Child("Text2(1)"), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(Text("Text2(1)"), L"аб");
}

struct PasteCase {
    const char* name;
    const wchar_t* before;
    int selectFrom, selectTo; // UTF-16 units
    const wchar_t* pasted;
    const wchar_t* after;
    DWORD caret; // UTF-16 units
    friend void PrintTo(const PasteCase& row, std::ostream* out) { *out << row.name; }
};

using KeyPasteTest = MainFormTableTest<PasteCase>;

TEST_P(KeyPasteTest, KeepsToTheRulesAndPlacesTheCaret) {
    const PasteCase& paste = GetParam();
    SetText("Text2(1)", paste.before);
    Select("Text2(1)", paste.selectFrom, paste.selectTo);
    Insert("Text2(1)", paste.pasted);
    EXPECT_EQ(Text("Text2(1)"), paste.after);
    EXPECT_EQ(Caret("Text2(1)"), paste.caret);
}

// Each expected text is cut by hand at the tenth character.
INSTANTIATE_TEST_SUITE_P(
    Pasted, KeyPasteTest,
    ::testing::Values(
        PasteCase{"over_the_whole_text", L"пчела", 0, -1, L"0123456789ABC", L"0123456789", 10},
        PasteCase{"in_the_middle_keeps_both_ends", L"абвгдежзи", 3, 3, L"XYZ", L"абвXгдежзи", 4},
        PasteCase{"over_a_selection_in_the_middle", L"абвгдежзий", 2, 4, L"XYZ", L"абXYдежзий", 4},
        PasteCase{"control_characters_are_dropped", L"", 0, 0,
                  L"a\x01"
                  L"b\x1b"
                  L"c",
                  L"abc", 3},
        PasteCase{"an_emoji_that_does_not_fit_is_left_out_whole", L"абвгдежзи", 9, 9,
                  L"\U0001F600\U0001F600", L"абвгдежзи\U0001F600", 11},
        PasteCase{"a_letter_is_not_parted_from_its_mark", L"абвгдежзи", 9, 9, L"е\u0301",
                  L"абвгдежзи", 9}),
    cipher::testing::RowName{});

TEST_F(MainFormTest, PlaintextFieldTakesAHundredCharacters) {
    SetText("Text2(0)", L"");
    Insert("Text2(0)", Repeated(L"абвгд", 21)); // 105 characters
    EXPECT_EQ(Text("Text2(0)"), Repeated(L"абвгд", 20));
    Type("Text2(0)", L"е");
    EXPECT_EQ(Text("Text2(0)").size(), 100u);

    // 99 characters and an emoji make 100 characters in 101 UTF-16 units.
    SetText("Text2(0)", Repeated(L"я", 99));
    Select("Text2(0)", 99, 99);
    Type("Text2(0)", std::wstring(kGrinning) + L"ю");
    EXPECT_EQ(Text("Text2(0)"), Repeated(L"я", 99) + kGrinning);
}

} // namespace
} // namespace cipher::win32::testing
