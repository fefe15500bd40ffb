// SPDX-License-Identifier: MIT
// Whether the program has a screen to show its window on.
#pragma once

#include <string_view>

namespace cipher {

// On Linux the window needs an X11 or Wayland display, unless a Qt platform (such as the
// offscreen one) is chosen explicitly. Reads the environment; true on other systems.
bool hasDisplay();

// The one line the program prints instead of starting without a display.
inline constexpr std::string_view kNoDisplayMessage =
    "matrix-cipher: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
    "set); on a machine without a screen, start it under xvfb-run.";

} // namespace cipher
