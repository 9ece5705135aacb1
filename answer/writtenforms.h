// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small pieces every written form of an answer uses, kept in one place so that the
// schedule's and the festivals' texts and calendar files write a date or a table alike.
#include "calendar/calendardate.h"
#include "platform/coretext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

QString IsoDate(CalendarDate date); // "2025-08-15"
// JSON written as it is built, byte for byte as QJsonDocument writes its compact form: callers
// give each object's keys in the sorted order QJsonObject keeps. A list of a thousand objects
// written so takes a tenth of the time it takes to build them as QJsonObjects first.
class JsonWriter
{
public:
    JsonWriter &begin(char bracket); // '{' or '['
    JsonWriter &end(char bracket);   // '}' or ']'
    JsonWriter &key(std::string_view name);
    JsonWriter &value(const QString &text);
    JsonWriter &value(std::string_view utf8); // the core's names, which need no escape
    JsonWriter &value(CalendarDate date);     // "2025-08-15"
    JsonWriter &value(qint64 number);
    JsonWriter &null();
    QByteArray text() const { return m_text + '\n'; }

private:
    void separate();

    QByteArray m_text;
    bool m_first = true;
};

// Columns two blanks apart, each as wide as its widest entry, for a terminal.
QString ColumnTable(const std::vector<QStringList> &rows);
