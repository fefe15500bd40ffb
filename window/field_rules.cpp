// SPDX-License-Identifier: MIT
#include "window/field_rules.hpp"

#include "window/utf16.hpp"
#include "worksheet/letters.hpp"

#include <algorithm>

namespace cipher::field_rules {
namespace {

bool isLineBreakOrTab(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\t' || c == U'\v' || c == U'\f' || c == U'\u0085' ||
           c == U'\u2028' || c == U'\u2029';
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

constexpr char32_t kZeroWidthJoiner = U'\u200D';

bool isRegionalIndicator(char32_t c) {
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

// Characters that belong to the one before them on screen: marks, joiners, variation
// selectors, skin-tone modifiers and emoji tags.
bool extends(char32_t c) {
    return IsCombiningMark(c) || c == kZeroWidthJoiner || (c >= 0xFE00 && c <= 0xFE0F) ||
           (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0020 && c <= 0xE007F) ||
           (c >= 0xE0100 && c <= 0xE01EF);
}

// Whether text may be cut before position `at` without splitting what a reader sees as one
// character.
bool isCutPoint(std::u32string_view text, std::size_t at) {
    if (at == 0 || at >= text.size()) {
        return true;
    }
    if (extends(text[at]) || text[at - 1] == kZeroWidthJoiner) {
        return false;
    }
    if (isRegionalIndicator(text[at])) {
        std::size_t run = 0; // regional indicators pair up from the start of their run
        while (run < at && isRegionalIndicator(text[at - 1 - run])) {
            ++run;
        }
        return run % 2 == 0;
    }
    return true;
}

} // namespace

std::u16string singleLine(std::u16string_view text) {
    std::u16string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (utf16::startsPair(text, i)) {
            line.append(text.substr(i++, 2));
        } else if (utf16::isSurrogate(c)) {
            line += u'\uFFFD';
        } else if (isLineBreakOrTab(c)) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            line += u' ';
        } else if (!isControl(c)) {
            line += c;
        }
    }
    return line;
}

Edit withinLimit(std::u32string_view before, std::u32string_view after, std::size_t cursor,
                 std::size_t maxLength) {
    if (after.size() <= maxLength) {
        return {std::u32string(after), std::min(cursor, after.size())};
    }
    // What the edit kept of the old text at the start and at the end; the rest was inserted.
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head]) {
        ++head;
    }
    std::size_t tail = 0;
    // cppcheck takes head == shorter for granted after the loop above; a difference before the
    // end of the shorter text leaves head < shorter, and then this condition holds at first.
    // cppcheck-suppress knownConditionTrueFalse
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    if (head + tail > maxLength) {
        // The old text was already over the limit: keep its beginning.
        std::size_t keep = maxLength;
        while (!isCutPoint(after, keep)) {
            --keep;
        }
        return {std::u32string(after.substr(0, keep)), std::min(cursor, keep)};
    }
    const std::u32string_view inserted = after.substr(head, after.size() - head - tail);
    std::size_t keep = maxLength - head - tail;
    while (keep > 0 && !isCutPoint(inserted, keep)) {
        --keep;
    }
    std::u32string text(after.substr(0, head));
    text.append(inserted.substr(0, keep)).append(after.substr(after.size() - tail));
    return {std::move(text), head + keep};
}

Span replacedSpan(std::u16string_view before, std::u16string_view after, std::size_t latestFrom,
                  std::size_t earliestTo) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t tail = 0;
    const std::size_t longestTail =
        std::min(shorter, before.size() - std::min(earliestTo, before.size()));
    while (tail < longestTail &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    std::size_t head = 0;
    const std::size_t longestHead = std::min(latestFrom, shorter - tail);
    while (head < longestHead && before[head] == after[head]) {
        ++head;
    }
    Span span{head, before.size() - tail};
    if (span.from > 0 && utf16::startsPair(before, span.from - 1)) {
        --span.from;
    }
    if (span.to > 0 && utf16::startsPair(before, span.to - 1)) {
        ++span.to;
    }
    return span;
}

} // namespace cipher::field_rules
