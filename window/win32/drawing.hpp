// SPDX-License-Identifier: MIT
// What the window is drawn with: the screen's dots per inch, in whose pixels the layout table's
// twips are placed (the program's manifest asks Windows for the real dpi, not a scaled 96), the
// one font of the window and its controls, its colours and the solid brushes of them.
#pragma once

#include "window/colours.hpp"
#include "window/layout.hpp"

#include <windows.h>

#include <utility>
#include <vector>

namespace cipher::win32 {

struct Dpi {
    int x;
    int y;
};

Dpi screenDpi();

// A rectangle of the table as left, top, right and bottom in pixels. Each of left, top, width
// and height is rounded on its own, so equal sizes in the table stay equal on the screen.
RECT toPixels(const layout::Twips& bounds, Dpi dpi);

COLORREF colourOf(layout::Rgb rgb);

// A colour of the window's rule: the table's own, or Windows' system colour of its role.
COLORREF colourOf(const colours::Colour& colour);

// Whether Windows' high contrast is on: the student's own choice of colours over the window's.
// The window asks it through this pointer, which a test sets to answer in Windows' place, since
// Wine cannot switch high contrast on.
extern bool (*highContrastOn)();

// The window's font for the screen's dpi, deleted with its owner once no control uses it.
class WindowFont {
public:
    WindowFont(const layout::Font& font, Dpi dpi);
    WindowFont(const WindowFont&) = delete;
    WindowFont& operator=(const WindowFont&) = delete;
    ~WindowFont();

    HFONT handle() const noexcept { return font_; }

private:
    HFONT font_;
};

// One brush per colour, made when first asked for and deleted with its owner. Kept by the colour
// itself, so that a system colour that the student changes gets a brush of its own.
class SolidBrushes {
public:
    SolidBrushes() = default;
    SolidBrushes(const SolidBrushes&) = delete;
    SolidBrushes& operator=(const SolidBrushes&) = delete;
    ~SolidBrushes();

    HBRUSH forColour(COLORREF colour);

private:
    std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
};

} // namespace cipher::win32
