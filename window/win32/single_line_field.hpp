// SPDX-License-Identifier: MIT
// The rules of the plaintext and key fields on a Windows edit control. Whatever changes the
// text (typing, pasting, EM_REPLACESEL, deleting, undoing, an input method) is followed by the
// same settling: the text is put into normalisation form C, line breaks and tabs become spaces,
// other control characters go, and an edit that would pass the limit keeps only the inserted
// characters that fit, cut between whole characters. The limit counts characters, not the
// UTF-16 units that the edit control itself would count.
#pragma once

#include <windows.h>

#include <cstddef>

namespace cipher::win32 {

// Makes `edit`, a single-line EDIT control, keep to these rules with at most maxLength
// characters. The rules stay with the control until it is destroyed.
void MakeSingleLineField(HWND edit, std::size_t maxLength);

} // namespace cipher::win32
