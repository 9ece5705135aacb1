// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// What the desktop does for the family register's reminders, as freedesktop.org describes it.

// Shows a notification from "Dalvane" through the session bus's notification service. False,
// and nothing said, when there is no session bus or no such service on it: the caller then
// prints the same lines itself.
bool Notify(const QString &summary, const QString &body);

// The launcher that runs "dalvane-cli family remind" at login:
// $XDG_CONFIG_HOME/autostart/dalvane-reminders.desktop.
QString AutostartPath();
// Writes the launcher whole, its folder made if need be, or removes it; nullopt when done,
// else what went wrong in words, naming the file.
std::optional<QString> SetRemindAtLogin(bool on);
bool RemindsAtLogin();
