// SPDX-License-Identifier: MIT
// Time from a click on "Кодирай" to the end of the paint that shows its result, as the median of
// many clicks that alternate between two keys, so that every click changes what is shown.
#include "window/qt/main_form.hpp"
#include "window/qt/window_font.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Counts paint events anywhere in the application.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    long paints = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    cipher::useWindowFontAsDefault(); // as the program does
    cipher::MainForm form;
    form.show();
    PaintCounter counter;
    application.installEventFilter(&counter);
    while (counter.paints == 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    auto* key = form.findChild<QLineEdit*>(QStringLiteral("Text2(1)"));
    auto* encode = form.findChild<QPushButton*>(QStringLiteral("Command1(0)"));
    constexpr int kClicks = 500;
    std::vector<double> milliseconds;
    milliseconds.reserve(kClicks);
    for (int i = 0; i < kClicks; ++i) {
        key->setText(i % 2 == 0 ? QStringLiteral("пчела") : QStringLiteral("ключ"));
        QCoreApplication::processEvents(); // the typing is painted before the clock starts
        const long before = counter.paints;
        QElapsedTimer clock;
        clock.start();
        encode->click();
        // The click posts the repaint; the event loop paints it. Wait until it has.
        // cppcheck-suppress knownConditionTrueFalse ; the event filter counts while events run
        while (counter.paints == before) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QCoreApplication::processEvents(); // the rest of the same frame
        milliseconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf(
        "click to painted result on %s: median %.3f ms, 90th percentile %.3f ms (%d clicks)\n",
        qPrintable(QGuiApplication::platformName()), milliseconds[kClicks / 2],
        milliseconds[kClicks * 9 / 10], kClicks);
    return 0;
}
