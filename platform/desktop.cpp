// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

// The installed launcher's name, so that the desktop shows the program's icon and settings.
const QString kDesktopEntry = QStringLiteral("org.dalvane.Dalvane");

// No notification service answers at once when one is there at all; a hung one must not hold
// up the reminders, which are then printed instead.
constexpr int kNotifyTimeoutMs = 5000;

} // namespace

bool Notify(const QString &summary, const QString &body)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface notifications(QStringLiteral("org.freedesktop.Notifications"),
                                 QStringLiteral("/org/freedesktop/Notifications"),
                                 QStringLiteral("org.freedesktop.Notifications"), bus);
    if (!notifications.isValid())
        return false;
    notifications.setTimeout(kNotifyTimeoutMs);
    // The types are the service's own (susssasa{sv}i): a signed id or a list of variants
    // instead would be refused.
    const QDBusMessage reply = notifications.call(
        QStringLiteral("Notify"), QStringLiteral("Dalvane"), uint(0), kDesktopEntry, summary, body,
        QStringList(), QVariantMap{{QStringLiteral("desktop-entry"), kDesktopEntry}}, int(-1));
    return reply.type() == QDBusMessage::ReplyMessage;
}

QString AutostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/dalvane-reminders.desktop");
}

std::optional<QString> SetRemindAtLogin(bool on)
{
    const QString path = AutostartPath();
    const QString shown = QDir::toNativeSeparators(path);
    if (!on) {
        QFile launcher(path);
        if (launcher.exists() && !launcher.remove())
            return QStringLiteral("cannot remove %1: %2").arg(shown, launcher.errorString());
        return std::nullopt;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("cannot make the folder of %1").arg(shown);
    QSaveFile launcher(path);
    if (launcher.open(QIODevice::WriteOnly)) {
        launcher.write("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Dalvane reminders\n"
                       "Comment=Reminds of the family's coming days at login\n"
                       "Exec=dalvane-cli family remind\n"
                       "Icon=" +
                       kDesktopEntry.toUtf8() +
                       "\n"
                       "Terminal=false\n"
                       "NoDisplay=true\n");
        if (launcher.commit())
            return std::nullopt;
    }
    return QStringLiteral("cannot write %1: %2").arg(shown, launcher.errorString());
}

bool RemindsAtLogin()
{
    return QFileInfo::exists(AutostartPath());
}
