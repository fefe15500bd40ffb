// SPDX-License-Identifier: MIT
// The message pane is a read-only, multi-line edit control. Such a control would keep every key
// for itself, Tab included, and the focus, which starts on the pane, could never move on.
#pragma once

#include <windows.h>

namespace cipher::win32 {

// Lets Tab leave `edit` for the next control, and leaves the text unselected when the focus
// comes in, so that the message reads as text, not as a selection.
void MakeMessagePane(HWND edit);

} // namespace cipher::win32
