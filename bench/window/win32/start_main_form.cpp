// SPDX-License-Identifier: MIT
// Start-up of the Windows program's window: MainForm, first painted frame, exit.
#include "first_frame_loop.hpp"
#include "window/win32/main_form.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*showCmd*/) {
    HWND window = cipher::win32::createMainForm(instance);
    return window == nullptr ? 1 : cipher::bench::ShowUntilFirstFrame(window);
}
