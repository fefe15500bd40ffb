// SPDX-License-Identifier: MIT
// The one font the window and every control in it are drawn in.
#pragma once

#include <QFont>

namespace cipher {

// Times New Roman 12 pt, regular; on systems without it fontconfig's metric-compatible serif.
QFont windowFont();

// Makes the window's font the application's default too. A line edit lays out its empty text in
// the default font before it joins its window, so without this Qt would also load the desktop's
// default face at start-up, only to drop it at once.
void useWindowFontAsDefault();

} // namespace cipher
