// SPDX-License-Identifier: MIT
// The standard Windows control for each kind of row in the layout table: STATIC for a label,
// EDIT for a field or the message pane, LISTBOX for a list, an owner-drawn BUTTON for a button.
#pragma once

#include "window/layout.hpp"
#include "window/win32/screen_dpi.hpp"

#include <windows.h>

namespace cipher::win32 {

// Creates the control at its place in the table, with its caption, as child `id` of parent.
HWND CreateControlWindow(HWND parent, const layout::Control& control, int id, Dpi dpi);

// Windows screen readers name an edit control or a list box after the label just before it in
// the tab order. This invisible label, created right before the control, carries the control's
// accessible name from the table.
HWND CreateNameLabel(HWND parent, const layout::Control& control, Dpi dpi);

} // namespace cipher::win32
