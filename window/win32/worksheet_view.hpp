// SPDX-License-Identifier: MIT
// The window as a view of the worksheet: after every click it shows the worksheet again, and
// before a click it hands the worksheet what the student typed.
#pragma once

#include "window/layout.hpp"
#include "worksheet/worksheet.hpp"

#include <windows.h>

#include <span>

namespace cipher::win32 {

// `windows` holds the window of each control of the layout table, in the table's order, or null
// for a control that has no window (the hidden lists).

// Puts the worksheet's texts, captions and list items into the controls that show them.
void ShowWorksheet(const Worksheet& sheet, std::span<const HWND> windows);

// Copies the text of every field the student can edit into the worksheet, in normalisation
// form C.
void TakeInputs(std::span<const HWND> windows, Worksheet& sheet);

} // namespace cipher::win32
