// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QByteArray;
class QIODevice;

// Writes a file whole: into a temporary file beside `path`, renamed over it only once every
// byte is written, so a failure never leaves half a file behind. The reason in words when it
// cannot be written; nullopt when it was.
std::optional<QString> SaveWholeFile(const QString &path,
                                     const std::function<bool(QIODevice &)> &write);
std::optional<QString> SaveWholeFile(const QString &path, const QByteArray &data);
