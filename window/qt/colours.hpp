// SPDX-License-Identifier: MIT
// The window's colour rule (window/colours.hpp) in Qt's terms: a colour of the layout table as it
// stands, a role as the colour of the application's palette, which follows the desktop's style.
#pragma once

#include "window/colours.hpp"
#include "window/layout.hpp"

#include <QColor>

namespace cipher {

QColor toQColor(layout::Rgb rgb);
QColor toQColor(const colours::Colour& colour);

} // namespace cipher
