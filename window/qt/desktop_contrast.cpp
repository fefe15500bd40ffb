// SPDX-License-Identifier: MIT
#include "window/qt/desktop_contrast.hpp"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace cipher {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kNamespace = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("contrast");
constexpr unsigned kHigherContrast = 1;

// Whether the session says where its bus is, as a desktop session does. Without the address,
// D-Bus would try to start a bus of its own for the asking.
bool sessionBusAround() {
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace

DesktopContrast::DesktopContrast(QObject* parent) : QObject(parent) {
    QMetaObject::invokeMethod(this, "ask", Qt::QueuedConnection);
}

void DesktopContrast::ask() {
    if (!sessionBusAround()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    read(QStringLiteral("ReadOne"));
}

void DesktopContrast::read(const QString& method) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message << kNamespace << kKey;
    auto* call =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher* finished) { answered(finished, method); });
}

void DesktopContrast::answered(QDBusPendingCallWatcher* call, const QString& method) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        if (reply.error().type() == QDBusError::UnknownMethod && method == u"ReadOne") {
            read(QStringLiteral("Read"));
        }
        return;
    }
    QVariant value = reply.value().variant();
    if (method == u"Read") {
        value = value.value<QDBusVariant>().variant();
    }
    take(value.toUInt());
}

void DesktopContrast::settingChanged(const QString& nameSpace, const QString& key,
                                     const QDBusVariant& value) {
    if (nameSpace == kNamespace && key == kKey) {
        take(value.variant().toUInt());
    }
}

void DesktopContrast::take(unsigned contrast) {
    const bool high = contrast == kHigherContrast;
    if (high != high_) {
        high_ = high;
        emit changed(high);
    }
}

} // namespace cipher
