// SPDX-License-Identifier: MIT
// What the plaintext and key fields accept when a student types or pastes: limits counted in
// characters (an emoji is one character but two UTF-16 units), no half of a surrogate pair,
// no mark torn from its letter, one line only, form C.
#include "main_window_fixture.hpp"

#include <array>
#include <cstring>

namespace cipher::win32::testing {
namespace {

constexpr const wchar_t* kGrinning = L"\U0001F600"; // one character, two UTF-16 units

// The key field, emptied.
class KeyFieldTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetText("Text2(1)", L"");
    }
};

TEST_F(KeyFieldTest, TypingStopsAtTheTenthCharacter) {
    Type("Text2(1)", L"абвгдежзийкл");
    EXPECT_EQ(Text("Text2(1)"), L"абвгдежзий");
}

TEST_F(KeyFieldTest, ALetterOutsideTheBasicPlaneCountsOnce) {
    Type("Text2(1)", L"абвгдежзи");
    Type("Text2(1)", kGrinning); // the tenth character, the eleventh UTF-16 unit
    EXPECT_EQ(Text("Text2(1)"), std::wstring(L"абвгдежзи") + kGrinning);
    Type("Text2(1)", L"ж");
    EXPECT_EQ(Text("Text2(1)").size(), 11u);
}

TEST_F(KeyFieldTest, AFullFieldTakesNoHalfOfASurrogatePair) {
    Type("Text2(1)", L"абвгдежзий");
    Type("Text2(1)", kGrinning);
    EXPECT_EQ(Text("Text2(1)"), L"абвгдежзий");
    Insert("Text2(1)", kGrinning);
    EXPECT_EQ(Text("Text2(1)"), L"абвгдежзий");
}

TEST_F(KeyFieldTest, ACombiningMarkJoinsItsLetter) {
    Type("Text2(1)", L"и\u0306");
    EXPECT_EQ(Text("Text2(1)"), L"й");
    EXPECT_EQ(Caret("Text2(1)"), 1u);
}

struct PasteCase {
    const char* name;
    const wchar_t* before;
    int selectFrom, selectTo; // UTF-16 units
    const wchar_t* pasted;
    const wchar_t* after;
    DWORD caret; // UTF-16 units
};

// Each expected text is cut by hand at the tenth character.
constexpr std::array kKeyPastes{
    PasteCase{"into an empty field", L"", 0, 0, L"абвгдежзийклмно", L"абвгдежзий", 10},
    PasteCase{"over the whole text", L"пчела", 0, -1, L"0123456789ABC", L"0123456789", 10},
    PasteCase{"in the middle keeps both ends", L"абвгдежзи", 3, 3, L"XYZ", L"абвXгдежзи", 4},
    PasteCase{"over a selection in the middle", L"абвгдежзий", 2, 4, L"XYZ", L"абXYдежзий", 4},
    PasteCase{"line breaks become spaces", L"", 0, 0, L"ab\r\ncd\te\nf", L"ab cd e f", 9},
    PasteCase{"control characters are dropped", L"", 0, 0,
              L"a\x01"
              L"b\x1b"
              L"c",
              L"abc", 3},
    PasteCase{"an emoji that does not fit is left out whole", L"абвгдежзи", 9, 9,
              L"\U0001F600\U0001F600", L"абвгдежзи\U0001F600", 11},
    PasteCase{"a letter is not parted from its mark", L"абвгдежзи", 9, 9, L"е\u0301", L"абвгдежзи",
              9},
};

TEST_F(KeyFieldTest, PastedTextKeepsToTheRules) {
    for (const PasteCase& paste : kKeyPastes) {
        SCOPED_TRACE(paste.name);
        SetText("Text2(1)", paste.before);
        Select("Text2(1)", paste.selectFrom, paste.selectTo);
        Insert("Text2(1)", paste.pasted);
        EXPECT_EQ(Text("Text2(1)"), paste.after);
        EXPECT_EQ(Caret("Text2(1)"), paste.caret);
    }
}

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

// A single-line edit control would paste only the first line; the field pastes all of it.
TEST_F(MainWindowTest, PasteFromTheClipboardTakesEveryLine) {
    PutOnClipboard(Window(), L"първи ред\r\nвтори ред\r\n");
    SetText("Text2(0)", L"");
    SendMessageW(Child("Text2(0)"), WM_PASTE, 0, 0);
    EXPECT_EQ(Text("Text2(0)"), L"първи ред втори ред ");
}

TEST_F(MainWindowTest, PlaintextFieldTakesAHundredCharacters) {
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

// Whatever the edit control deletes, no lone half of a surrogate pair stays in the field.
TEST_F(KeyFieldTest, BackspaceAfterAnEmojiLeavesNoHalf) {
    Type("Text2(1)", std::wstring(L"аб") + kGrinning);
    SendMessageW(Child("Text2(1)"), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(Text("Text2(1)"), L"аб");
}

} // namespace
} // namespace cipher::win32::testing
