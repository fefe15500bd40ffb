// SPDX-License-Identifier: MIT
// The one rule of the window's colours, for the front ends that paint the window themselves (Qt
// and Win32; the page leaves high contrast to the browser's forced colours): which part takes a
// colour of the layout table, and which the desktop's colour of a role, which each toolkit maps
// to its own system colour.
//
// In the window's own colours, the window, its labels and its buttons have the table's faces,
// and their text and the buttons' frame the window's text colour: black, whatever the desktop's
// palette, which would turn it light on the light faces of a dark desktop. The fields, the lists
// and the message pane take the desktop's colours, their face and their text from one palette.
// In the desktop's high contrast, the student's choice over the window's colours, the window and
// the labels take the desktop's window colours, and the buttons its button colours, framed in
// its window text colour, as contrast themes draw them.
//
// Outside the rule: a selected row, which each toolkit draws in its own selection colours, and
// Windows' focus rectangle, which inverts what it is drawn over. Qt's focus rectangle is drawn in
// the part's text colour.
#pragma once

#include "window/layout.hpp"

#include <optional>
#include <variant>

namespace cipher::colours {

// The desktop's colours: of a window (and a field), its face and its text; of a button.
enum class Role { WindowFace, WindowText, ButtonFace, ButtonText };

// A colour of the layout table, or the desktop's of a role.
using Colour = std::variant<layout::Rgb, Role>;

enum class Part { Window, Label, Button, Field };

struct PartColours {
    Colour face;
    Colour text;
    std::optional<Colour> frame; // a button's, one pixel wide
};

// The colours of a part whose face in the table is `described` (a field has none).
PartColours coloursOf(Part part, layout::Rgb described, bool highContrast);

} // namespace cipher::colours
