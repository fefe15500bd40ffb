// SPDX-License-Identifier: MIT
// Start-up of the program's window: QApplication, MainForm, first painted frame, exit.
#include "first_frame.hpp"
#include "window/qt/main_form.hpp"
#include "window/qt/window_font.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    cipher::useWindowFontAsDefault(); // as the program does
    cipher::MainForm form;
    return cipher::bench::ShowUntilFirstFrame(form);
}
