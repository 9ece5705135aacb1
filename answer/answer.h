// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reckonings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

struct RegionalSettings;

// Everything one calculation answers, as plain values; a schedule adds its observances.
struct Answer
{
    CalendarDate entered;
    CalendarDate reckoning; // the day before the entered one for an event before dawn
    Reckoning calendar;
    ZoroastrianDay day;
    QString yearText; // as given
    std::optional<CalendarDate> sameRozDate;
    std::optional<std::vector<Observance>> observances;
    QString person; // whose observances these are; empty when no name was given
};

// The single calculation: the window's roz walk for Shahenshahi, day arithmetic for the mah,
// the year and the other reckonings.
Answer Calculate(CalendarDate entered, CalendarDate reckoning, Reckoning calendar,
                 const QString &yearText, DateOrderCode order, const RegionalSettings &settings);

QString CalendarName(Reckoning calendar); // "shahenshahi", "kadmi" or "fasli"
std::optional<Reckoning> ReckoningNamed(const QString &name);

// The single answer in lines, or the schedule as a table for a terminal.
QString toText(const Answer &answer, const RegionalSettings &settings);
QByteArray toJson(const Answer &answer);
// One all-day event per observance of a schedule's answer. The stamp is the time of writing,
// which RFC 5545 asks of every event; a reminder, when asked for, that many days before.
QByteArray toICalendar(const Answer &answer, const QDateTime &stamp, std::optional<int> remindDays);
