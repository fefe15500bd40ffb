// SPDX-License-Identifier: MIT
// A push button drawn in a colour of its own. Windows paints push buttons in the system's button
// colour whatever WM_CTLCOLORBTN answers, so the window's buttons are owner-drawn (BS_OWNERDRAW)
// and painted here: a raised face in the button's colour, sunken while pressed, with the caption
// and, when the button has the focus, a focus rectangle.
#pragma once

#include <windows.h>

namespace cipher::win32 {

void DrawColourButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font);

} // namespace cipher::win32
