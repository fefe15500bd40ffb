// SPDX-License-Identifier: MIT
// Unicode facts about letters, generated into letter_table.cpp. Only letters.cpp reads them.
#pragma once

#include <cstdint>
#include <span>

namespace cipher::letter_table {

// The code points first..last, all of them.
struct Range {
    char32_t first;
    char32_t last;
};

// Every stride-th code point from first to last shares one value: a distance to add (case
// folding) or a case rank (1 title case, 2 upper case).
struct Run {
    char32_t first;
    char32_t last;
    std::int32_t value;
    std::int32_t stride;
};

struct Mapping {
    char32_t from;
    char32_t to;
};

extern const std::span<const Range> kLetters;   // sorted, disjoint
extern const std::span<const Range> kMarks;     // combining marks; sorted, disjoint
extern const std::span<const Run> kCaseFolding; // sorted, disjoint; letters that fold
extern const std::span<const Run> kCaseRanks;   // sorted, disjoint; title- and upper-case letters
extern const std::span<const Mapping> kBaseLetters; // sorted by from; accented letter to its base

} // namespace cipher::letter_table
