// SPDX-License-Identifier: MIT
// Shows a window and runs its message loop until the window and its controls have painted their
// first frame, then returns: what a start-up measurement times.
#pragma once

#include <windows.h>

namespace cipher::bench {

inline int ShowUntilFirstFrame(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    // The controls paint through the queue after their parent; the frame is whole once no paint
    // and no other message is waiting.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace cipher::bench
