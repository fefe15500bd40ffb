// SPDX-License-Identifier: MIT
// Windows speaks UTF-16, the worksheet counts characters in UTF-32. A character outside the
// Basic Multilingual Plane (an emoji, say) is two UTF-16 units, a surrogate pair, and one
// character: positions must be translated, never taken over unit for unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cipher::win32 {

std::wstring ToUtf16(std::u32string_view text);

// A lone surrogate stands for no character and is dropped.
std::u32string FromUtf16(std::wstring_view text);

// The number of characters in the first `units` UTF-16 units of text; a position inside a
// surrogate pair counts the pair as not yet reached.
std::size_t CharactersBefore(std::wstring_view text, std::size_t units);

// The number of UTF-16 units that the first `characters` characters of text take.
std::size_t UnitsOf(std::u32string_view text, std::size_t characters);

} // namespace cipher::win32
