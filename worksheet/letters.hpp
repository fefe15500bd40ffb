// SPDX-License-Identifier: MIT
// What the program needs to know about a single character: the sorted key list orders letters,
// and the fields never cut a mark off the character it belongs to.
#pragma once

namespace cipher {

// Letters of every script (Unicode general category L); digits, spaces, punctuation, symbols,
// emoji and combining marks are not letters.
bool IsLetter(char32_t c);

// Combining marks (Unicode general category M): accents and other marks that belong to the
// character before them. Each is a character of its own in every count.
bool IsCombiningMark(char32_t c);

// Simple case folding: the one character that stands for c when case is ignored
// ("А" and "а" both fold to "а"; "ς" folds to "σ").
char32_t FoldCase(char32_t c);

enum class LetterCase { Lower = 0, Title = 1, Upper = 2 }; // Lower also for uncased characters
LetterCase CaseOf(char32_t c);

// The letter an accented letter is built on ("é" on "e", "ѝ" on "и"), or c itself.
// "й" stays "й": the Bulgarian alphabet counts it as a letter of its own.
char32_t BaseLetter(char32_t c);

} // namespace cipher
