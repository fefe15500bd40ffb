// SPDX-License-Identifier: MIT
#include "window/qt/window_font.hpp"

#include "window/layout.hpp"

#include <QApplication>

namespace cipher {

QFont windowFont() {
    const layout::Font& wanted = layout::mainWindow().font;
    QFont font(
        QString::fromLatin1(wanted.family.data(), static_cast<qsizetype>(wanted.family.size())));
    font.setPointSize(wanted.pointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setStyleHint(QFont::Serif);
    return font;
}

void useWindowFontAsDefault() {
    QApplication::setFont(windowFont());
}

} // namespace cipher
