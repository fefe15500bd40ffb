// SPDX-License-Identifier: MIT
// The yardstick for start-up: a bare window of the program's size and font, shown until its
// first painted frame. It draws one line in that font, as any window with text must: without
// it Qt would never load the font (nor build its font database) and the yardstick would leave
// out the one cost every text-showing window pays. start_empty_window leaves even that out.
#include "first_frame.hpp"
#include "window/layout.hpp"
#include "window/qt/window_font.hpp"

#include <QPainter>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*event*/) override {
#ifndef EMPTY_WINDOW
        QPainter(this).drawText(rect(), Qt::AlignTop | Qt::AlignHCenter, windowTitle());
#endif
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    cipher::useWindowFontAsDefault(); // as the program does; the window takes it from there
    const cipher::layout::Window& wanted = cipher::layout::mainWindow();
    BareWindow window;
    window.setWindowTitle(
        QString::fromUcs4(wanted.title.data(), static_cast<qsizetype>(wanted.title.size())));
    window.setFixedSize(cipher::layout::toPixels(wanted.client.width, 96),
                        cipher::layout::toPixels(wanted.client.height, 96));
    return cipher::bench::ShowUntilFirstFrame(window);
}
