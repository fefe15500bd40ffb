// SPDX-License-Identifier: MIT
// The program's start: one window, shown until the user closes it.
#include "app/qt/display.hpp"
#include "window/layout.hpp"
#include "window/qt/main_form.hpp"
#include "window/qt/window_font.hpp"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!cipher::hasDisplay()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(cipher::kNoDisplayMessage.size()),
                     cipher::kNoDisplayMessage.data());
        return 1;
    }
    // The program takes no command line: Qt sees only the program's name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    const std::string_view version = cipher::layout::mainWindow().version;
    QApplication::setApplicationName(QStringLiteral("matrix-cipher"));
    QApplication::setApplicationVersion(
        QString::fromLatin1(version.data(), static_cast<qsizetype>(version.size())));
    QApplication::setDesktopFileName(QStringLiteral(MATRIX_CIPHER_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/matrix-cipher-32.png")));
    cipher::useWindowFontAsDefault();

    cipher::MainForm form;
    form.show();
    return QApplication::exec();
}
