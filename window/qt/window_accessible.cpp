// SPDX-License-Identifier: MIT
#include "window/qt/window_accessible.hpp"

#include "window/qt/main_form.hpp"

#include <QAccessibleWidget>

namespace cipher {
namespace {

// Qt asks the factories once per class of an object's ancestry, by the class's full name.
QAccessibleInterface* mainFormAsWindow(const QString& className, QObject* object) {
    if (className != QLatin1String(MainForm::staticMetaObject.className())) {
        return nullptr;
    }
    // With no accessible name of its own, a window's name is its title.
    return new QAccessibleWidget(static_cast<MainForm*>(object), QAccessible::Window);
}

} // namespace

void presentMainFormAsWindow() {
    QAccessible::installFactory(mainFormAsWindow);
}

} // namespace cipher
