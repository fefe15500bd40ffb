// SPDX-License-Identifier: MIT
// Renders the window, after one click on "Кодирай" with the sample input, to a PNG file.
// tools/screenshot runs it on the offscreen platform.
#include "window/qt/main_form.hpp"
#include "window/qt/window_font.hpp"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    cipher::useWindowFontAsDefault(); // as the program does
    cipher::MainForm form;
    form.show();
    form.findChild<QPushButton*>(QStringLiteral("Command1(0)"))->click();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
