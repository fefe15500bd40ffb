// SPDX-License-Identifier: MIT
// UTF-16 to characters and back, and positions between the two counts.
#include "window/win32/utf16.hpp"

#include <gtest/gtest.h>

#include <array>

namespace cipher::win32 {
namespace {

struct Encoding {
    const char* name;
    std::u32string characters;
    std::wstring units;
};

const std::array kEncodings{
    Encoding{"empty", U"", L""},
    Encoding{"Cyrillic, one unit each", U"шифър", L"шифър"},
    Encoding{"emoji, a surrogate pair", U"a\U0001F600b",
             L"a\xD83D\xDE00"
             L"b"},
    Encoding{"last code point", U"\U0010FFFF", L"\xDBFF\xDFFF"},
    Encoding{"first supplementary code point", U"\U00010000", L"\xD800\xDC00"},
};

TEST(Utf16, ConvertsBothWays) {
    for (const Encoding& encoding : kEncodings) {
        EXPECT_EQ(ToUtf16(encoding.characters), encoding.units) << encoding.name;
        EXPECT_EQ(FromUtf16(encoding.units), encoding.characters) << encoding.name;
    }
}

TEST(Utf16, LoneSurrogatesAreDropped) {
    EXPECT_EQ(FromUtf16(L"a\xD83D"), U"a");
    EXPECT_EQ(FromUtf16(L"\xDE00"
                        L"b"),
              U"b");
    EXPECT_EQ(FromUtf16(L"\xDE00\xD83D"), U""); // low before high is no pair
    EXPECT_EQ(ToUtf16(std::u32string(1, char32_t{0xD800})), L"");
}

struct Position {
    const wchar_t* units;
    std::size_t unitCount;
    std::size_t characters;
};

// "a😀b" is a, high, low, b: 4 units, 3 characters.
constexpr const wchar_t* kEmojiBetweenLetters = L"a\xD83D\xDE00"
                                                L"b";

constexpr std::array kPositions{
    Position{kEmojiBetweenLetters, 0, 0}, // the start
    Position{kEmojiBetweenLetters, 1, 1}, // after a
    Position{kEmojiBetweenLetters, 2, 1}, // between the halves: the emoji is not reached yet
    Position{kEmojiBetweenLetters, 3, 2}, // after the emoji
    Position{kEmojiBetweenLetters, 4, 3}, // the end
    Position{kEmojiBetweenLetters, 9, 3}, // past the end
};

TEST(Utf16, CountsCharactersBeforeAUnitPosition) {
    for (const Position& position : kPositions) {
        EXPECT_EQ(CharactersBefore(position.units, position.unitCount), position.characters)
            << "after " << position.unitCount << " units";
    }
}

TEST(Utf16, CountsUnitsOfLeadingCharacters) {
    EXPECT_EQ(UnitsOf(U"a\U0001F600b", 0), 0u);
    EXPECT_EQ(UnitsOf(U"a\U0001F600b", 2), 3u);
    EXPECT_EQ(UnitsOf(U"a\U0001F600b", 3), 4u);
    EXPECT_EQ(UnitsOf(U"a\U0001F600b", 7), 4u);
}

} // namespace
} // namespace cipher::win32
