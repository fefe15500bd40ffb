// SPDX-License-Identifier: MIT
// Runs an application until its window has painted its first frame, then ends it: what a start-up
// measurement times.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace cipher::bench {

// Quits the application once the first paint of the watched window has been delivered; the
// quit is queued, so the whole first frame (every child's paint and the flush) comes before it.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget& window) : window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& window_;
    bool seen_ = false;
};

inline int ShowUntilFirstFrame(QWidget& window) {
    FirstFrame firstFrame(window);
    window.installEventFilter(&firstFrame);
    window.show();
    return QApplication::exec();
}

} // namespace cipher::bench
