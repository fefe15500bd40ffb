// SPDX-License-Identifier: MIT
// The layout table is in twips; the window is built in the pixels of the screen's real dots per
// inch, which the program's manifest asks Windows to report instead of a scaled 96.
#pragma once

#include "window/layout.hpp"

#include <windows.h>

namespace cipher::win32 {

struct Dpi {
    int x;
    int y;
};

Dpi ScreenDpi();

// A rectangle of the table as left, top, right and bottom in pixels. Each of left, top, width
// and height is rounded on its own, so equal sizes in the table stay equal on the screen.
RECT ToPixels(const layout::Twips& bounds, Dpi dpi);

} // namespace cipher::win32
