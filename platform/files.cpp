// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include <QSaveFile>

std::optional<QString> SaveWholeFile(const QString &path,
                                     const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return std::nullopt;
    return file.errorString();
}

std::optional<QString> SaveWholeFile(const QString &path, const QByteArray &data)
{
    return SaveWholeFile(path,
                         [&](QIODevice &device) { return device.write(data) == data.size(); });
}
