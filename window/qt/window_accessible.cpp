// SPDX-License-Identifier: MIT
#include "window/qt/window_accessible.hpp"

#include "window/qt/main_form.hpp"

#include <QAccessibleWidget>

namespace cipher {
namespace {

// Qt asks the factories once per class of an object's ancestry, by the class's full name.
QAccessibleInterface* mainFormAsWindow(const QString& className, QObject* object) {
    if (className == QLatin1String(MainForm::staticMetaObject.className())) {
        // With no accessible name of its own, a window's name is its title.
        return new QAccessibleWidget(static_cast<MainForm*>(object), QAccessible::Window);
    }
    if (className == QLatin1String(MessageAnnouncer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<MessageAnnouncer*>(object),
                                     QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void presentMainFormAsWindow() {
    QAccessible::installFactory(mainFormAsWindow);
}

MessageAnnouncer::MessageAnnouncer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MessageAnnouncer"));
    setGeometry(0, 0, 0, 0);
    hide(); // until the first message: a shown notification is said
}

void MessageAnnouncer::announce(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

} // namespace cipher
