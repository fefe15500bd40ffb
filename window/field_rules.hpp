// SPDX-License-Identifier: MIT
// How a single-line input field takes an edit, whatever the toolkit: one line, and no more
// characters than its limit, counted in code points. The binding normalises the text (form C)
// between the two rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cipher::field_rules {

// One line of well-formed UTF-16: every line break (CR LF, CR, LF, VT, FF, NEL, U+2028, U+2029)
// and every tab becomes one space, other control characters are dropped, and a lone surrogate,
// which no real character leaves behind, becomes U+FFFD, as Qt and browsers read it.
std::u16string singleLine(std::u16string_view text);

struct Edit {
    std::u32string text;
    std::size_t cursor; // in characters, after the inserted text
};

// The text a field keeps when an edit turned `before` into `after` and the cursor stands at
// `cursor`. Within the limit the edit stands as it is. Beyond it, the inserted characters that
// do not fit are left out, so what stood before and after the insertion is kept; the cut never
// separates a character from the marks and joiners that belong to it, nor a flag's two halves.
Edit withinLimit(std::u32string_view before, std::u32string_view after, std::size_t cursor,
                 std::size_t maxLength);

// Units [from, to) of a text, in UTF-16 as the toolkits count.
struct Span {
    std::size_t from;
    std::size_t to;
};

// The units of `before` that one replacement turns into `after`, the way a toolkit records an
// edit that can be undone: as few as can be, starting no later than `latestFrom` and ending no
// earlier than `earliestTo` (where the edit was made, should the text repeat around it), and
// never between the two halves of a surrogate pair.
Span replacedSpan(std::u16string_view before, std::u16string_view after, std::size_t latestFrom,
                  std::size_t earliestTo);

} // namespace cipher::field_rules
