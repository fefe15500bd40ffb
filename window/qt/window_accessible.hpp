// SPDX-License-Identifier: MIT
// How assistive tools see MainForm: as a window named by its title, which tells each command's
// message to a screen reader.
#pragma once

#include <QWidget>

namespace cipher {

// A plain QWidget is presented as a client area (AT-SPI "filler"), which screen readers do not
// announce when it gets the focus; a window (AT-SPI "frame") they announce by its title.
// Installing it more than once is harmless.
void presentMainFormAsWindow();

// Says each command's message to a screen reader, which does not follow the message pane
// unless the focus is there. Qt 6.4 has no announcement of its own, and its AT-SPI bridge drops
// an alert; a notification that is shown, a screen reader on Linux says of its own accord. The
// window keeps one, of no size and so never seen, that takes the message as its name and is
// shown anew for each message, the same message too.
class MessageAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit MessageAnnouncer(QWidget* parent);

    void announce(const QString& message);
};

} // namespace cipher
