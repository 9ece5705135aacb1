// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>
#include <stdexcept>
#include <string>

// A table test written as text, one case a line: its name, then its fields, each " | " apart,
// so that a field keeps its own blanks.
inline void AddRows(const char *table)
{
    QTest::addColumn<QStringList>("fields");
    for (const QString &line : QString::fromUtf8(table).split(u'\n')) {
        QStringList fields = line.split(QStringLiteral(" | "));
        QTest::newRow(qPrintable(fields.takeFirst())) << fields;
    }
}

// The same from a file of tests/data, which the page's tests read too; "#" begins a comment line.
inline void AddRowsFromFile(const char *name)
{
    QFile file(QStringLiteral(DALVANE_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("no test data ") + name);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    AddRows(lines.join(u'\n').toUtf8().constData());
}

inline QStringList Fields()
{
    QFETCH(QStringList, fields);
    return fields;
}
