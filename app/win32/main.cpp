// SPDX-License-Identifier: MIT
// The program's start: it shows MainForm and waits for clicks until the window is closed.
#include "window/win32/main_form.hpp"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCmd) {
    HWND window = cipher::win32::createMainForm(instance);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCmd);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager gives the window its keyboard: Tab, Shift+Tab and the arrow keys.
        if (IsDialogMessageW(window, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
