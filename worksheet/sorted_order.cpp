// SPDX-License-Identifier: MIT
#include "worksheet/sorted_order.hpp"

#include "worksheet/letters.hpp"

#include <algorithm>
#include <compare>
#include <cstdint>

namespace cipher {
namespace {

constexpr std::uint64_t kLetterClass = std::uint64_t{1} << 32;

std::uint64_t AlphabetKey(char32_t c) {
    return IsLetter(c) ? kLetterClass | FoldCase(BaseLetter(c)) : c;
}

std::uint64_t AccentKey(char32_t c) {
    return IsLetter(c) ? FoldCase(c) : c;
}

std::uint64_t CaseKey(char32_t c) {
    return static_cast<std::uint64_t>(CaseOf(c));
}

std::uint64_t CodePointKey(char32_t c) {
    return c;
}

template <typename Key>
std::strong_ordering CompareBy(std::u32string_view left, std::u32string_view right, Key key) {
    return std::lexicographical_compare_three_way(
        left.begin(), left.end(), right.begin(), right.end(),
        [key](char32_t a, char32_t b) { return key(a) <=> key(b); });
}

} // namespace

bool SortsBefore(std::u32string_view left, std::u32string_view right) {
    for (auto key : {AlphabetKey, AccentKey, CaseKey, CodePointKey}) {
        if (auto order = CompareBy(left, right, key); std::is_neq(order)) {
            return std::is_lt(order);
        }
    }
    return false;
}

} // namespace cipher
