// SPDX-License-Identifier: MIT
// The order of the sorted key list.
#pragma once

#include <string_view>

namespace cipher {

// Alphabetical order with letter case not distinguished, made total so that two items are
// equivalent only when they are exactly equal. That is what lets the repeated-letter check
// compare neighbours only: a case-insensitive order with any other tie rule could sort "аАа"
// as "а", "А", "а" and hide the pair of "а".
//
// Items are compared level by level, each level character by character:
//   1. non-letters (spaces, digits, punctuation, symbols, emoji) before letters, among
//      themselves by code point; letters by their base letter with case folded, so Latin
//      letters come in Latin alphabet order, then Greek, then Cyrillic in alphabet order;
//   2. a plain letter before its accented forms ("e" before "é");
//   3. lower case before title case before upper case ("а" before "А");
//   4. code points, for anything still tied.
bool SortsBefore(std::u32string_view left, std::u32string_view right);

} // namespace cipher
