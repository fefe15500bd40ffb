// SPDX-License-Identifier: MIT
#include "worksheet/sorted_order.hpp"

#include "worksheet/letters.hpp"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>

namespace cipher {
namespace {

constexpr std::uint64_t kLetterClass = std::uint64_t{1} << 32;

std::uint64_t LookUpAlphabetKey(char32_t c) {
    return IsLetter(c) ? kLetterClass | FoldCase(BaseLetter(c)) : c;
}

std::uint64_t LookUpAccentKey(char32_t c) {
    return IsLetter(c) ? FoldCase(c) : c;
}

std::uint64_t LookUpCaseKey(char32_t c) {
    return static_cast<std::uint64_t>(CaseOf(c));
}

// Each key is looked up in the letter tables, up to three searches for one character, and
// sorting a key compares every letter several times. The letters students type lie below
// U+0530 (Latin, Greek, Cyrillic), so their keys are looked up once and kept.
constexpr char32_t kKeptBelow = 0x0530;

struct KeptKeys {
    std::uint64_t alphabet;
    std::uint64_t accent;
    std::uint64_t letterCase;
};

const std::array<KeptKeys, kKeptBelow>& Kept() {
    static const auto kept = [] {
        std::array<KeptKeys, kKeptBelow> keys{};
        for (char32_t c = 0; c < kKeptBelow; ++c) {
            keys[c] = {LookUpAlphabetKey(c), LookUpAccentKey(c), LookUpCaseKey(c)};
        }
        return keys;
    }();
    return kept;
}

std::uint64_t AlphabetKey(char32_t c) {
    return c < kKeptBelow ? Kept()[c].alphabet : LookUpAlphabetKey(c);
}

std::uint64_t AccentKey(char32_t c) {
    return c < kKeptBelow ? Kept()[c].accent : LookUpAccentKey(c);
}

std::uint64_t CaseKey(char32_t c) {
    return c < kKeptBelow ? Kept()[c].letterCase : LookUpCaseKey(c);
}

std::uint64_t CodePointKey(char32_t c) {
    return c;
}

// A loop of its own rather than std::lexicographical_compare_three_way, which the libc++ of the
// WebAssembly build lacks (as it lacks std::is_neq): character by character, then the shorter
// text first.
template <typename Key>
std::strong_ordering CompareBy(std::u32string_view left, std::u32string_view right, Key key) {
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (auto order = key(left[i]) <=> key(right[i]); order != std::strong_ordering::equal) {
            return order;
        }
    }
    return left.size() <=> right.size();
}

} // namespace

bool SortsBefore(std::u32string_view left, std::u32string_view right) {
    for (auto key : {AlphabetKey, AccentKey, CaseKey, CodePointKey}) {
        if (auto order = CompareBy(left, right, key); order != std::strong_ordering::equal) {
            return order == std::strong_ordering::less;
        }
    }
    return false;
}

} // namespace cipher
