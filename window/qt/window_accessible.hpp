// SPDX-License-Identifier: MIT
// How assistive tools see MainForm itself: as a window named by its title.
#pragma once

namespace cipher {

// A plain QWidget is presented as a client area (AT-SPI "filler"), which screen readers do not
// announce when it gets the focus; a window (AT-SPI "frame") they announce by its title.
// Installing it more than once is harmless.
void presentMainFormAsWindow();

} // namespace cipher
