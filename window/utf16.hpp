// SPDX-License-Identifier: MIT
// Every toolkit the window runs on (Qt, Windows, the browser) speaks UTF-16; the worksheet counts
// characters in UTF-32. A character outside the Basic Multilingual Plane (an emoji, say) is two
// UTF-16 units, a surrogate pair, and one character: positions must be translated, never taken
// over unit for unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cipher::utf16 {

// A surrogate code point in the text has no UTF-16 form and is written as U+FFFD.
std::u16string fromText(std::u32string_view text);

// A lone surrogate, which no real character leaves behind, becomes U+FFFD, as Qt and browsers
// read it.
std::u32string toText(std::u16string_view units);

// Whether text[at] and the unit after it are a surrogate pair, one character.
bool startsPair(std::u16string_view text, std::size_t at);

// A surrogate, half of a pair.
constexpr bool isSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The number of characters in the first `units` UTF-16 units of text; a position inside a
// surrogate pair counts the pair as not yet reached.
std::size_t charactersBefore(std::u16string_view text, std::size_t units);

// The number of UTF-16 units that the first `characters` characters of text take.
std::size_t unitsOf(std::u32string_view text, std::size_t characters);

} // namespace cipher::utf16
