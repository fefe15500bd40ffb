// SPDX-License-Identifier: MIT
// The one font of the window and all its controls, made for the screen's dots per inch.
#pragma once

#include "window/layout.hpp"
#include "window/win32/screen_dpi.hpp"

#include <windows.h>

namespace cipher::win32 {

// The caller deletes the font (DeleteObject) once no control uses it.
HFONT CreateWindowFont(const layout::Font& font, Dpi dpi);

} // namespace cipher::win32
