// SPDX-License-Identifier: MIT
// Finding the window's controls by the names they carry, as a user's tools would.
#pragma once

#include "window/qt/main_form.hpp"
#include "window/qt/text.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <array>
#include <string_view>

namespace cipher::testing {

template <typename Widget> Widget* Control(const MainForm& form, const char* name) {
    auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("no control %s", name);
    }
    return widget;
}

inline QLineEdit* Field(const MainForm& form, int index) {
    return Control<QLineEdit>(form, QStringLiteral("Text2(%1)").arg(index).toLatin1().constData());
}

inline QStringList Rows(const MainForm& form, int index) {
    auto* list =
        Control<QListWidget>(form, QStringLiteral("List1(%1)").arg(index).toLatin1().constData());
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) {
        rows << list->item(i)->text();
    }
    return rows;
}

inline void Click(const MainForm& form, const char* button) {
    QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton);
}

template <std::size_t N> QStringList toQStringList(const std::array<std::u32string_view, N>& rows) {
    QStringList list;
    for (std::u32string_view row : rows) {
        list << toQString(row);
    }
    return list;
}

} // namespace cipher::testing
