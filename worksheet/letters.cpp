// SPDX-License-Identifier: MIT
#include "worksheet/letters.hpp"

#include "worksheet/letter_table.hpp"

#include <algorithm>

namespace cipher {
namespace {

using letter_table::Run;

// The run whose code points include c, if any.
const Run* FindRun(std::span<const Run> runs, char32_t c) {
    auto after = std::upper_bound(runs.begin(), runs.end(), c,
                                  [](char32_t value, const Run& run) { return value < run.first; });
    if (after == runs.begin()) {
        return nullptr;
    }
    const Run& run = *std::prev(after);
    if (c > run.last || (c - run.first) % static_cast<char32_t>(run.stride) != 0) {
        return nullptr;
    }
    return &run;
}

bool InRanges(std::span<const letter_table::Range> ranges, char32_t c) {
    auto after = std::upper_bound(
        ranges.begin(), ranges.end(), c,
        [](char32_t value, const letter_table::Range& range) { return value < range.first; });
    return after != ranges.begin() && c <= std::prev(after)->last;
}

} // namespace

bool IsLetter(char32_t c) {
    return InRanges(letter_table::kLetters, c);
}

bool IsCombiningMark(char32_t c) {
    return InRanges(letter_table::kMarks, c);
}

char32_t FoldCase(char32_t c) {
    const Run* run = FindRun(letter_table::kCaseFolding, c);
    return run != nullptr ? static_cast<char32_t>(static_cast<std::int32_t>(c) + run->value) : c;
}

LetterCase CaseOf(char32_t c) {
    const Run* run = FindRun(letter_table::kCaseRanks, c);
    return run != nullptr ? static_cast<LetterCase>(run->value) : LetterCase::Lower;
}

char32_t BaseLetter(char32_t c) {
    const auto& mappings = letter_table::kBaseLetters;
    auto found = std::lower_bound(
        mappings.begin(), mappings.end(), c,
        [](const letter_table::Mapping& mapping, char32_t value) { return mapping.from < value; });
    return found != mappings.end() && found->from == c ? found->to : c;
}

} // namespace cipher
