// SPDX-License-Identifier: MIT
// The three steps of the matrix transposition cipher. Encrypt runs them in this order; each
// works on the worksheet in place and reports only through it.
#pragma once

#include "worksheet/worksheet.hpp"

namespace cipher {

// Checks the lengths of plaintext and key, splits the key into List1[2] (key order) and
// List1[3] (sorted), rejects a key with a repeated character, writes the key and the sorted key
// into the headers Label1[3] and Label1[4], and splits the plaintext into List1[4], followed by
// fillers "A", "B", … up to a multiple of the key length. A rejection leaves List1[3] empty and
// its message in Text1[0]; the headers and the ciphertext stay as they were.
void PrepareKeyAndText(Worksheet& sheet);

// Cuts the text letters of List1[4] into rows as long as the key: the initial matrix, List1[0].
void BuildInitialMatrix(Worksheet& sheet);

// Moves, in every row, the character under key letter k to the place of that letter in the
// sorted key: the final matrix, List1[1]. Its rows, top to bottom, are the ciphertext, Text2[2].
void BuildFinalMatrix(Worksheet& sheet);

} // namespace cipher
