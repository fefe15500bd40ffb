// SPDX-License-Identifier: MIT
// The two kinds of EDIT control the window has: the input fields, which keep to the binding's
// rules whatever changes their text, and the read-only message pane.
#pragma once

#include "window/worksheet_binding.hpp"

#include <windows.h>

#include <cstddef>

namespace cipher::win32 {

// Makes `edit`, a single-line EDIT control, input field Text2(field) of the binding. Whatever
// changes its text (typing, pasting, EM_REPLACESEL, WM_SETTEXT, deleting, undoing, an input
// method), the text is then settled to what the binding keeps of the edit, and the worksheet
// takes it. The rules stay with the control until it is destroyed.
void MakeInputField(HWND edit, WorksheetBinding& binding, std::size_t field);

// A read-only, multi-line edit control would keep every key for itself, Tab included, and the
// focus, which starts on the pane, could never move on. The pane lets Tab leave for the next
// control, and leaves its text unselected when the focus comes in, so that the message reads as
// text, not as a selection.
void MakeMessagePane(HWND edit);

} // namespace cipher::win32
