// SPDX-License-Identifier: MIT
// MainForm, the program's one window, on the Win32 user interface. It builds its controls from
// the layout table, shows the worksheet through the binding every front end shares, and hands
// each click of a Command1 button to the worksheet's command dispatch.
#pragma once

#include "worksheet/worksheet.hpp"

#include <windows.h>

#include <string_view>

namespace cipher::win32 {

// Creates the window, not yet shown, with its controls and a worksheet in its starting state.
// Destroying the window ends the message loop (WM_QUIT). Null if Windows refuses.
HWND createMainForm(HINSTANCE instance);

// The child-window id of the control of the layout table with that name; throws
// std::out_of_range for an unknown name.
int controlId(std::string_view name);

// The worksheet of a window that createMainForm made.
const Worksheet& worksheetOf(HWND window);

} // namespace cipher::win32
