// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"

#include <QDBusConnection>
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
    // A plain call rather than a QDBusInterface: the interface would first ask the service to
    // describe itself, a second wait with no time limit of ours.
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The types are the service's own (susssasa{sv}i): a signed id or a list of hints would be
    // refused.
    notify << QStringLiteral("Dalvane") << uint(0) << kDesktopEntry << summary << body
           << QStringList() << QVariantMap{{QStringLiteral("desktop-entry"), kDesktopEntry}}
           << int(-1);
    return bus.call(notify, QDBus::Block, kNotifyTimeoutMs).type() == QDBusMessage::ReplyMessage;
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
        launcher.write(QStringLiteral("[Desktop Entry]\n"
                                      "Type=Application\n"
                                      "Name=Dalvane reminders\n"
                                      "Comment=Reminds of the family's coming days at login\n"
                                      "Exec=dalvane-cli family remind\n"
                                      "Icon=%1\n"
                                      "Terminal=false\n"
                                      "NoDisplay=true\n")
                           .arg(kDesktopEntry)
                           .toUtf8());
        if (launcher.commit())
            return std::nullopt;
    }
    return QStringLiteral("cannot write %1: %2").arg(shown, launcher.errorString());
}

bool RemindsAtLogin()
{
    return QFileInfo::exists(AutostartPath());
}
