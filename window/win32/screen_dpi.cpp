// SPDX-License-Identifier: MIT
#include "window/win32/screen_dpi.hpp"

namespace cipher::win32 {

Dpi ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const Dpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT ToPixels(const layout::Twips& bounds, Dpi dpi) {
    const int left = layout::ToPixels(bounds.left, dpi.x);
    const int top = layout::ToPixels(bounds.top, dpi.y);
    return {left, top, left + layout::ToPixels(bounds.width, dpi.x),
            top + layout::ToPixels(bounds.height, dpi.y)};
}

} // namespace cipher::win32
