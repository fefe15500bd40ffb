// SPDX-License-Identifier: MIT
// Unicode normalisation form C, done by Windows itself. A student may type "й" as one character
// or as "и" followed by a combining breve; in form C both are the one letter, so a field counts
// it once against its limit and the key sorts it as one letter.
#pragma once

#include <string>
#include <string_view>

namespace cipher::win32 {

// The text in form C; text that Windows cannot normalise is returned as it is.
std::u32string NormalizedC(std::u32string_view text);

} // namespace cipher::win32
