// SPDX-License-Identifier: MIT
// Whether the Linux desktop asks for higher contrast, as its XDG desktop portal tells programs:
// the setting `contrast` of `org.freedesktop.appearance` (1 for higher contrast), asked once the
// event loop runs, without waiting for the answer, and followed as the student switches it. A
// desktop with no session bus or no portal, or a portal that does not know the setting (Debian
// 12's does not), never says so, and the window keeps its own colours.
#pragma once

#include <QObject>
#include <QString>

class QDBusVariant;
class QDBusPendingCallWatcher;

namespace cipher {

class DesktopContrast : public QObject {
    Q_OBJECT

public:
    explicit DesktopContrast(QObject* parent);

signals:
    void changed(bool high);

private:
    // Slots that the portal's signal and the event loop reach by their names.
    Q_SLOT void settingChanged(const QString& nameSpace, const QString& key,
                               const QDBusVariant& value);
    Q_SLOT void ask();
    // Asks with ReadOne, or with Read, the older portals' way, which wraps the value once more.
    void read(const QString& method);
    void answered(QDBusPendingCallWatcher* call, const QString& method);
    void take(unsigned contrast);

    bool high_ = false;
};

} // namespace cipher
