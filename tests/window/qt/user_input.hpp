// SPDX-License-Identifier: MIT
// Typing and pasting as a student does.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace cipher::testing {

// Qt Test's keyClicks asserts on characters outside Latin-1, so each character is sent as the
// text of a key event, the way a keyboard layout delivers it.
inline void Type(QWidget* widget, const QString& text) {
    for (char32_t c : text.toStdU32String()) {
        const QString character = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Pastes with Ctrl+V.
inline void Paste(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Replaces the field's whole text by pasting over it.
inline void PasteOver(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty()) {
        field->del();
    } else {
        Paste(field, text);
    }
}

inline qsizetype Characters(const QString& text) {
    return static_cast<qsizetype>(text.toStdU32String().size());
}

} // namespace cipher::testing
